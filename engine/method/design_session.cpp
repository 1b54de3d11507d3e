#include "engine/method/design_session.h"

#include <algorithm>

namespace pfc {

void LoadDesignTables(DesignSession& session) {
  DataLoad(session.wires);
  if (session.catalogueOrigin.BuiltIn())
    ArrayData_PFC_Load(session.catalogue, session.record);
}

void UseCoreCatalogue(DesignSession& session, CoreCatalogue catalogue, CatalogueOrigin origin) {
  session.catalogue = std::move(catalogue);
  session.catalogueOrigin = std::move(origin);
  const std::vector<double>& areaProducts = session.catalogue.WaAc;
  session.record.MaxAreaProduct =
      areaProducts.size() > 1 ? *std::max_element(areaProducts.begin() + 1, areaProducts.end()) : 0;
}

void UseBuiltInCatalogue(DesignSession& session) {
  session.catalogueOrigin = CatalogueOrigin{};
  session.record.MaxAreaProduct = 0;
  ArrayData_PFC_Load(session.catalogue, session.record);
}

}  // namespace pfc
