#pragma once

#include "engine/catalogue.h"
#include "engine/design_record.h"

namespace pfc {

// The tables as the input form loads them, with the record the form starts: calculator
// selects, MaxAreaProduct raised.
struct LoadedTables {
  CoreCatalogue catalogue;
  WireTable wires;
  DesignRecord record;

  LoadedTables() {
    DataLoad(wires);
    ArrayData_PFC_Load(catalogue, record);
    record.CalcType = CalcSelects;
  }
};

}  // namespace pfc
