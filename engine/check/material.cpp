#include "engine/check/material.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <utility>

namespace pfc {

Material::Material(const RolloffGrade& grade)
    : name(std::to_string(grade.permeability)),
      permeability(grade.permeability),
      b(grade.b),
      c(grade.c) {}

MaterialRange MaterialNumberRange(MaterialNumber number, double c) {
  switch (number) {
    case MaterialNumber::Permeability:
      return {1, 1000};
    case MaterialNumber::RolloffC:
      // At c ≤ 1 the flux a winding carries has no bound; past 4 the curve is a cliff.
      return {1, 4, true};
    case MaterialNumber::RolloffB: {
      // The share lost, 1 − F = x/(1 + x) with x = 100·b·H^c, reaches a share s where
      // x = s/(1 − s).
      const auto bFor = [c](double share, double field) {
        return share / (1 - share) / (100 * std::pow(field, c));
      };
      return {bFor(kLeastRolloff, kStrongRolloffField), bFor(kMostRolloff, kWeakRolloffField)};
    }
    case MaterialNumber::LossK:
      return {0.01, 1e5};
    case MaterialNumber::LossAlpha:
      return {1, 3};
    case MaterialNumber::LossBeta:
      return {1, 4};
  }
  return {};
}

std::optional<MaterialNumber> MaterialOutOfRange(const Material& material, bool ownLossFit) {
  const std::pair<MaterialNumber, double> numbers[] = {
      {MaterialNumber::Permeability, material.permeability},
      {MaterialNumber::RolloffC, material.c},
      {MaterialNumber::RolloffB, material.b},
      {MaterialNumber::LossK, material.loss.k},
      {MaterialNumber::LossAlpha, material.loss.alpha},
      {MaterialNumber::LossBeta, material.loss.beta},
  };
  for (const auto& [number, value] : numbers) {
    if (!ownLossFit && number >= MaterialNumber::LossK)
      break;
    const MaterialRange range = MaterialNumberRange(number, material.c);
    const bool above = range.lowExcluded ? value > range.low : value >= range.low;
    if (!(above && value <= range.high))
      return number;
  }
  return std::nullopt;
}

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
