#include "cli/check_text.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "engine/core_selection.h"
#include "engine/number_text.h"

namespace pfc {
namespace {

constexpr std::size_t kCaptionWidth = 36;
constexpr std::size_t kColumnWidth = 12;
constexpr const char* kMissing = "—";
// The method's assumptions the check tests a design against.
constexpr double kAssumedRipplePercent = 10;
constexpr double kAssumedPermeabilityPercent = 70;

// Characters on the terminal: UTF-8 continuation bytes take no column.
std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
      ++columns;
  }
  return columns;
}

void Pad(std::string& out, std::string_view text, std::size_t width, bool right) {
  const std::size_t columns = Columns(text);
  const std::size_t padding = width > columns ? width - columns : 1;
  if (right)
    out.append(padding, ' ');
  out.append(text);
  if (!right)
    out.append(padding, ' ');
}

// Four significant digits, halves to even, no trailing zeros; exponent form where decimals
// would be long.
std::string Significant(double value) {
  if (value == 0)
    return "0";
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e15 || magnitude < 1e-6)
    return FormatGeneral(value);
  const int places = 3 - static_cast<int>(std::floor(std::log10(magnitude)));
  return FormatPlaces(value, places < 0 ? 0 : places);
}

std::string Text(const CheckedNumber& number, bool whole = false) {
  if (!number)
    return kMissing;
  return whole ? FormatFixed(*number, 0) : Significant(*number);
}

struct Row {
  const char* caption;
  const char* unit;
  std::optional<double> method;
  CheckedNumber LineCheck::*figure = nullptr;
  CheckedNumber InductanceAtCurrent::*atFigure = nullptr;
  InductanceAtCurrent LineCheck::*at = nullptr;
  bool whole = false;  // angles: whole degrees
};

CheckedNumber FigureOf(const Row& row, const LineCheck& line) {
  if (row.figure)
    return line.*row.figure;
  return line.*row.at.*row.atFigure;
}

void AppendRow(std::string& out, const Row& row, const OperatingCheck& check) {
  Pad(out, row.caption, kCaptionWidth, false);
  Pad(out, Text(row.method, row.whole), kColumnWidth, true);
  Pad(out, Text(FigureOf(row, check.lowLine), row.whole), kColumnWidth, true);
  Pad(out, Text(FigureOf(row, check.highLine), row.whole), kColumnWidth, true);
  out.append("  ").append(row.unit).append("\n");
}

void AppendFlag(std::string& out, const char* caption, const char* low, const char* high) {
  Pad(out, caption, kCaptionWidth, false);
  Pad(out, "", kColumnWidth, true);
  Pad(out, low, kColumnWidth, true);
  Pad(out, high, kColumnWidth, true);
  out.append("\n");
}

const char* YesNo(bool flag) {
  return flag ? "yes" : "no";
}

const char* ThermalText(const LineCheck& line) {
  switch (line.thermal) {
    case ThermalEnding::Steady:
      return "steady";
    case ThermalEnding::Unsettled:
      return "unsettled";
    case ThermalEnding::Runaway:
      return "runaway";
    case ThermalEnding::BelowCopperLaw:
      return "no law";
    case ThermalEnding::NotComputed:
      break;
  }
  return kMissing;
}

void AppendVerdicts(std::string& out, const char* name, const LineCheck& line) {
  const std::string lead = std::string("  ") + name + ": ";
  if (!line.usable) {
    out.append(lead)
        .append("not checked: its RMS voltage is not a positive number the check ")
        .append("can use.\n");
    return;
  }
  bool any = false;
  const auto say = [&](const std::string& text) {
    out.append(lead).append(text).append("\n");
    any = true;
  };
  if (line.peakAboveVout) {
    say("the line crest (" + Significant(*line.vpeak) +
        " V) is at or above Vout: the stage cannot boost there.");
  }
  if (line.saturates) {
    say("the core saturates: at some angle the on-time needs more flux than the core can carry, "
        "so there is no ripple, peak current, copper loss or temperature.");
  }
  if (line.atIpk.lPercentOfTarget && *line.atIpk.lPercentOfTarget < 100) {
    say("the inductance at the peak current is " + Significant(*line.atIpk.lPercentOfTarget) +
        " % of the target, below it.");
  }
  if (line.rippleMaxPercentOfIpkLine && *line.rippleMaxPercentOfIpkLine > kAssumedRipplePercent) {
    say("the worst ripple is " + Significant(*line.rippleMaxPercentOfIpkLine) +
        " % of the line-peak current, above the 10 % the method assumes.");
  }
  if (line.windingTemperatureC && *line.windingTemperatureC > kTemperatureCeiling) {
    say("the winding reaches " + Significant(*line.windingTemperatureC) +
        " °C, above the 155 °C limit.");
  }
  switch (line.thermal) {
    case ThermalEnding::Unsettled:
      say("the temperature has no steady state: still moving after 200 steps.");
      break;
    case ThermalEnding::Runaway:
      say("the temperature has no steady state: thermal runaway above 2000 °C.");
      break;
    case ThermalEnding::BelowCopperLaw:
      say("the temperature has no steady state: it falls below -234.45 °C, where the copper law "
          "gives no resistance.");
      break;
    default:
      break;
  }
  if (!any)
    say("meets the method's assumptions.");
}

}  // namespace

std::string CheckText(const OperatingCheck& check, const DesignRecord& r) {
  std::string out = "Operating Check\n\n";
  out.append("  Design       ").append(r.SelectedCoreSize);
  if (r.CoresToStack > 1)
    out.append(" × ").append(std::to_string(r.CoresToStack));
  out.append(", ").append(FormatGeneral(r.Turns)).append(" turns, AWG ");
  out.append(FormatGeneral(r.WireGauge)).append("\n");
  out.append("  Roll-off     grade ").append(check.material.name);
  out.append(" alloy powder (assumed: the catalogue does not state its material)\n");
  out.append("  Zero bias    ").append(Text(check.zeroBiasUh)).append(" µH\n\n");

  using L = LineCheck;
  using A = InductanceAtCurrent;
  const double target = r.Inductance * 1e6;
  const Row rows[] = {
      {"Line voltage", "V RMS", r.VinMin, &L::vrms},
      {"Line-peak current", "A", r.IinPeakLine, &L::ipkLine},
      {"Field at line-peak current", "Oe", {}, nullptr, &A::hOe, &L::atIpkLine},
      {"Permeability at line-peak current", "%", kAssumedPermeabilityPercent, nullptr,
       &A::permeabilityPercent, &L::atIpkLine},
      {"Inductance at line-peak current", "µH", target, nullptr, &A::lUh, &L::atIpkLine},
      {"  of the target", "%", 100.0, nullptr, &A::lPercentOfTarget, &L::atIpkLine},
      {"Peak current", "A", r.IinPeak, &L::ipk},
      {"  at angle", "°", 90.0, &L::ipkAngleDeg, nullptr, nullptr, true},
      {"Field at peak current", "Oe", r.HMax, nullptr, &A::hOe, &L::atIpk},
      {"Permeability at peak current", "%", kAssumedPermeabilityPercent, nullptr,
       &A::permeabilityPercent, &L::atIpk},
      {"Inductance at peak current", "µH", target, nullptr, &A::lUh, &L::atIpk},
      {"  of the target", "%", 100.0, nullptr, &A::lPercentOfTarget, &L::atIpk},
      {"Worst ripple", "A p-p", r.Iripple, &L::rippleMaxPp},
      {"  at angle", "°", 90.0, &L::rippleMaxAngleDeg, nullptr, nullptr, true},
      {"  of the line-peak current", "%", kAssumedRipplePercent, &L::rippleMaxPercentOfIpkLine},
      {"Ripple at the crest", "A p-p", r.Iripple, &L::rippleAtCrestPp},
      {"Discontinuous below", "°", {}, &L::dcmBelowAngleDeg, nullptr, nullptr, true},
      {"Largest flux swing", "mT", r.DeltaB / 10, &L::fluxSwingMaxMt},
      {"Flux density at peak current", "T", {}, &L::bAtIpkT},
      {"Core loss", "W", r.CoreLoss, &L::coreLossW},
      {"Copper loss, DC", "W", r.CopperLoss, &L::copperDcLossW},
      {"Copper loss, AC", "W", {}, &L::copperAcLossW},
      {"Total loss", "W", r.TotalLoss, &L::totalLossW},
      {"Temperature rise", "°C", r.TempRise, &L::temperatureRiseC},
      {"Winding temperature", "°C", r.AmbientTemp + r.TempRise, &L::windingTemperatureC},
  };
  Pad(out, "", kCaptionWidth, false);
  Pad(out, "Method", kColumnWidth, true);
  Pad(out, "Low line", kColumnWidth, true);
  Pad(out, "High line", kColumnWidth, true);
  out.append("\n");
  for (const Row& row : rows)
    AppendRow(out, row, check);
  AppendFlag(out, "Temperature", ThermalText(check.lowLine), ThermalText(check.highLine));
  AppendFlag(out, "Core saturates", YesNo(check.lowLine.saturates),
             YesNo(check.highLine.saturates));
  AppendFlag(out, "Crest at or above Vout", YesNo(check.lowLine.peakAboveVout),
             YesNo(check.highLine.peakAboveVout));
  out.append("\nVerdict\n");
  AppendVerdicts(out, "Low line", check.lowLine);
  AppendVerdicts(out, "High line", check.highLine);
  return out;
}

}  // namespace pfc
