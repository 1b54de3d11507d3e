#include "reports/check/inductor_model_formats.h"

#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"

namespace pfc::model_files {
namespace {

void AppendPair(std::string& text, double first, double second, std::string_view separator) {
  AppendShortest(text, first);
  text += separator;
  AppendShortest(text, second);
}

// A MATLAB row vector, a few numbers to a line.
void AppendVector(std::string& text, std::string_view variable, const InductorModel& model,
                  double ModelPoint::*field) {
  constexpr std::size_t kPerLine = 4;
  text += variable;
  text += " = [";
  const auto& points = model.table.points;
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (k > 0)
      text += k % kPerLine == 0 ? " ...\n  " : " ";
    AppendShortest(text, points[k].*field);
  }
  text += "];\n";
}

}  // namespace

double OuterSegmentInductance(const FluxLinkageTable& table) {
  const ModelPoint& last = table.points.back();
  const ModelPoint& before = table.points[table.points.size() - 2];
  return (last.fluxLinkage - before.fluxLinkage) / (last.current - before.current);
}

// The winding voltage charges a 1 F capacitor, whose voltage is then the flux linkage; the
// current is the table read the other way, i(λ), which pwl() continues beyond its ends with
// the outer segments' slope. The leak across the capacitor only gives the operating point a
// path to ground: its time constant is some 30 000 years.
std::string NgspiceBody(const InductorModel& model, std::string_view name) {
  const bool resistive = model.resistance > 0;
  const std::string inner = resistive ? "3" : "1";
  std::string text = ".subckt ";
  text += name;
  text += " 1 2\n* Node flux holds the flux linkage in V*s.\n";
  if (resistive) {
    text += "Rwinding 1 3 ";
    AppendShortest(text, model.resistance);
    text += "\n";
  }
  text += "Bflux 0 flux I=v(" + inner + ",2)\nCflux flux 0 1\nRflux flux 0 1e12\n";
  text += "Bcurrent " + inner + " 2 I=pwl(v(flux),\n";
  const auto& points = model.table.points;
  for (std::size_t k = 0; k < points.size(); ++k) {
    text += "+ ";
    AppendPair(text, points[k].fluxLinkage, points[k].current, ", ");
    text += k + 1 < points.size() ? ",\n" : ")\n";
  }
  text += ".ends ";
  text += name;
  text += "\n";
  return text;
}

// Flux= gives λ of the current x. table() holds its end values beyond the ends, so the outer
// segments' inductance carries on there; the expression stays on one line without blanks,
// which no continuation could guarantee.
std::string LtspiceBody(const InductorModel& model, std::string_view name) {
  const FluxLinkageTable& table = model.table;
  std::string text = ".subckt ";
  text += name;
  text += " 1 2\nL1 1 2 Flux=table(x";
  for (const ModelPoint& point : table.points) {
    text += ",";
    AppendPair(text, point.current, point.fluxLinkage, ",");
  }
  text += ")+";
  AppendShortest(text, OuterSegmentInductance(table));
  text += "*(x-limit(x,";
  AppendPair(text, -table.currentLimit, table.currentLimit, ",");
  text += ")) Rser=";
  AppendShortest(text, model.resistance);
  text += "\n.ends ";
  text += name;
  text += "\n";
  return text;
}

std::string PlecsBody(const InductorModel& model, std::string_view name) {
  std::string text = "% The Saturable Inductor of ";
  text += name;
  text +=
      ": its current vector is i_L (A), its flux vector psi_L (V*s);\n"
      "% the winding resistance R_L (ohm) goes in series.\n";
  AppendVector(text, "i_L", model, &ModelPoint::current);
  AppendVector(text, "psi_L", model, &ModelPoint::fluxLinkage);
  text += "R_L = ";
  AppendShortest(text, model.resistance);
  text += ";\n";
  return text;
}

std::string CsvBody(const InductorModel& model) {
  std::string text = "current_a,flux_linkage_vs,inductance_h";
  text += kCsvLineEnd;
  for (const ModelPoint& point : model.table.points) {
    AppendPair(text, point.current, point.fluxLinkage, ",");
    text += ",";
    AppendShortest(text, point.inductance);
    text += kCsvLineEnd;
  }
  return text;
}

}  // namespace pfc::model_files
