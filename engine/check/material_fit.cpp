#include "engine/check/material_fit.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

// Levenberg–Marquardt on two constants: the steps it may take, the damping of its first
// step and the most it damps before it holds that no step lowers the sum any more, and the
// step, relative to the constants, below which the fit has settled.
constexpr int kMostSteps = 500;
constexpr double kFirstDamping = 1e-3;
constexpr double kLeastDamping = 1e-12;
constexpr double kMostDamping = 1e12;
constexpr double kSettledStep = 1e-13;

// Below this share of their spreads the logarithms of the loss points' frequencies and flux
// densities are taken as tied: 1 − ρ², ρ their correlation.
constexpr double kTiedShare = 1e-9;

// The roll-off in the coordinates the fit moves in, where its sum of squares is nearly a
// quadratic: 100·b·H^c = exp(q + c·(ln H − centre)), centre the mean of ln H.
struct Curve {
  double q = 0;
  double c = 0;
};

// The sums of the normal equations: JᵀJ (a11, a12, a22) and Jᵀr (g1, g2).
struct Normal {
  double a11 = 0;
  double a12 = 0;
  double a22 = 0;
  double g1 = 0;
  double g2 = 0;
};

class RolloffSquares {
 public:
  explicit RolloffSquares(std::span<const RolloffPoint> points) : points_(points) {
    for (const RolloffPoint& point : points)
      centre_ += std::log(point.field) / static_cast<double>(points.size());
  }

  double B(const Curve& curve) const { return std::exp(curve.q - curve.c * centre_) / 100; }
  double Centre() const { return centre_; }

  double Percent(const Curve& curve, std::size_t i) const {
    return 100 * RolloffFraction(B(curve), curve.c, points_[i].field);
  }

  double Sum(const Curve& curve) const {
    double sum = 0;
    for (std::size_t i = 0; i < points_.size(); ++i) {
      const double r = Percent(curve, i) - points_[i].percent;
      sum += r * r;
    }
    return sum;
  }

  // dF/dq = −F·(1 − F) and dF/dc = −F·(1 − F)·(ln H − centre), in percentage points.
  Normal NormalEquations(const Curve& curve) const {
    Normal n;
    for (std::size_t i = 0; i < points_.size(); ++i) {
      const double percent = Percent(curve, i);
      const double r = percent - points_[i].percent;
      const double s = -percent * (1 - percent / 100);
      const double u = std::log(points_[i].field) - centre_;
      n.a11 += s * s;
      n.a12 += s * s * u;
      n.a22 += s * s * u * u;
      n.g1 += s * r;
      n.g2 += s * u * r;
    }
    return n;
  }

 private:
  std::span<const RolloffPoint> points_;
  double centre_ = 0;
};

// The least-squares line of log(1/F − 1) = log(100·b) + c·log H over the points that have
// fallen below 100 % (at 100 % the logarithm does not exist); empty without two fields.
std::optional<Curve> StraightLine(std::span<const RolloffPoint> points, double centre) {
  std::vector<double> x;
  std::vector<double> y;
  for (const RolloffPoint& point : points) {
    const double logRise = std::log(100 / point.percent - 1);
    if (std::isfinite(logRise)) {
      x.push_back(std::log(point.field) - centre);
      y.push_back(logRise);
    }
  }
  const double count = static_cast<double>(x.size());
  double xMean = 0;
  double yMean = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    xMean += x[i] / count;
    yMean += y[i] / count;
  }
  double sxx = 0;
  double sxy = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    sxx += (x[i] - xMean) * (x[i] - xMean);
    sxy += (x[i] - xMean) * (y[i] - yMean);
  }
  if (!(sxx > 0))
    return std::nullopt;
  const double c = sxy / sxx;
  return Curve{yMean - c * xMean, c};
}

// Steps of Gauss–Newton, damped towards gradient descent (Marquardt's scaling) as far as a
// step needs to lower the sum.
Curve Refine(const RolloffSquares& squares, Curve curve) {
  double sum = squares.Sum(curve);
  double damping = kFirstDamping;
  for (int step = 0; step < kMostSteps; ++step) {
    const Normal n = squares.NormalEquations(curve);
    std::optional<Curve> next;
    for (; !next && damping <= kMostDamping; damping *= 10) {
      const double d11 = n.a11 * (1 + damping);
      const double d22 = n.a22 * (1 + damping);
      const double det = d11 * d22 - n.a12 * n.a12;
      if (!(det > 0) || !std::isfinite(det))
        continue;
      const Curve trial{curve.q - (d22 * n.g1 - n.a12 * n.g2) / det,
                        curve.c - (d11 * n.g2 - n.a12 * n.g1) / det};
      const double trialSum = squares.Sum(trial);
      if (trialSum <= sum) {
        next = trial;
        sum = trialSum;
      }
    }
    if (!next)
      break;  // no step lowers the sum: the least is found as far as doubles tell
    const bool settled = std::fabs(next->q - curve.q) <= kSettledStep * (1 + std::fabs(curve.q)) &&
                         std::fabs(next->c - curve.c) <= kSettledStep * (1 + std::fabs(curve.c));
    curve = *next;
    damping = std::max(damping / 100, kLeastDamping);  // a tenth of the damping that worked
    if (settled)
      break;
  }
  return curve;
}

RolloffFit NoRolloffFit(std::string problem) {
  RolloffFit fit;
  fit.problem = std::move(problem);
  return fit;
}

LossFit NoLossFit(std::string problem) {
  LossFit fit;
  fit.problem = std::move(problem);
  return fit;
}

// ln p = ln k + α·ln f + β·ln B over the points, centred on their means: the two slopes from
// the 2×2 normal equations, then ln k from the means. Empty where f and B are tied.
std::optional<CoreLossFit> LogLinearFit(std::span<const LossPoint> points) {
  const double count = static_cast<double>(points.size());
  double fMean = 0;
  double bMean = 0;
  double pMean = 0;
  for (const LossPoint& point : points) {
    fMean += std::log(point.frequency) / count;
    bMean += std::log(point.fluxDensity) / count;
    pMean += std::log(point.loss) / count;
  }
  double sff = 0;
  double sfb = 0;
  double sbb = 0;
  double sfp = 0;
  double sbp = 0;
  for (const LossPoint& point : points) {
    const double f = std::log(point.frequency) - fMean;
    const double b = std::log(point.fluxDensity) - bMean;
    const double p = std::log(point.loss) - pMean;
    sff += f * f;
    sfb += f * b;
    sbb += b * b;
    sfp += f * p;
    sbp += b * p;
  }
  const double det = sff * sbb - sfb * sfb;
  if (!(det > kTiedShare * sff * sbb))
    return std::nullopt;
  CoreLossFit fit;
  fit.alpha = (sbb * sfp - sfb * sbp) / det;
  fit.beta = (sff * sbp - sfb * sfp) / det;
  fit.k = std::exp(pMean - fit.alpha * fMean - fit.beta * bMean);
  return fit;
}

// A finished fit: the rms and the largest of its deviations from the points, and where the
// largest is.
template <typename Fit>
void TakeDeviations(Fit& fit, const std::vector<double>& deviations) {
  double sum = 0;
  for (std::size_t i = 0; i < deviations.size(); ++i) {
    sum += deviations[i] * deviations[i];
    if (deviations[i] > fit.largestDeviation) {
      fit.largestDeviation = deviations[i];
      fit.largestAt = i;
    }
  }
  fit.rmsDeviation = std::sqrt(sum / static_cast<double>(deviations.size()));
  fit.fitted = true;
}

}  // namespace

RolloffFit FitRolloff(std::span<const RolloffPoint> points) {
  const RolloffSquares squares(points);
  const std::optional<Curve> start = StraightLine(points, squares.Centre());
  if (!start) {
    return NoRolloffFit(
        "the points need at least two different fields where the permeability has fallen below "
        "100 %");
  }
  const Curve best = Refine(squares, *start);
  RolloffFit fit;
  fit.b = squares.B(best);
  fit.c = best.c;
  if (!(fit.b > 0) || !std::isfinite(fit.b) || !std::isfinite(fit.c) ||
      !std::isfinite(squares.Sum(best)))
    return NoRolloffFit("no curve 1/(1 + 100·b·H^c) follows the points");
  if (fit.c <= 1) {
    return NoRolloffFit("the best fit has c = " + FormatPlaces(fit.c, 4) +
                        ", not above 1: with it the flux linkage of a winding would have no "
                        "bound, and no check could use the material");
  }
  std::vector<double> deviations;
  for (std::size_t i = 0; i < points.size(); ++i) {
    fit.percent.push_back(100 * RolloffFraction(fit.b, fit.c, points[i].field));
    deviations.push_back(std::fabs(fit.percent[i] - points[i].percent));
  }
  TakeDeviations(fit, deviations);
  return fit;
}

LossFit FitCoreLoss(std::span<const LossPoint> points) {
  const std::optional<CoreLossFit> found = LogLinearFit(points);
  if (!found) {
    return NoLossFit(
        "the points' frequencies and flux densities do not vary apart from one another, so the "
        "fit cannot tell the exponent of the one from the other's");
  }
  LossFit fit;
  fit.fit = *found;
  if (!(fit.fit.k > 0) || !std::isfinite(fit.fit.k) || !std::isfinite(fit.fit.alpha) ||
      !std::isfinite(fit.fit.beta))
    return NoLossFit("no loss k·f^α·B^β follows the points");
  std::vector<double> deviations;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const LossPoint& point = points[i];
    fit.loss.push_back(fit.fit.k * std::pow(point.frequency, fit.fit.alpha) *
                       std::pow(point.fluxDensity, fit.fit.beta));
    deviations.push_back(std::fabs(fit.loss[i] / point.loss - 1) * 100);
  }
  TakeDeviations(fit, deviations);
  return fit;
}

}  // namespace pfc
