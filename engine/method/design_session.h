#pragma once

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogue_file.h"
#include "engine/record/design_record.h"

namespace pfc {

// One designer's work: the tables as loaded and the one record every run reads and writes.
// The desktop program and pfc-core each keep one for the whole process and lend it out.
struct DesignSession {
  DesignRecord record;
  CoreCatalogue catalogue;
  CatalogueOrigin catalogueOrigin;  // the built-in catalogue until one is read from a file
  WireTable wires;
  char decimalSeparator = '.';  // of the numbers shown to the user
};

// Loads the wire table and the catalogue into the session, and raises the record's
// MaxAreaProduct with them, as the input form does whenever it loads. A catalogue read from
// a file stays: only the built-in one is rebuilt.
void LoadDesignTables(DesignSession& session);

// Makes the catalogue the session's; the record's MaxAreaProduct becomes its largest area
// product.
void UseCoreCatalogue(DesignSession& session, CoreCatalogue catalogue, CatalogueOrigin origin);

// Goes back to the built-in catalogue.
void UseBuiltInCatalogue(DesignSession& session);

}  // namespace pfc
