#include "reports/check/check_figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/check/rolloff_grades.h"
#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

constexpr int kSignificantDigits = 4;
constexpr double kLargestPlain = 1e15;  // from here on a whole number is too long to read
constexpr double kSmallestPlain = 1e-6;

// "1.235E+20": the four digits of a number no plain decimal of a column can hold.
std::string ExponentText(double value, char separator) {
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  double mantissa = RoundHalfEven(value / std::pow(10.0, exponent), kSignificantDigits - 1);
  if (std::fabs(mantissa) >= 10) {  // 9.9996E+20 rounds to 10.000
    mantissa /= 10;
    ++exponent;
  }
  const std::string digits = std::to_string(std::abs(exponent));
  return FormatFixed(mantissa, kSignificantDigits - 1, separator) + (exponent < 0 ? "E-" : "E+") +
         (digits.size() < 2 ? "0" : "") + digits;
}

std::string SignificantText(double value, char separator) {
  if (value == 0)
    return "0";
  const double magnitude = std::fabs(value);
  if (magnitude >= kLargestPlain || magnitude < kSmallestPlain)
    return ExponentText(value, separator);
  const int order = static_cast<int>(std::floor(std::log10(magnitude)));
  return FormatFixed(value, std::max(kSignificantDigits - 1 - order, 0), separator);
}

// Cells of the rows below: the method's figures are finite or absent.
FigureCell Method(double value, FigureFormat format = FigureFormat::Significant) {
  return std::isfinite(value) ? FigureCell{value, format} : FigureCell{};
}
FigureCell Entered(double value) {
  return Method(value, FigureFormat::Entered);
}
FigureCell Degrees(const CheckedNumber& number) {
  return FigureCell{number, FigureFormat::Degrees};
}
FigureCell Word(const char* word) {
  return FigureCell{{}, FigureFormat::Significant, word};
}

const char* ThermalWord(const LineCheck& line) {
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
  return nullptr;
}

// A winding whose heat outruns its cooling has no temperature: the number the steps stopped
// at (some hundred thousand °C) is no figure.
FigureCell Thermal(const LineCheck& line, const CheckedNumber& figure) {
  return line.thermal == ThermalEnding::Runaway ? Word(ThermalWord(line)) : FigureCell{figure};
}

const char* YesNo(bool flag) {
  return flag ? "yes" : "no";
}

// No discontinuous conduction is a word, not an angle of 0°.
FigureCell Discontinuous(const LineCheck& line) {
  if (line.dcmBelowAngleDeg && *line.dcmBelowAngleDeg == 0)
    return Word("none");
  return Degrees(line.dcmBelowAngleDeg);
}

// A row whose checked cells are the same figure of each line.
template <typename CellOf>
CheckFigureRow Row(const char* caption, const char* unit, FigureCell method,
                   const OperatingCheck& check, CellOf cellOf) {
  return {caption, unit, method, FigureCell{cellOf(check.lowLine)},
          FigureCell{cellOf(check.highLine)}};
}

}  // namespace

std::string FigureText(const FigureCell& cell, char separator) {
  if (cell.word != nullptr)
    return cell.word;
  if (!cell.number)
    return kNoFigure;
  switch (cell.format) {
    case FigureFormat::Degrees:
      return FormatFixed(*cell.number, 0, separator);
    case FigureFormat::Entered:
      return FormatGeneral(*cell.number, separator);
    case FigureFormat::Significant:
      break;
  }
  return SignificantText(*cell.number, separator);
}

std::string FigureTextWithUnit(const FigureCell& cell, const char* unit, char separator) {
  std::string text = FigureText(cell, separator);
  if (cell.word == nullptr && cell.number && *unit != '\0')
    text.append(std::string_view(unit) == "°" ? "" : " ").append(unit);  // "90°", "93.65 µH"
  return text;
}

std::vector<CheckFigureRow> CheckFigureRows(const DesignRecord& r, const OperatingCheck& check) {
  using L = const LineCheck&;
  const FigureCell target = Entered(r.Inductance * 1e6);
  const FigureCell permeability = Entered(kMethodPermeabilityPercent);
  const FigureCell ripplePercent = Entered(kMethodRipplePercent);
  const FigureCell whole = Entered(100);
  const FigureCell crest = Degrees(90.0);
  return {
      Row("Line voltage", "V RMS", Entered(r.VinMin), check,
          [](L l) {
            return FigureCell{l.vrms, FigureFormat::Entered};
          }),
      Row("Line crest", "V", Method(r.Vpeak), check, [](L l) { return l.vpeak; }),
      Row("Input current", "A RMS", Method(r.IinRms), check, [](L l) { return l.iinRms; }),
      Row("Line-peak current", "A", Method(r.IinPeakLine), check, [](L l) { return l.ipkLine; }),
      Row("Zero-bias inductance", "µH", Method(r.ZeroBiasL), check,
          [&check](L) { return check.zeroBiasUh; }),
      Row("Field at line-peak current", "Oe", {}, check, [](L l) { return l.atIpkLine.hOe; }),
      Row("Permeability at line-peak current", "%", permeability, check,
          [](L l) { return l.atIpkLine.permeabilityPercent; }),
      Row("Inductance at line-peak current", "µH", target, check,
          [](L l) { return l.atIpkLine.lUh; }),
      Row("  of the target", "%", whole, check, [](L l) { return l.atIpkLine.lPercentOfTarget; }),
      Row("Peak current", "A", Method(r.IinPeak), check, [](L l) { return l.ipk; }),
      Row("  at angle", "°", crest, check, [](L l) { return Degrees(l.ipkAngleDeg); }),
      Row("Field at peak current", "Oe", Method(r.HMax), check, [](L l) { return l.atIpk.hOe; }),
      Row("Permeability at peak current", "%", permeability, check,
          [](L l) { return l.atIpk.permeabilityPercent; }),
      Row("Inductance at peak current", "µH", target, check, [](L l) { return l.atIpk.lUh; }),
      Row("  of the target", "%", whole, check, [](L l) { return l.atIpk.lPercentOfTarget; }),
      Row("Worst ripple", "A p-p", Method(r.Iripple), check, [](L l) { return l.rippleMaxPp; }),
      Row("  at angle", "°", crest, check, [](L l) { return Degrees(l.rippleMaxAngleDeg); }),
      Row("  of the line-peak current", "%", ripplePercent, check,
          [](L l) { return l.rippleMaxPercentOfIpkLine; }),
      Row("Ripple at the crest", "A p-p", Method(r.Iripple), check,
          [](L l) { return l.rippleAtCrestPp; }),
      Row("  of the line-peak current", "%", ripplePercent, check,
          [](L l) { return l.rippleAtCrestPercentOfIpkLine; }),
      Row("Discontinuous below", "°", {}, check, Discontinuous),
      Row("Largest flux swing", "mT", Method(r.DeltaB / 10), check,
          [](L l) { return l.fluxSwingMaxMt; }),
      Row("Flux density at peak current", "T", {}, check, [](L l) { return l.bAtIpkT; }),
      Row("Core loss", "W", Method(r.CoreLoss), check, [](L l) { return l.coreLossW; }),
      Row("Copper loss, DC", "W", Method(r.CopperLoss), check, [](L l) { return l.copperDcLossW; }),
      Row("Copper loss, AC (Dowell)", "W", {}, check, [](L l) { return l.copperAcLossW; }),
      Row("Total loss", "W", Method(r.TotalLoss), check, [](L l) { return l.totalLossW; }),
      // The method's law takes the bare core's surface, the check the wound part's.
      Row("Bare core surface", "cm²", Method(r.SurfaceArea), check, [](L) { return FigureCell{}; }),
      Row("Wound surface", "cm²", {}, check, [](L l) { return l.woundSurfaceCm2; }),
      Row("Temperature rise", "°C", Method(r.TempRise), check,
          [](L l) { return Thermal(l, l.temperatureRiseC); }),
      Row("Winding temperature", "°C", Method(r.AmbientTemp + r.TempRise), check,
          [](L l) { return Thermal(l, l.windingTemperatureC); }),
      Row("Temperature", "", {}, check, [](L l) { return Word(ThermalWord(l)); }),
      Row("Core saturates", "", {}, check, [](L l) { return Word(YesNo(l.saturates)); }),
      Row("Crest at or above Vout", "", {}, check,
          [](L l) { return Word(YesNo(l.peakAboveVout)); }),
  };
}

std::vector<CheckFigureRow> WorstCaseFigureRows(const DesignRecord& r,
                                                const OperatingCheck& check) {
  if (!check.worstCase)
    return {};
  using L = const LineCheck&;
  // The rows read the worst case's lines where the others read the nominal ones.
  OperatingCheck worst;
  worst.lowLine = check.worstCase->lowLine;
  worst.highLine = check.worstCase->highLine;
  const FigureCell target = Entered(r.Inductance * 1e6);
  const FigureCell whole = Entered(100);
  return {
      Row("Worst-case AL tolerance", "%", {}, worst,
          [&check](L) {
            return FigureCell{check.worstCase->alTolerancePercent, FigureFormat::Entered};
          }),
      Row("  Inductance at line-peak current", "µH", target, worst,
          [](L l) { return l.atIpkLine.lUh; }),
      Row("    of the target", "%", whole, worst, [](L l) { return l.atIpkLine.lPercentOfTarget; }),
      Row("  Peak current", "A", Method(r.IinPeak), worst, [](L l) { return l.ipk; }),
      Row("  Inductance at peak current", "µH", target, worst, [](L l) { return l.atIpk.lUh; }),
      Row("    of the target", "%", whole, worst, [](L l) { return l.atIpk.lPercentOfTarget; }),
      Row("  Ripple at the crest", "A p-p", Method(r.Iripple), worst,
          [](L l) { return l.rippleAtCrestPp; }),
      Row("    of the line-peak current", "%", Entered(kMethodRipplePercent), worst,
          [](L l) { return l.rippleAtCrestPercentOfIpkLine; }),
  };
}

std::string CheckedMaterialText(const OperatingCheck& check, char separator) {
  return "the catalogue's AL implies µ = " +
         FigureText(FigureCell{check.cataloguePermeability}, separator) + ", so in " +
         MaterialName(check.material) + " the core's AL is " +
         FigureTextWithUnit(FigureCell{check.alNh}, "nH/turn²", separator);
}

std::string MaterialName(const Material& material) {
  int permeability = 0;
  const char* end = material.name.data() + material.name.size();
  const auto read = std::from_chars(material.name.data(), end, permeability);
  const bool grade =
      read.ec == std::errc() && read.ptr == end && FindRolloffGrade(permeability) != nullptr;
  return grade ? "grade " + material.name : material.name;
}

std::string CheckedCoreName(const std::string& coreSize, int coresToStack) {
  return coresToStack == 1 ? coreSize : coreSize + " × " + std::to_string(coresToStack);
}

std::string WindingRequestText(const WindingRequest& winding, char decimalSeparator) {
  std::string text;
  if (winding.turns)
    text = FormatGeneral(*winding.turns, decimalSeparator) + " turns";
  if (winding.turns && winding.gauge)
    text += " of ";
  if (winding.gauge)
    text += WireText(winding.StrandCount(), *winding.gauge, decimalSeparator);
  else if (winding.StrandCount() != 1)
    text += (text.empty() ? "" : " of ") + FormatGeneral(winding.StrandCount(), decimalSeparator) +
            " strands";
  return text;
}

std::string CheckedWindingOrigin(const DesignRecord& published, const DesignRecord& checked,
                                 const std::string& origin, char decimalSeparator) {
  if (checked.Turns == published.Turns && checked.WireGauge == published.WireGauge &&
      checked.Strands == published.Strands)
    return origin;
  const auto winding = [decimalSeparator](const DesignRecord& r) {
    return FormatGeneral(r.Turns, decimalSeparator) + " turns of " +
           WireText(r.Strands, r.WireGauge, decimalSeparator);
  };
  return winding(checked) + " as given; " + origin + " has " + winding(published);
}

int CheckFigureRowCount() {
  static const int kRows =
      static_cast<int>(CheckFigureRows(DesignRecord{}, OperatingCheck{}).size());
  return kRows;
}

}  // namespace pfc
