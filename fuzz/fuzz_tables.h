#pragma once

#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"
#include "fuzz/run_input.h"

namespace pfc {

// The catalogue and wire table as the input form loads them, built once per fuzz process
// and never changed afterwards.
struct FuzzTables {
  CoreCatalogue catalogue;
  WireTable wires;
  DesignRecord loadedRecord;  // the record right after the tables were loaded
};

const FuzzTables& LoadedFuzzTables();

// The record the run starts from: the freshly loaded one, after a published run with the
// form's defaults when the input asks for an earlier design, with the input's calculator
// type set as the calculator-type boxes would.
DesignRecord StartingRecord(const FuzzTables& tables, const FuzzRun& run);

}  // namespace pfc
