#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "engine/check/material.h"
#include "engine/check/material_points.h"

// A material's constants fitted to a supplier's curves, so that a datasheet becomes a
// material file without fitting by hand. docs/operating-check.md gives the fits.
namespace pfc {

// The roll-off F = 1/(1 + 100·b·H^c) (RolloffFraction) that best meets the DC-bias points:
// the least sum of squared differences in percentage points.
struct RolloffFit {
  bool fitted = false;
  std::string problem;  // why there is no fit; empty when fitted
  double b = 0;
  double c = 0;
  std::vector<double> percent;  // the fit at each point, % of the initial permeability
  double rmsDeviation = 0;      // percentage points
  double largestDeviation = 0;  // percentage points, its size
  std::size_t largestAt = 0;    // the point it is at
};

// Starts from the straight line of log(1/F − 1) against log H over the points below 100 %,
// then refines it by Levenberg–Marquardt steps. No fit for fewer than two distinct fields
// below 100 %, for points no curve of the form follows, and for a best c of 1 or less, with
// which the flux a winding carries would have no bound.
RolloffFit FitRolloff(std::span<const RolloffPoint> points);

// The sine-wave loss k·(f/kHz)^α·(B̂/T)^β W/kg that best meets the loss points, by least
// squares on the logarithms.
struct LossFit {
  bool fitted = false;
  std::string problem;  // why there is no fit; empty when fitted
  CoreLossFit fit;
  std::vector<double> loss;     // the fit at each point, W/kg
  double rmsDeviation = 0;      // % of the points' losses
  double largestDeviation = 0;  // % of the point's loss, its size
  std::size_t largestAt = 0;    // the point it is at
};

// No fit when the frequencies and flux densities do not vary apart from one another (all at
// one frequency, or the flux density a power of the frequency), which leaves α and β
// undetermined.
LossFit FitCoreLoss(std::span<const LossPoint> points);

}  // namespace pfc
