#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "engine/check/rolloff_grades.h"

namespace pfc {

// A winding on a powder core whose inductance falls with its current: the incremental
// inductance is L(i) = L0·F(i), L0 = N²·AL, F(i) = 1 / (1 + 100·b·H(i)^c), H(i) = N·|i| / lm.
// The flux linkage λ(i) = ∫₀ⁱ L is odd in i and, for c > 1, bounded by λ(∞): beyond that no
// current carries more volt-seconds. Values are computed to a few units in the last place.
class RolloffInductor {
 public:
  // turns ≥ 1, alValue in nH/turn² > 0, pathLength in cm > 0, a grade with b ≥ 0 and c > 1.
  RolloffInductor(double turns, double alValue, double pathLength, const RolloffGrade& grade);
  // The same with the roll-off given by its two constants.
  RolloffInductor(double turns, double alValue, double pathLength, double b, double c);

  double ZeroBiasInductance() const { return zeroBias_; }  // L0 in H
  double FieldStrength(double current) const;              // A/m
  double PermeabilityFraction(double current) const;       // F(i)
  double Inductance(double current) const;                 // H
  double FluxLinkage(double current) const;                // V·s
  // λ(∞); infinity for a grade that does not roll off (b = 0).
  double FluxLinkageLimit() const { return limit_; }
  // λ(to) − λ(from) for from ≤ to, accurate also where the two are nearly equal.
  double FluxLinkageBetween(double from, double to) const;

  // The peak-to-peak ripple Δ ≥ 0 with λ(i + Δ/2) − λ(i − Δ/2) = voltSeconds (≥ 0); 0 for no
  // volt-seconds. Empty when no current swing carries them: voltSeconds ≥ 2·λ(∞), or so close
  // below it that Δ would exceed the range of a double, or, given no estimate, at a current
  // where the inductance underflows to zero (saturated beyond what a double resolves). A positive
  // `estimate` of Δ (from neighbouring points of a sweep) saves steps; the result does not depend
  // on it.
  std::optional<double> Ripple(double current, double voltSeconds, double estimate = 0) const;

  // λ(i) of the normalised winding (L0 = 1, F(s) = 1 / (1 + s^c)): ∫₀ˢ du / (1 + u^c), s ≥ 0.
  // Exposed for tests against quadrature.
  double NormalisedFluxLinkage(double s) const;

  static constexpr std::size_t kMostSeriesTerms = 64;

 private:
  struct Point {
    double inductance;  // H
    double slope;       // dL/di in H/A
  };
  Point At(double current) const;
  Point PointAt(double current, double t) const;  // t = (scale·|i|)^c
  // λ at `current` and the inductance there, sharing the power they both need.
  double FluxLinkageAt(double current, Point& point) const;
  double Normalised(double s, double t) const;  // NormalisedFluxLinkage with t = s^c
  // The interval is narrow beside its distance from zero: its flux linkage is integrated.
  static bool IsNarrow(double from, double to);
  double FluxLinkageAround(double centre, double half) const;  // over centre ± half, narrow

  double zeroBias_ = 0;        // H
  double fieldPerAmpere_ = 0;  // A/m per A
  double scale_ = 0;           // s per A: F = 1 / (1 + (scale·|i|)^c); 0 without roll-off
  double c_ = 0;
  double limit_ = 0;            // λ(∞) in V·s
  double normalisedLimit_ = 0;  // ∫₀^∞ du / (1 + u^c) = (π/c) / sin(π/c)
  // Power series of ₂F₁(p, p; p + 1; x) for p = 1/c (below s = 1) and p = 1 − 1/c (above),
  // each evaluated for x ≤ 1/2 only.
  std::array<double, kMostSeriesTerms> below_{};
  std::array<double, kMostSeriesTerms> above_{};
  std::size_t belowTerms_ = 0;
  std::size_t aboveTerms_ = 0;
};

}  // namespace pfc
