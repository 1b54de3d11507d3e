#pragma once

#include "engine/catalogue.h"
#include "engine/design_record.h"
#include "engine/design_run.h"

namespace pfc::bench {

// The tables and the record as the input form holds them after loading, calculator selecting.
struct LoadedForm {
  CoreCatalogue catalogue;
  WireTable wires;
  DesignRecord record;

  LoadedForm() {
    DataLoad(wires);
    ArrayData_PFC_Load(catalogue, record);
    record.CalcType = CalcSelects;
  }
};

// The form's defaults with the designer's pick of one catalogue entry.
inline EntryTexts PickedEntries(const char* pickText) {
  EntryTexts entries;
  entries.chkPickCore = true;
  entries.txtCoreSize = pickText;
  return entries;
}

}  // namespace pfc::bench
