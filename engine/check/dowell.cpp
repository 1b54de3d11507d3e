#include "engine/check/dowell.h"

#include <cmath>

namespace pfc {
namespace {

// Σⱼ x^j / (4j + offset)! for j = 0…6: the series of the hyperbolic and circular functions
// paired so that their leading terms do not cancel. Below A = 1 (x ≤ 16) the seventh term
// is under 10⁻¹⁸ of the first.
double QuarterSeries(double x, int offset) {
  double sum = 0;
  double term = 1;
  for (int k = 1; k <= offset; ++k)
    term /= k;
  int n = offset;
  for (int j = 0; j < 7; ++j) {
    sum += term;
    for (int k = 1; k <= 4; ++k)
      term /= ++n;
    term *= x;
  }
  return sum;
}

}  // namespace

double DowellFactor(double a, double layers) {
  const double proximity = 2 * (layers * layers - 1) / 3;
  if (a < 1) {
    // y = 2A: sinh y + sin y = 2y·Σ y⁴ʲ/(4j + 1)!, cosh y − cos y = 2y²·Σ y⁴ʲ/(4j + 2)!;
    // sinh A − sin A = 2A³·Σ A⁴ʲ/(4j + 3)!, cosh A + cos A = 2·Σ A⁴ʲ/(4j)!.
    const double a4 = a * a * a * a;
    const double y4 = 16 * a4;
    const double skin = QuarterSeries(y4, 1) / (2 * QuarterSeries(y4, 2));
    const double neighbours = a4 * QuarterSeries(a4, 3) / QuarterSeries(a4, 0);
    return skin + proximity * neighbours;
  }
  // Numerators and denominators divided by their growing exponential.
  const double e1 = std::exp(-a);
  if (e1 < 0x1p-60)
    return a * (1 + proximity);
  const double e2 = e1 * e1;
  const double s = std::sin(a);
  const double c = std::cos(a);
  const double skin =
      (1 - e2 * e2 + 2 * e2 * (2 * s * c)) / (1 + e2 * e2 - 2 * e2 * (c * c - s * s));
  const double neighbours = (1 - e2 - 2 * e1 * s) / (1 + e2 + 2 * e1 * c);
  return a * (skin + proximity * neighbours);
}

}  // namespace pfc
