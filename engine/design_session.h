#pragma once

#include "engine/catalogue.h"
#include "engine/design_record.h"

namespace pfc {

// One designer's work: the tables as loaded and the one record every run reads and writes.
// The desktop program and pfc-core each keep one for the whole process and lend it out.
struct DesignSession {
  DesignRecord record;
  CoreCatalogue catalogue;
  WireTable wires;
  char decimalSeparator = '.';  // of the numbers shown to the user
};

// Loads the wire table and the catalogue into the session, and raises the record's
// MaxAreaProduct with them, as the input form does whenever it loads.
void LoadDesignTables(DesignSession& session);

}  // namespace pfc
