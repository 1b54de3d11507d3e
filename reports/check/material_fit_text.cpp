#include "reports/check/material_fit_text.h"

#include <initializer_list>
#include <string_view>

#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"

namespace pfc {
namespace {

constexpr std::size_t kColumnWidth = 12;

// Four significant digits, as the check writes its figures.
std::string Significant(double value) {
  return FigureText(FigureCell{value}, '.');
}

void AppendRow(std::string& out, std::initializer_list<std::string_view> cells) {
  for (const std::string_view cell : cells) {
    out.append(cell.size() < kColumnWidth ? kColumnWidth - cell.size() : 1, ' ');
    out.append(cell);
  }
  out.append("\n");
}

std::string Signed(double value, int places) {
  const std::string text = FormatFixed(value, places);
  return text.front() == '-' || text.find_first_not_of("0.") == std::string::npos ? text
                                                                                  : "+" + text;
}

}  // namespace

std::string RolloffFitText(const Material& material, std::span<const RolloffPoint> points,
                           FieldUnit unit, const RolloffFit& fit) {
  std::string out = "Material \"" + material.name + "\": permeability " +
                    FormatGeneral(material.permeability) + ", roll-off b = " + Significant(fit.b) +
                    ", c = " + Significant(fit.c) + " (F = 1/(1 + 100·b·H^c), H in A/m)\n\n";
  const bool oersted = unit == FieldUnit::Oersted;
  AppendRow(out, {"line", oersted ? "H (Oe)" : "", "H (A/m)", "percent", "fitted", "deviation"});
  for (std::size_t i = 0; i < points.size(); ++i) {
    const RolloffPoint& point = points[i];
    AppendRow(out, {std::to_string(point.line),
                    oersted ? FormatFixed(point.field / kAmperesPerMetrePerOersted, 2) : "",
                    FormatFixed(point.field, 1), FormatFixed(point.percent, 2),
                    FormatFixed(fit.percent[i], 2), Signed(fit.percent[i] - point.percent, 2)});
  }
  out += "\nDeviation in percentage points: rms " + FormatFixed(fit.rmsDeviation, 2) +
         ", largest " + FormatFixed(fit.largestDeviation, 2) + " (line " +
         std::to_string(points[fit.largestAt].line) + ")\n";
  return out;
}

std::string LossFitText(std::span<const LossPoint> points, const LossFit& fit) {
  std::string out = "\nLoss under a sine flux: k = " + Significant(fit.fit.k) +
                    " W/kg, alpha = " + Significant(fit.fit.alpha) +
                    ", beta = " + Significant(fit.fit.beta) +
                    " (k·(f/kHz)^alpha·(B/T)^beta W/kg)\n\n";
  AppendRow(out, {"line", "f (kHz)", "B (mT)", "W/kg", "fitted", "deviation %"});
  for (std::size_t i = 0; i < points.size(); ++i) {
    const LossPoint& point = points[i];
    AppendRow(out, {std::to_string(point.line), Significant(point.frequency),
                    Significant(point.fluxDensity * 1000), Significant(point.loss),
                    Significant(fit.loss[i]), Signed((fit.loss[i] / point.loss - 1) * 100, 1)});
  }
  out += "\nDeviation in % of the loss: rms " + FormatFixed(fit.rmsDeviation, 1) + ", largest " +
         FormatFixed(fit.largestDeviation, 1) + " (line " +
         std::to_string(points[fit.largestAt].line) + ")\n";
  return out;
}

}  // namespace pfc
