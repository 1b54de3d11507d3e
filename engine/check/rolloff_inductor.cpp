#include "engine/check/rolloff_inductor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace pfc {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Half a ripple beyond this would overflow the currents i ± Δ/2.
constexpr double kLargestHalfRipple = std::numeric_limits<double>::max() / 8;
// Enough steps to bisect the whole range of a double; the root finder needs a handful.
constexpr int kMostRippleSteps = 2200;
// A Halley step this small relative to the half ripple leaves an error of its cube.
constexpr double kSettledStep = 1e-5;

// Gauss–Legendre, four points on [-1, 1].
constexpr double kNodes[2] = {0.33998104358485626, 0.86113631159405258};
constexpr double kWeights[2] = {0.65214515486254614, 0.34785484513745386};

// Coefficients of ₂F₁(p, p; p + 1; x) = Σ (p)ₙ/n! · p/(p + n) · xⁿ, as many as keep the
// remainder at x = 1/2 below 2⁻⁵⁶ of the sum (which is at least 1). All are positive, so the
// sum has no cancellation. Returns the count, rounded up to a multiple of four for SumSeries.
std::size_t SeriesOf(double p, std::array<double, RolloffInductor::kMostSeriesTerms>& terms) {
  terms.fill(0);
  terms[0] = 1;
  double rising = 1;  // (p)ₙ / n!
  double half = 1;    // 2⁻ⁿ
  std::size_t n = 1;
  for (; n < terms.size(); ++n) {
    rising *= (p + static_cast<double>(n) - 1) / static_cast<double>(n);
    half /= 2;
    terms[n] = rising * p / (p + static_cast<double>(n));
    if (2 * terms[n] * half < 0x1p-56) {
      ++n;
      break;
    }
  }
  return std::min((n + 3) / 4 * 4, terms.size());
}

// Σ termsₙ·xⁿ as four interleaved Horner chains in x⁴, which the processor runs side by side.
double SumSeries(const std::array<double, RolloffInductor::kMostSeriesTerms>& terms,
                 std::size_t count, double x) {
  const double x2 = x * x;
  const double x4 = x2 * x2;
  double chains[4] = {0, 0, 0, 0};
  for (std::size_t n = count; n >= 4; n -= 4) {
    for (std::size_t j = 0; j < 4; ++j)
      chains[j] = chains[j] * x4 + terms[n - 4 + j];
  }
  return (chains[0] + x * chains[1]) + x2 * (chains[2] + x * chains[3]);
}

}  // namespace

RolloffInductor::RolloffInductor(double turns, double alValue, double pathLength,
                                 const RolloffGrade& grade)
    : RolloffInductor(turns, alValue, pathLength, grade.b, grade.c) {}

RolloffInductor::RolloffInductor(double turns, double alValue, double pathLength, double b,
                                 double c)
    : zeroBias_(turns * turns * alValue * 1e-9),
      fieldPerAmpere_(turns / (pathLength / 100)),
      c_(c) {
  if (!(b > 0)) {
    limit_ = kInfinity;
    normalisedLimit_ = kInfinity;
    return;
  }
  // 100·b·H^c = (scale·|i|)^c.
  scale_ = std::pow(100 * b, 1 / c_) * fieldPerAmpere_;
  const double a = 1 / c_;
  normalisedLimit_ = (std::numbers::pi * a) / std::sin(std::numbers::pi * a);
  limit_ = zeroBias_ / scale_ * normalisedLimit_;
  belowTerms_ = SeriesOf(a, below_);
  aboveTerms_ = SeriesOf(1 - a, above_);
}

double RolloffInductor::FieldStrength(double current) const {
  return fieldPerAmpere_ * std::fabs(current);
}

double RolloffInductor::PermeabilityFraction(double current) const {
  if (scale_ == 0)
    return 1;
  return 1 / (1 + std::pow(scale_ * std::fabs(current), c_));
}

double RolloffInductor::Inductance(double current) const {
  return zeroBias_ * PermeabilityFraction(current);
}

// With t = s^c and w = t / (1 + t) the integral is an incomplete beta function,
// (1/c)·B(w; 1/c, 1 − 1/c), whose hypergeometric series converges for w ≤ 1/2 (s ≤ 1); above,
// its complement from the other end converges in 1 − w ≤ 1/2 and is taken off the whole.
double RolloffInductor::Normalised(double s, double t) const {
  const double a = 1 / c_;
  if (t <= 1)
    return s * std::pow(1 + t, -a) * SumSeries(below_, belowTerms_, t / (1 + t));
  return normalisedLimit_ -
         std::pow(1 + t, a - 1) / (c_ - 1) * SumSeries(above_, aboveTerms_, 1 / (1 + t));
}

double RolloffInductor::NormalisedFluxLinkage(double s) const {
  return Normalised(s, std::pow(s, c_));
}

double RolloffInductor::FluxLinkage(double current) const {
  Point unused;
  return FluxLinkageAt(current, unused);
}

RolloffInductor::Point RolloffInductor::PointAt(double current, double t) const {
  const double inductance = zeroBias_ / (1 + t);
  const double magnitude = std::fabs(current);
  if (magnitude == 0)
    return {inductance, 0};
  // dL/di = −c·L·(t / (1 + t)) / i, the ratio written so that t = ∞ gives 1.
  const double share = t <= 1 ? t / (1 + t) : 1 / (1 + 1 / t);
  return {inductance, std::copysign(c_ * inductance * share / magnitude, -current)};
}

RolloffInductor::Point RolloffInductor::At(double current) const {
  if (scale_ == 0)
    return {zeroBias_, 0};
  return PointAt(current, std::pow(scale_ * std::fabs(current), c_));
}

double RolloffInductor::FluxLinkageAt(double current, Point& point) const {
  if (scale_ == 0) {
    point = {zeroBias_, 0};
    return zeroBias_ * current;
  }
  const double s = scale_ * std::fabs(current);
  const double t = std::pow(s, c_);
  point = PointAt(current, t);
  return std::copysign(zeroBias_ / scale_ * Normalised(s, t), current);
}

bool RolloffInductor::IsNarrow(double from, double to) {
  return to - from < std::min(std::fabs(from), std::fabs(to)) / 32;
}

// Two nearly equal flux linkages would lose the digits their difference needs; over an
// interval narrow beside its distance from zero (where the inductance is analytic well beyond
// it) four Gauss–Legendre points give the integral to rounding.
double RolloffInductor::FluxLinkageBetween(double from, double to) const {
  if (IsNarrow(from, to))
    return FluxLinkageAround(from + (to - from) / 2, (to - from) / 2);
  return FluxLinkage(to) - FluxLinkage(from);
}

// The nodes are placed from the centre, so that a half width far below the centre's last
// digit still counts whole.
double RolloffInductor::FluxLinkageAround(double centre, double half) const {
  double sum = 0;
  for (int k = 0; k < 2; ++k) {
    sum += kWeights[k] *
           (Inductance(centre - half * kNodes[k]) + Inductance(centre + half * kNodes[k]));
  }
  return half * sum;
}

// Halley's method on f(h) = λ(i + h) − λ(i − h) − VS, h = Δ/2, kept inside a bracket that
// every evaluation narrows, bisecting (or doubling while there is no upper end) whenever a
// step would leave it. f rises monotonically from −VS at h = 0 towards 2·λ(∞) − VS, with
// f' = L(i + h) + L(i − h) and f'' = L'(i + h) − L'(i − h).
std::optional<double> RolloffInductor::Ripple(double current, double voltSeconds,
                                              double estimate) const {
  if (!(voltSeconds > 0))
    return 0.0;
  if (voltSeconds >= 2 * limit_)
    return std::nullopt;
  double low = 0;   // f(low) < 0
  double high = 0;  // f(high) > 0 once bracketed
  bool bracketed = false;
  // Without an estimate, the start is the ripple of the inductance at the current.
  double half = kLargestHalfRipple;
  if (estimate > 0 && estimate < kLargestHalfRipple) {
    half = estimate / 2;
  } else if (const double atCurrent = Inductance(current); atCurrent > 0) {
    half = std::min(voltSeconds / (2 * atCurrent), kLargestHalfRipple);
  } else if (current != 0) {
    // So far into the roll-off that the inductance underflows, the core has no flux left to
    // swing: saturated, as at any finite on-time. Searching there took hundreds of
    // bisections per angle (a Vin Min of 1e-200 V made Compare Cores take seconds). A sweep
    // passes no estimate at such currents, its mean inductances being zero too.
    return std::nullopt;
  }
  for (int step = 0; step < kMostRippleSteps; ++step) {
    Point up;
    Point down;
    double f;
    double tolerance;  // the step below which f is no longer resolved
    if (IsNarrow(current - half, current + half)) {
      f = FluxLinkageAround(current, half) - voltSeconds;
      up = At(current + half);
      down = At(current - half);
      tolerance = 4 * kEpsilon * half;
    } else {
      f = FluxLinkageAt(current + half, up) - FluxLinkageAt(current - half, down) - voltSeconds;
      tolerance = 4 * kEpsilon * (std::fabs(current) + half);
    }
    if (f == 0)
      return 2 * half;
    if (f < 0) {
      low = half;
    } else {
      high = half;
      bracketed = true;
    }
    const double slope = up.inductance + down.inductance;
    const double curvature = up.slope - down.slope;
    // Where both inductances underflow there is no step: bisect (or double) instead.
    double change = slope > 0 ? -f / slope : 0;
    const double correction = slope > 0 ? 1 + change * curvature / (2 * slope) : 0;
    const bool halley = correction > 0.5 && correction < 2;
    if (halley)
      change /= correction;
    double next = half + change;
    const bool inside = slope > 0 && next > low && (!bracketed || next < high);
    if (!inside)
      next = bracketed ? low + (high - low) / 2 : 2 * half;
    if (!(next <= kLargestHalfRipple))
      return std::nullopt;
    // Halley's error cubes with every step: after a step below kSettledStep of h the new
    // iterate is exact to rounding, and evaluating f once more would only confirm it.
    if (inside && std::fabs(change) <= std::max(tolerance, halley ? kSettledStep * half : 0.0))
      return 2 * next;
    if (bracketed && high - low <= 4 * kEpsilon * high)
      return 2 * next;
    half = next;
  }
  return 2 * half;
}

}  // namespace pfc
