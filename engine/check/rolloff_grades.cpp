#include "engine/check/rolloff_grades.h"

#include <array>
#include <cmath>

namespace pfc {
namespace {

// Fits of the public OpenMagnetics material data for the "MS" alloy-powder series (DC-bias
// permeability against field in A/m), one per initial permeability.
constexpr std::array<RolloffGrade, 9> kGrades = {{
    {14, 2.9339691288031597e-10, 1.73173185225229},
    {26, 1.0957367241727222e-09, 1.65451452372905},
    {40, 1.631241548656292e-09, 1.6796189702944},
    {60, 2.177416626748223e-09, 1.74287163534691},
    {75, 1.0816956519818033e-09, 1.84090626432745},
    {90, 7.351666135286837e-09, 1.70102810227534},
    {125, 2.079657601680983e-09, 1.88276251483404},
    {147, 5.613843103906388e-08, 1.53924930051701},
    {160, 3.588009886613298e-08, 1.62692796162866},
}};

}  // namespace

double RolloffFraction(double b, double c, double field) {
  return 1 / (1 + 100 * b * std::pow(field, c));
}

std::span<const RolloffGrade> RolloffGrades() {
  return kGrades;
}

const RolloffGrade* FindRolloffGrade(int permeability) {
  for (const RolloffGrade& grade : kGrades) {
    if (grade.permeability == permeability)
      return &grade;
  }
  return nullptr;
}

}  // namespace pfc
