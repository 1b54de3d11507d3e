#include "ui/forms/operating_check_figures.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/core_selection.h"
#include "engine/number_text.h"

namespace pfc::ui {

namespace {

constexpr const char* kNone = "—";
constexpr int kSignificantDigits = 4;
constexpr int kMostPlaces = 12;              // below 1e-9 a reader learns nothing more
constexpr double kMethodRipplePercent = 10;  // of the line-peak current
constexpr double kMethodPermeabilityPercent = 70;

// Rounding and units of one window: the separator is the locale's.
class Writer {
 public:
  explicit Writer(char separator) : separator_(separator) {}

  std::string operator()(const CheckedNumber& number, const char* unit) const {
    return CheckedText(number, unit, separator_);
  }
  // "30.63 A at 90°"
  std::string At(const CheckedNumber& number, const char* unit, const CheckedNumber& angle) const {
    std::string text = (*this)(number, unit);
    if (number && angle) {
      text += " at " + FormatPlaces(*angle, 0) + "°";
    }
    return text;
  }
  // "93.65 µH (62.43 %)"
  std::string WithShare(const CheckedNumber& number, const char* unit,
                        const CheckedNumber& percent) const {
    std::string text = (*this)(number, unit);
    if (number && percent) {
      text += " (" + (*this)(percent, "%") + ")";
    }
    return text;
  }
  // An entered value or a round figure of the method, as the summary writes it: "150 µH".
  std::string Entered(const CheckedNumber& number, const char* unit) const {
    return number ? FormatGeneral(*number, separator_) + " " + unit : kNone;
  }
  std::string General(double value) const { return FormatGeneral(value, separator_); }

 private:
  char separator_;
};

// Where the check's numbers of one line voltage live; the same row reads both lines.
using LineText = std::function<std::string(const LineCheck&)>;

FigureRow Row(std::string caption, std::string method, const OperatingCheck& check,
              const LineText& text) {
  return FigureRow{std::move(caption), std::move(method), text(check.lowLine),
                   text(check.highLine)};
}

std::string ThermalNote(ThermalEnding ending) {
  switch (ending) {
    case ThermalEnding::Unsettled:
      return " (still moving)";
    case ThermalEnding::Runaway:
      return " (runaway)";
    case ThermalEnding::Steady:
    case ThermalEnding::NotComputed:
    case ThermalEnding::BelowCopperLaw:
      break;
  }
  return {};
}

// "62.43 % at low line, 80.05 % at high line"
std::string BothLines(const std::string& low, const std::string& high) {
  return low + " at low line, " + high + " at high line";
}

// The lines a verdict is about, so that a line within its limit is not read as missing it.
const char* WhichLines(bool low, bool high) {
  return low && high ? "both line voltages" : low ? "low line" : "high line";
}

// One figure of both line voltages against a limit: any value beyond it is a miss, and so is
// a missing value, as the check could not show the design keeps the limit there.
struct Judged {
  bool lowBeyond = false;
  bool highBeyond = false;
  bool unknown = false;
  bool Beyond() const { return lowBeyond || highBeyond; }
  bool Missed() const { return Beyond() || unknown; }
};

template <class Beyond>
Judged Judge(const CheckedNumber& low, const CheckedNumber& high, Beyond beyond) {
  Judged judged;
  judged.unknown = !low || !high;
  judged.lowBeyond = low && beyond(*low);
  judged.highBeyond = high && beyond(*high);
  return judged;
}

// "Worst ripple above the 10 % ... at high line: 8.1 % at low line, 55.33 % at high line."
Verdict Say(const Judged& judged, const std::string& subject, const std::string& beyondWords,
            const std::string& withinWords, const std::string& limit, const std::string& low,
            const std::string& high) {
  std::string text = subject + " ";
  if (judged.Beyond()) {
    text += beyondWords + " " + limit + " at " + WhichLines(judged.lowBeyond, judged.highBeyond);
  } else if (judged.unknown) {
    text += "unknown at a line voltage (" + limit + ")";
  } else {
    text += withinWords + " " + limit;
  }
  return Verdict{text + ": " + BothLines(low, high) + ".", judged.Missed()};
}

std::string UnsteadyReason(const LineCheck& line) {
  switch (line.thermal) {
    case ThermalEnding::Runaway:
      return "the losses run away above 2000 °C";
    case ThermalEnding::Unsettled:
      return "the temperature still moves after 200 steps";
    case ThermalEnding::BelowCopperLaw:
      return "the copper law gives no positive resistance there";
    case ThermalEnding::NotComputed:
      return line.saturates ? "the core saturates, so no copper loss exists"
                            : "the line voltage is not usable";
    case ThermalEnding::Steady:
      break;
  }
  return {};
}

}  // namespace

std::string CheckedText(const CheckedNumber& number, const char* unit, char decimalSeparator) {
  if (!number) {
    return kNone;
  }
  const double value = *number;
  int places = 0;
  if (value != 0) {
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    places = std::clamp(kSignificantDigits - 1 - magnitude, 0, kMostPlaces);
  }
  std::string text = FormatFixed(value, places, decimalSeparator);
  if (unit != nullptr && *unit != '\0') {
    text += ' ';
    text += unit;
  }
  return text;
}

std::array<FigureRow, kFigureRows> CheckFigures(const DesignRecord& r, const OperatingCheck& check,
                                                char separator) {
  const Writer w(separator);
  const auto known = [](double value) {
    return std::isfinite(value) ? CheckedNumber(value) : std::nullopt;
  };
  const std::string target = w.Entered(known(r.Inductance * 1e6), "µH");
  const std::string methodRipple =
      w(known(r.Iripple), "A") + " (" + w.Entered(kMethodRipplePercent, "%") + ")";
  return {{
      Row("Line voltage (RMS)", w.Entered(known(r.VinMin), "V"), check,
          [&](const LineCheck& l) { return w.Entered(l.vrms, "V"); }),
      Row("Input current (RMS)", w(known(r.IinRms), "A"), check,
          [&](const LineCheck& l) { return w(l.iinRms, "A"); }),
      Row("Line-peak current", w(known(r.IinPeakLine), "A"), check,
          [&](const LineCheck& l) { return w(l.ipkLine, "A"); }),
      Row("Peak current with ripple", w(known(r.IinPeak), "A"), check,
          [&](const LineCheck& l) { return w.At(l.ipk, "A", l.ipkAngleDeg); }),
      Row("Zero-bias inductance", w(known(r.ZeroBiasL), "µH"), check,
          [&](const LineCheck&) { return w(check.zeroBiasUh, "µH"); }),
      Row("Inductance at line-peak current", target, check,
          [&](const LineCheck& l) {
            return w.WithShare(l.atIpkLine.lUh, "µH", l.atIpkLine.lPercentOfTarget);
          }),
      Row("Inductance at peak current", target, check,
          [&](const LineCheck& l) {
            return w.WithShare(l.atIpk.lUh, "µH", l.atIpk.lPercentOfTarget);
          }),
      Row("Permeability left at peak current", w.Entered(kMethodPermeabilityPercent, "%"), check,
          [&](const LineCheck& l) { return w(l.atIpk.permeabilityPercent, "%"); }),
      Row("H at peak current", w(known(r.HMax), "Oe"), check,
          [&](const LineCheck& l) { return w(l.atIpk.hOe, "Oe"); }),
      Row("Worst ripple, peak to peak", methodRipple, check,
          [&](const LineCheck& l) {
            std::string text = w.At(l.rippleMaxPp, "A", l.rippleMaxAngleDeg);
            if (l.rippleMaxPp && l.rippleMaxPercentOfIpkLine) {
              text += " (" + w(l.rippleMaxPercentOfIpkLine, "%") + ")";
            }
            return text;
          }),
      Row("Ripple at the crest", w(known(r.Iripple), "A"), check,
          [&](const LineCheck& l) { return w(l.rippleAtCrestPp, "A"); }),
      Row("Discontinuous current", "", check,
          [&](const LineCheck& l) -> std::string {
            if (!l.dcmBelowAngleDeg) {
              return kNone;
            }
            return *l.dcmBelowAngleDeg == 0 ? "none"
                                            : "up to " + FormatPlaces(*l.dcmBelowAngleDeg, 0) + "°";
          }),
      Row("Largest flux swing", w(known(r.DeltaB / 10), "mT"), check,
          [&](const LineCheck& l) { return w(l.fluxSwingMaxMt, "mT"); }),
      Row("Flux density at peak current", "", check,
          [&](const LineCheck& l) { return w(l.bAtIpkT, "T"); }),
      Row("Core loss", w(known(r.CoreLoss), "W"), check,
          [&](const LineCheck& l) { return w(l.coreLossW, "W"); }),
      Row("Copper loss, DC", w(known(r.CopperLoss), "W"), check,
          [&](const LineCheck& l) { return w(l.copperDcLossW, "W"); }),
      Row("Copper loss, AC (Dowell)", "", check,
          [&](const LineCheck& l) { return w(l.copperAcLossW, "W"); }),
      Row("Total loss", w(known(r.TotalLoss), "W"), check,
          [&](const LineCheck& l) { return w(l.totalLossW, "W"); }),
      Row("Temperature rise", w(known(r.TempRise), "°C"), check,
          [&](const LineCheck& l) { return w(l.temperatureRiseC, "°C"); }),
      Row("Winding temperature", w(known(r.AmbientTemp + r.TempRise), "°C"), check,
          [&](const LineCheck& l) {
            return w(l.windingTemperatureC, "°C") +
                   (l.windingTemperatureC ? ThermalNote(l.thermal) : std::string());
          }),
  }};
}

std::array<Verdict, kVerdicts> CheckVerdicts(const DesignRecord& r, const OperatingCheck& check,
                                             char separator) {
  const Writer w(separator);
  const LineCheck& low = check.lowLine;
  const LineCheck& high = check.highLine;
  std::array<Verdict, kVerdicts> verdicts;

  verdicts[0] = Say(Judge(low.atIpk.lPercentOfTarget, high.atIpk.lPercentOfTarget,
                          [](double percent) { return percent < 100; }),
                    "Inductance at the peak current", "below", "meets",
                    "the " + w.Entered(r.Inductance * 1e6, "µH") + " target",
                    w.WithShare(low.atIpk.lUh, "µH", low.atIpk.lPercentOfTarget),
                    w.WithShare(high.atIpk.lUh, "µH", high.atIpk.lPercentOfTarget));
  verdicts[1] = Say(Judge(low.rippleMaxPercentOfIpkLine, high.rippleMaxPercentOfIpkLine,
                          [](double percent) { return percent > kMethodRipplePercent; }),
                    "Worst ripple", "above", "within",
                    "the " + w.Entered(kMethodRipplePercent, "%") +
                        " of the line-peak current the method assumes",
                    w(low.rippleMaxPercentOfIpkLine, "%"), w(high.rippleMaxPercentOfIpkLine, "%"));
  verdicts[2] = Say(Judge(low.windingTemperatureC, high.windingTemperatureC,
                          [](double celsius) { return celsius > kTemperatureCeiling; }),
                    "Winding temperature", "above", "within", w.Entered(kTemperatureCeiling, "°C"),
                    w(low.windingTemperatureC, "°C"), w(high.windingTemperatureC, "°C"));

  if (low.Steady() && high.Steady()) {
    verdicts[3] = {"Steady winding temperature at both line voltages.", false};
  } else {
    const LineCheck& unsteady = low.Steady() ? high : low;
    std::string text = "No steady temperature at ";
    text += low.Steady() || high.Steady() ? (&unsteady == &low ? "low line" : "high line")
                                          : "either line voltage";
    verdicts[3] = {text + ": " + UnsteadyReason(unsteady) + ".", true};
  }

  if (!low.saturates && !high.saturates) {
    verdicts[4] = {"The core carries every on-time at both line voltages.", false};
  } else {
    verdicts[4] = {std::string("The core saturates at ") +
                       WhichLines(low.saturates, high.saturates) +
                       ": an on-time needs more flux than the core can carry.",
                   true};
  }

  const std::string crest = w(high.vpeak, "V") + " against Vout " + w.General(r.Vout) + " V";
  verdicts[5] = high.peakAboveVout ? Verdict{"High-line crest at or above Vout (" + crest +
                                                 "): the stage cannot boost there.",
                                             true}
                                   : Verdict{"High-line crest below Vout (" + crest + ").", false};
  return verdicts;
}

std::string CheckedDesignName(const DesignRecord& r, char separator) {
  const Writer w(separator);
  std::string name = r.SelectedCoreSize;
  if (r.CoresToStack != 1) {
    name += " * " + std::to_string(r.CoresToStack);
  }
  const std::string frequency =
      r.Frequency >= 1000 ? w.General(r.Frequency / 1000) + " kHz" : w.General(r.Frequency) + " Hz";
  name += ", " + w.General(r.Turns) + " turns, AWG " + w.General(r.WireGauge) + ": " +
          w.General(r.OutputPower) + " W, " + w.General(r.VinMin) + " to " + w.General(r.VinMax) +
          " V in, " + w.General(r.Vout) + " V out, " + frequency + ", " +
          w.General(r.Inductance * 1e6) + " µH";
  return name;
}

}  // namespace pfc::ui
