#pragma once

#include <numbers>
#include <span>
#include <string>

// How the permeability of an alloy-powder core falls with the field: the fraction left is
// 1 / (1 + 100·b·H^c) with H in A/m. The catalogue gives only the inductance factor of its
// cores, not their material; a check takes the core in a grade's powder (engine/check/material.h).
namespace pfc {

struct RolloffGrade {
  int permeability = 0;  // the grade's initial relative permeability, its name
  double b = 0;          // ≥ 0; 0 keeps the permeability at every field
  double c = 0;          // > 1, so that the flux a winding can carry is bounded
};

// The oersted in A/m, 1000/(4π): suppliers give the field of their curves in Oe.
inline constexpr double kAmperesPerMetrePerOersted = 1000 / (4 * std::numbers::pi);
// A field in A/m as oersted; multiplied out as 4π/1000 so that the check's figures in Oe stay
// bit for bit what they were before the constant was named.
inline constexpr double OerstedFromAmperesPerMetre(double field) {
  return field * 4 * std::numbers::pi / 1000;
}

// The fraction of the initial permeability left at the field H in A/m (b ≥ 0, H ≥ 0).
double RolloffFraction(double b, double c, double field);

// The grades in ascending permeability.
std::span<const RolloffGrade> RolloffGrades();

// No grade chosen: the check takes the grade that matches the checked core (DefaultGradeFor).
inline constexpr int kDefaultRolloffGrade = 0;

// The grade of that permeability; nullptr when there is none.
const RolloffGrade* FindRolloffGrade(int permeability);

}  // namespace pfc
