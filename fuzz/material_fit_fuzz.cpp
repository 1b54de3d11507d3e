// Properties of the readers of a supplier's points on arbitrary bytes, and of the fits of
// whatever points they accept. The first byte chooses: bit 0 the field in A/m, bit 1 loss
// points instead of DC-bias points, bit 2 a density for a loss per volume, bit 3 DC-bias
// points as typed or pasted into a window rather than a file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/check/material_fit.h"
#include "engine/check/material_points.h"
#include "fuzz/fuzz_check.h"

namespace {

bool Finite(double value) {
  return std::isfinite(value);
}

// What a fit reports of its deviations: finite, the largest at a point and not below the rms.
template <typename Fit>
void CheckDeviations(const Fit& fit, std::size_t points) {
  FUZZ_CHECK(Finite(fit.rmsDeviation) && Finite(fit.largestDeviation));
  FUZZ_CHECK(fit.largestAt < points);
  FUZZ_CHECK(fit.rmsDeviation <= fit.largestDeviation * (1 + 1e-12));
}

void CheckRolloff(std::string_view text, pfc::FieldUnit unit, bool table) {
  const pfc::PointsRead<pfc::RolloffPoint> read = table
                                                      ? pfc::RolloffPointsFromTable(text, "f", unit)
                                                      : pfc::RolloffPointsFromText(text, "f", unit);
  FUZZ_CHECK(read.read == read.problem.empty());
  if (!read.read)
    return;
  FUZZ_CHECK(read.points.size() >= pfc::kFewestRolloffPoints);
  for (const pfc::RolloffPoint& point : read.points) {
    FUZZ_CHECK(point.field > 0 && Finite(point.field));
    FUZZ_CHECK(point.percent > 0 && point.percent <= 100);
  }
  const pfc::RolloffFit fit = pfc::FitRolloff(read.points);
  FUZZ_CHECK(fit.fitted == fit.problem.empty());
  if (!fit.fitted)
    return;
  FUZZ_CHECK(fit.b > 0 && Finite(fit.b) && fit.c > 1 && Finite(fit.c));
  FUZZ_CHECK(fit.percent.size() == read.points.size());
  for (const double percent : fit.percent)
    FUZZ_CHECK(percent >= 0 && percent <= 100);
  CheckDeviations(fit, read.points.size());
}

void CheckLoss(std::string_view text, std::optional<double> density) {
  const pfc::PointsRead<pfc::LossPoint> read = pfc::LossPointsFromText(text, "f", density);
  FUZZ_CHECK(read.read == read.problem.empty());
  if (!read.read)
    return;
  FUZZ_CHECK(read.points.size() >= pfc::kFewestLossPoints);
  for (const pfc::LossPoint& point : read.points) {
    FUZZ_CHECK(point.frequency > 0 && Finite(point.frequency));
    FUZZ_CHECK(point.fluxDensity > 0 && Finite(point.fluxDensity));
    FUZZ_CHECK(point.loss > 0 && Finite(point.loss));
  }
  const pfc::LossFit fit = pfc::FitCoreLoss(read.points);
  FUZZ_CHECK(fit.fitted == fit.problem.empty());
  if (!fit.fitted)
    return;
  FUZZ_CHECK(fit.fit.k > 0 && Finite(fit.fit.k) && Finite(fit.fit.alpha) && Finite(fit.fit.beta));
  FUZZ_CHECK(fit.loss.size() == read.points.size());
  // A loss beyond a double's range leaves the deviations infinite: nothing to hold them to.
  for (const double loss : fit.loss) {
    if (!Finite(loss) || !(loss > 0))
      return;
  }
  CheckDeviations(fit, read.points.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::uint8_t choice = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((choice & 2) == 0) {
    CheckRolloff(text, (choice & 1) ? pfc::FieldUnit::AmperesPerMetre : pfc::FieldUnit::Oersted,
                 (choice & 8) != 0);
  } else {
    CheckLoss(text, (choice & 4) ? std::optional<double>(7.5) : std::nullopt);
  }
  return 0;
}
