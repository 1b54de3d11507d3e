#pragma once

#include "engine/method/design_run.h"
#include "engine/method/design_session.h"

namespace pfc::bench {

// The tables and the record as the input form holds them after loading, calculator selecting.
struct LoadedForm : DesignSession {
  LoadedForm() {
    LoadDesignTables(*this);
    record.CalcType = CalcSelects;
  }
};

// The form's defaults with the designer's pick of one catalogue entry.
inline EntryTexts PickedEntries(const char* pickText) {
  EntryTexts entries;
  entries.pickCore = true;
  entries[Entry::CoreSize] = pickText;
  return entries;
}

}  // namespace pfc::bench
