#include "ui/forms/session/material_fitting.h"

#include <algorithm>

#include "engine/check/rolloff_grades.h"

namespace pfc::ui {

namespace {

// A/m in the unit the points were given in.
double InUnit(double field, FieldUnit unit) {
  return unit == FieldUnit::Oersted ? OerstedFromAmperesPerMetre(field) : field;
}

}  // namespace

void MaterialFitting::SetFit(Fitted fitted) {
  fitted_ = std::move(fitted);
  hasFit_ = true;
  listeners_.Notify();
}

void MaterialFitting::Clear() {
  if (!hasFit_)
    return;
  fitted_ = Fitted{};
  hasFit_ = false;
  listeners_.Notify();
}

std::vector<FitChartPoint> MaterialFitting::GivenPoints() const {
  std::vector<FitChartPoint> points;
  if (!hasFit_)
    return points;
  for (const RolloffPoint& p : fitted_.points)
    points.push_back({InUnit(p.field, fitted_.unit), p.percent});
  return points;
}

std::vector<FitChartPoint> MaterialFitting::FittedCurve(int samples) const {
  std::vector<FitChartPoint> curve;
  if (!hasFit_ || fitted_.points.empty() || samples < 2)
    return curve;
  double strongest = 0;
  for (const RolloffPoint& p : fitted_.points)
    strongest = std::max(strongest, p.field);
  // From no field, where the powder keeps all of its permeability, to the strongest given.
  for (int i = 0; i < samples; ++i) {
    const double field = strongest * i / (samples - 1);
    curve.push_back(
        {InUnit(field, fitted_.unit), 100 * RolloffFraction(fitted_.fit.b, fitted_.fit.c, field)});
  }
  return curve;
}

}  // namespace pfc::ui
