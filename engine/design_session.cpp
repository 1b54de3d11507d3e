#include "engine/design_session.h"

namespace pfc {

void LoadDesignTables(DesignSession& session) {
  DataLoad(session.wires);
  ArrayData_PFC_Load(session.catalogue, session.record);
}

}  // namespace pfc
