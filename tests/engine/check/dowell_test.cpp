#include "engine/check/dowell.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pfc {
namespace {

// Dowell's formula in long double, straight from its hyperbolic and circular functions.
long double Direct(long double a, long double m) {
  return a * ((std::sinh(2 * a) + std::sin(2 * a)) / (std::cosh(2 * a) - std::cos(2 * a)) +
              (2 * (m * m - 1) / 3) * (std::sinh(a) - std::sin(a)) / (std::cosh(a) + std::cos(a)));
}

class DowellLayers : public testing::TestWithParam<double> {};

TEST_P(DowellLayers, TendsToOnePlusTheFourthPowerTermForSmallA) {
  const double m = GetParam();
  EXPECT_EQ(DowellFactor(0, m), 1);
  for (const double a : {1e-8, 1e-4, 1e-3, 1e-2}) {
    const double fourth = (5 * m * m - 1) * std::pow(a, 4) / 45;
    // The next term is of order A⁸·m².
    const double next = std::pow(a, 8) * (m * m + 1);
    EXPECT_NEAR(DowellFactor(a, m) - 1, fourth, 1e-15 + next) << a;
  }
}

TEST_P(DowellLayers, AgreesWithTheDirectFormulaAcrossA) {
  const double m = GetParam();
  for (const double a : {0.05, 0.5, 0.999, 1.0, 1.001, 2.0, 7.0, 20.0, 40.0}) {
    const double expected = static_cast<double>(Direct(a, m));
    EXPECT_NEAR(DowellFactor(a, m), expected, 1e-14 * expected) << a;
  }
}

TEST_P(DowellLayers, GrowsAsAForLargeA) {
  const double m = GetParam();
  for (const double a : {50.0, 400.0, 1e6}) {
    EXPECT_DOUBLE_EQ(DowellFactor(a, m), a * (1 + 2 * (m * m - 1) / 3)) << a;
  }
}

INSTANTIATE_TEST_SUITE_P(Layers, DowellLayers, testing::Values(1.0, 1.0745, 3.0, 30.0, 31000.0));

}  // namespace
}  // namespace pfc
