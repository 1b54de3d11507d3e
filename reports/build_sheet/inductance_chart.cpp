#include "reports/build_sheet/inductance_chart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/record/number_text.h"
#include "reports/build_sheet/html_text.h"

namespace pfc {
namespace {

constexpr double kWidth = 640;  // the drawing's units; it scales to the page
constexpr double kHeight = 320;
constexpr double kLeft = 60;  // room for the axes' numbers
constexpr double kRight = 20;
constexpr double kTop = 16;
constexpr double kBottom = 44;
constexpr int kCurvePoints = 120;
constexpr double kCurrentReach = 1.2;  // of the larger peak current

// A step of 1, 2 or 5 × a power of ten that cuts the range into at most six parts.
double TickStep(double range) {
  const double rough = range / 6;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough)
      return factor * power;
  }
  return 10 * power;
}

std::string At(double value) {
  return FormatPlaces(value, 1);
}

struct Frame {
  double iMax;  // A
  double lMax;  // µH
  double X(double current) const { return kLeft + current / iMax * (kWidth - kLeft - kRight); }
  double Y(double uh) const { return kHeight - kBottom - uh / lMax * (kHeight - kTop - kBottom); }
};

std::string Axes(const Frame& f) {
  std::string svg;
  const double x0 = f.X(0);
  const double y0 = f.Y(0);
  svg += "<path class=\"axis\" d=\"M" + At(x0) + " " + At(f.Y(f.lMax)) + "V" + At(y0) + "H" +
         At(f.X(f.iMax)) + "\"/>\n";
  const double iStep = TickStep(f.iMax);
  for (double i = 0; i <= f.iMax * (1 + 1e-9); i += iStep) {
    svg += "<text x=\"" + At(f.X(i)) + "\" y=\"" + At(y0 + 16) + "\" text-anchor=\"middle\">" +
           FormatGeneral(RoundHalfEven(i, 6)) + "</text>\n";
  }
  const double lStep = TickStep(f.lMax);
  for (double l = 0; l <= f.lMax * (1 + 1e-9); l += lStep) {
    svg += "<text x=\"" + At(x0 - 6) + "\" y=\"" + At(f.Y(l) + 4) + "\" text-anchor=\"end\">" +
           FormatGeneral(RoundHalfEven(l, 6)) + "</text>\n";
  }
  svg += "<text x=\"" + At(f.X(f.iMax / 2)) + "\" y=\"" + At(kHeight - 6) +
         "\" text-anchor=\"middle\">Current, A</text>\n";
  svg += "<text x=\"14\" y=\"" + At(f.Y(f.lMax / 2)) +
         "\" text-anchor=\"middle\" transform=\"rotate(-90 14 " + At(f.Y(f.lMax / 2)) +
         ")\">L, µH</text>\n";
  return svg;
}

std::string Curve(const Frame& f, const RolloffInductor& inductor) {
  std::string d;
  for (int k = 0; k <= kCurvePoints; ++k) {
    const double i = f.iMax * k / kCurvePoints;
    d += (k == 0 ? "M" : "L") + At(f.X(i)) + " " + At(f.Y(inductor.Inductance(i) * 1e6));
  }
  return "<path class=\"curve\" d=\"" + d + "\"/>\n";
}

std::string Point(const Frame& f, const CheckedNumber& current, const CheckedNumber& uh,
                  const char* shape, const char* title) {
  if (!current || !uh)
    return {};
  return "<circle class=\"" + std::string(shape) + "\" cx=\"" + At(f.X(*current)) + "\" cy=\"" +
         At(f.Y(*uh)) + "\" r=\"4\"><title>" + HtmlEscaped(title) + ": " + SheetFigure(current) +
         " A, " + SheetFigure(uh) + " µH</title></circle>\n";
}

}  // namespace

std::string InductanceChartSvg(const DesignRecord& built, const OperatingCheck& check) {
  const double peak = std::max(check.lowLine.ipk.value_or(0), check.highLine.ipk.value_or(0));
  const double target = built.Inductance * 1e6;
  const RolloffInductor inductor = CheckedInductor(built, check.material);
  const double zeroBias = inductor.ZeroBiasInductance() * 1e6;
  if (!(peak > 0) || !std::isfinite(zeroBias) || !(zeroBias > 0))
    return {};
  const Frame f{kCurrentReach * peak, 1.1 * std::max(zeroBias, target)};
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + At(kWidth) + " " +
                    At(kHeight) + "\" role=\"img\" aria-label=\"Inductance against current\">\n";
  svg += Axes(f);
  svg += "<path class=\"target\" d=\"M" + At(f.X(0)) + " " + At(f.Y(target)) + "H" +
         At(f.X(f.iMax)) + "\"/>\n";
  svg += Curve(f, inductor);
  const std::array<std::pair<const LineCheck*, const char*>, 2> lines = {
      {{&check.lowLine, "Low line"}, {&check.highLine, "High line"}}};
  for (const auto& [line, name] : lines) {
    const std::string low = line == &check.lowLine ? "low" : "high";
    svg += Point(f, line->ipkLine, line->atIpkLine.lUh, (low + " line-peak").c_str(),
                 (std::string(name) + ", line-peak current").c_str());
    svg += Point(f, line->ipk, line->atIpk.lUh, (low + " peak").c_str(),
                 (std::string(name) + ", peak current").c_str());
  }
  return svg + "</svg>\n";
}

}  // namespace pfc
