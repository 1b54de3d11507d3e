#include "engine/check/material.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>

namespace pfc {

Material::Material(const RolloffGrade& grade)
    : name(std::to_string(grade.permeability)),
      permeability(grade.permeability),
      b(grade.b),
      c(grade.c) {}

double CataloguePermeability(const DesignRecord& r) {
  const double inductanceFactor = r.AlValue * 1e-9;  // H/turn²
  const double path = r.PathLength / 100;            // m
  const double area = r.CoreArea * 1e-4;             // m²
  if (!(area > 0))
    return std::numeric_limits<double>::quiet_NaN();  // no core loaded: nothing implied
  return inductanceFactor * path / (kVacuumPermeability * area);
}

const RolloffGrade& NearestGrade(double permeability) {
  const std::span<const RolloffGrade> grades = RolloffGrades();
  const RolloffGrade* nearest = &grades.front();
  for (const RolloffGrade& grade : grades) {
    // Ascending order: a later grade wins only when strictly nearer, so a tie keeps the lower.
    if (std::fabs(grade.permeability - permeability) <
        std::fabs(nearest->permeability - permeability))
      nearest = &grade;
  }
  return *nearest;
}

double MaterialAlValue(const DesignRecord& record, const Material& material) {
  const double catalogue = CataloguePermeability(record);
  if (!(catalogue > 0))
    return std::numeric_limits<double>::quiet_NaN();
  return record.AlValue * material.permeability / catalogue;
}

}  // namespace pfc
