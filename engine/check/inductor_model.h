#pragma once

#include <string>
#include <vector>

#include "engine/check/material.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_inductor.h"
#include "engine/record/design_record.h"

// The checked winding as circuit simulators take it: a table of flux linkage against current
// that linear interpolation reads to within kModelAccuracy of the exact λ(i), and the winding
// resistance in series. The file formats are the writers' (reports/check/inductor_model_text.h).
namespace pfc {

// Linear interpolation between the table's points stays within this share of λ.
inline constexpr double kModelAccuracy = 1e-3;
// The table reaches this multiple of the larger line's peak current...
inline constexpr double kModelSpanOfPeak = 1.5;
// ...or the current where λ reaches this share of λ(∞), whichever is lower.
inline constexpr double kModelShareOfLimit = 0.95;
// A table that needs more points than this is refused (it would take a finer step than a
// double resolves).
inline constexpr int kMostModelPoints = 20001;

struct ModelPoint {
  double current;      // A
  double fluxLinkage;  // V·s
  double inductance;   // H, incremental: dλ/di
};

struct FluxLinkageTable {
  std::vector<ModelPoint> points;  // ascending current, odd in i: −Imax … 0 … +Imax
  double currentLimit = 0;         // Imax, A
  double peakCurrent = 0;          // the larger line's peak current, A
  double fluxLinkageLimit = 0;     // λ(∞), V·s; infinity without roll-off
  // Imax is where λ reaches kModelShareOfLimit of λ(∞), below kModelSpanOfPeak × peak.
  bool endsAtSaturation = false;
  // The largest relative interpolation error the table's segments are proven to stay below.
  double errorBound = 0;
};

// The table of `inductor` up to Imax = min(kModelSpanOfPeak × peakCurrent, the current of
// kModelShareOfLimit·λ(∞)). Empty points when no finite positive span exists or λ is not
// representable over it.
FluxLinkageTable TabulateFluxLinkage(const RolloffInductor& inductor, double peakCurrent);

// The relative error bound of linear interpolation between two points 0 ≤ from < to of the
// positive branch (λ concave there): at `from` = 0 one minus the chord's slope over L(0),
// beyond it the chord's largest distance below λ over λ(from).
double InterpolationErrorBound(const RolloffInductor& inductor, double from, double to);

struct InductorModel {
  FluxLinkageTable table;
  Material material;        // the powder the check assumed
  double alNh = 0;          // nH/turn², the core's inductance factor in that powder
  double resistance = 0;    // Ω, in series, at temperatureC
  double temperatureC = 0;  // the low line's checked winding temperature
  // False: the low line has no steady checked temperature, so the method's total
  // temperature stands in for it.
  bool checkedTemperature = true;
  std::string refusal;  // why there is no model; empty when there is one
};

// The model of a published design's winding as `check` (of that record) checked it: the
// winding CheckedInductor makes of the check's material.
InductorModel ModelCheckedWinding(const DesignRecord& record, const OperatingCheck& check);

}  // namespace pfc
