#pragma once

#include "engine/method/design_session.h"

namespace pfc {

// The tables as the input form loads them, with the record the form starts: calculator
// selects, MaxAreaProduct raised.
struct LoadedTables : DesignSession {
  LoadedTables() {
    LoadDesignTables(*this);
    record.CalcType = CalcSelects;
  }
};

}  // namespace pfc
