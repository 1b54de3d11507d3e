#include "engine/core_design.h"

namespace pfc {

void LoadCore(DesignRecord& record, const CoreCatalogue& catalogue, std::int16_t row) {
  const auto i = static_cast<std::size_t>(row);
  const double n = record.CoresToStack;
  record.AreaProduct = n * catalogue.WaAc[i];  // cm⁴, the stack's from now on
  record.CoreOD = catalogue.OD[i] / 10;        // mm to cm
  record.CoreID = catalogue.ID[i] / 10;
  record.CoreHT = catalogue.HT[i] / 10 * n;  // cm, whole stack
  record.CoreArea = n * catalogue.Ac[i];     // cm²
  record.WindowArea = catalogue.Wa[i];       // the window does not grow with the stack
  record.PathLength = catalogue.Lm[i];
  record.AlValue = n * catalogue.Al[i];  // nH/turn²
  record.CoreMass = n * catalogue.Mass[i];
  // Two annular end faces plus the outer and inner walls of the stacked toroid, cm².
  const double outerRadius = record.CoreOD / 2;
  const double innerRadius = record.CoreID / 2;
  record.SurfaceArea = (outerRadius * outerRadius - innerRadius * innerRadius) * 6.283185308 +
                       record.CoreOD * 3.141592654 * record.CoreHT +
                       record.CoreID * 3.141592654 * record.CoreHT;
}

}  // namespace pfc
