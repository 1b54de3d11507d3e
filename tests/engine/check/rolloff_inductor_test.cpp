#include "engine/check/rolloff_inductor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace pfc {
namespace {

// The default design's winding: 31 turns, 224 nH/turn², 10.55 cm path.
constexpr double kTurns = 31;
constexpr double kAlValue = 224;
constexpr double kPathLength = 10.55;

// The inductance written straight from the roll-off law, in long double.
long double LawInductance(const RolloffGrade& grade, long double current) {
  const long double field = kTurns * std::fabs(current) / (kPathLength / 100);
  return kTurns * kTurns * kAlValue * 1e-9L /
         (1 + 100 * static_cast<long double>(grade.b) * std::pow(field, (long double)grade.c));
}

// Adaptive Simpson on [a, b] in long double: an oracle independent of the closed form.
long double Simpson(const std::function<long double(long double)>& f, long double a, long double b,
                    long double fa, long double fm, long double fb, long double whole, int depth) {
  const long double m = (a + b) / 2;
  const long double lm = (a + m) / 2;
  const long double rm = (m + b) / 2;
  const long double flm = f(lm);
  const long double frm = f(rm);
  const long double left = (m - a) / 6 * (fa + 4 * flm + fm);
  const long double right = (b - m) / 6 * (fm + 4 * frm + fb);
  const long double delta = left + right - whole;
  if (depth <= 0 || std::fabs(delta) <= 1e-15L * std::fabs(left + right))
    return left + right + delta / 15;
  return Simpson(f, a, m, fa, flm, fm, left, depth - 1) +
         Simpson(f, m, b, fm, frm, fb, right, depth - 1);
}

// ∫ L over centre ± half, integrated in the offset from the centre so that a narrow interval
// keeps its width exactly.
long double Carried(const RolloffGrade& grade, long double centre, long double half) {
  const auto f = [&grade, centre](long double t) { return LawInductance(grade, centre + t); };
  const long double fa = f(-half);
  const long double fm = f(0);
  const long double fb = f(half);
  return Simpson(f, -half, half, fa, fm, fb, half / 3 * (fa + 4 * fm + fb), 40);
}

long double Integral(const RolloffGrade& grade, long double from, long double to) {
  return Carried(grade, (from + to) / 2, (to - from) / 2);
}

std::vector<RolloffGrade> EveryGrade() {
  return {RolloffGrades().begin(), RolloffGrades().end()};
}

class EveryGradeTest : public testing::TestWithParam<RolloffGrade> {
 protected:
  RolloffInductor Winding() const { return {kTurns, kAlValue, kPathLength, GetParam()}; }
};

TEST_P(EveryGradeTest, FluxLinkageIsTheIntegralOfTheInductance) {
  const RolloffInductor winding = Winding();
  for (const double current : {1e-3, 0.5, 5.0, 26.27, 30.63, 120.0, 3000.0}) {
    const double expected = static_cast<double>(Integral(GetParam(), 0, current));
    EXPECT_NEAR(winding.FluxLinkage(current), expected, 1e-12 * expected) << current;
    EXPECT_EQ(winding.FluxLinkage(-current), -winding.FluxLinkage(current)) << "odd";
  }
}

// Far out the integrand is L0/(k·x^c)·(1 − 1/(k·x^c) + …), whose tail integrates term by
// term; the quadrature up to there plus that tail is λ(∞).
TEST_P(EveryGradeTest, TheBoundIsTheIntegralToInfinity) {
  const RolloffGrade& grade = GetParam();
  const RolloffInductor winding = Winding();
  const long double l0 = kTurns * kTurns * kAlValue * 1e-9L;
  const long double k =
      100 * grade.b * std::pow(kTurns / (kPathLength / 100), (long double)grade.c);
  const long double c = grade.c;
  const long double far = std::pow(1e6L / k, 1 / c);  // k·far^c = 10⁶
  long double tail = 0;
  for (int n = 1; n <= 4; ++n) {
    tail += (n % 2 ? 1 : -1) * l0 / std::pow(k, (long double)n) * std::pow(far, 1 - n * c) /
            (n * c - 1);
  }
  const double expected = static_cast<double>(Integral(grade, 0, far) + tail);
  EXPECT_NEAR(winding.FluxLinkageLimit(), expected, 1e-12 * expected);
  EXPECT_NEAR(winding.FluxLinkage(1e30), expected, 1e-12 * expected);
  EXPECT_LT(winding.FluxLinkage(static_cast<double>(far)), winding.FluxLinkageLimit());
}

TEST_P(EveryGradeTest, NarrowIntervalsKeepTheirDigits) {
  const RolloffInductor winding = Winding();
  for (const double width : {1e-1, 1e-4, 1e-9}) {
    const double expected = static_cast<double>(Integral(GetParam(), 30, 30 + width));
    EXPECT_NEAR(winding.FluxLinkageBetween(30, 30 + width), expected, 1e-13 * expected) << width;
  }
}

INSTANTIATE_TEST_SUITE_P(Grades, EveryGradeTest, testing::ValuesIn(EveryGrade()),
                         [](const testing::TestParamInfo<RolloffGrade>& info) {
                           return "mu" + std::to_string(info.param.permeability);
                         });

struct RippleCase {
  const char* label;
  double current;          // A
  double shareOfTheLimit;  // VS / (2·λ(∞))
  // How closely two roots from different starting points agree: near the bound the ripple
  // hangs on the last digits of VS (dΔ/dVS = 1/(L(i+Δ/2) + L(i−Δ/2)) with L far rolled off).
  double agreement = 1e-13;
};

class RippleTest : public testing::TestWithParam<RippleCase> {};

TEST_P(RippleTest, CarriesTheVoltSecondsWhateverTheStartingPoint) {
  const RolloffGrade grade = *FindRolloffGrade(60);
  const RolloffInductor winding(kTurns, kAlValue, kPathLength, grade);
  const double i = GetParam().current;
  const double voltSeconds = GetParam().shareOfTheLimit * 2 * winding.FluxLinkageLimit();
  const std::optional<double> ripple = winding.Ripple(i, voltSeconds);
  ASSERT_TRUE(ripple.has_value());
  const long double carried = Carried(grade, i, *ripple / 2);
  EXPECT_NEAR(static_cast<double>(carried), voltSeconds, 1e-12 * voltSeconds);
  for (const double estimate : {*ripple * 1e-3, *ripple * 0.9, *ripple * 1.1, *ripple * 1e3}) {
    EXPECT_NEAR(*winding.Ripple(i, voltSeconds, estimate), *ripple, GetParam().agreement * *ripple)
        << estimate;
  }
}

INSTANTIATE_TEST_SUITE_P(Currents, RippleTest,
                         testing::Values(RippleCase{"ContinuousAtTheCrest", 26.27, 0.0456},
                                         RippleCase{"DiscontinuousNearZero", 0.5, 0.0456},
                                         RippleCase{"CentredOnZero", 0, 0.01},
                                         RippleCase{"NarrowAtHighCurrent", 30, 1e-9},
                                         RippleCase{"NearlyTheWholeBound", 5, 0.9999, 1e-10},
                                         RippleCase{"FarIntoRollOff", 2000, 1e-4}),
                         [](const testing::TestParamInfo<RippleCase>& info) {
                           return std::string(info.param.label);
                         });

TEST(Ripple, NoneBeyondTheBoundAndNoneWithoutVoltSeconds) {
  const RolloffInductor winding(kTurns, kAlValue, kPathLength, *FindRolloffGrade(60));
  const double limit = winding.FluxLinkageLimit();
  EXPECT_EQ(winding.Ripple(10, 2 * limit), std::nullopt);
  EXPECT_EQ(winding.Ripple(0, 3 * limit), std::nullopt);
  EXPECT_EQ(winding.Ripple(10, 0), 0.0);
  // So far into the roll-off that the inductance underflows: saturated, whatever the swing.
  ASSERT_EQ(winding.Inductance(1e300), 0.0);
  EXPECT_EQ(winding.Ripple(1e300, 1e-12), std::nullopt);
  EXPECT_EQ(winding.Ripple(-1e300, 1e-12), std::nullopt);
}

// Without roll-off (b = 0) the inductance is L0 at every current: Δ = VS/L0 exactly.
TEST(Ripple, IsVoltSecondsOverL0WithoutRollOff) {
  const RolloffInductor winding(kTurns, kAlValue, kPathLength, {0, 0, 1.74});
  const double l0 = kTurns * kTurns * kAlValue * 1e-9;
  EXPECT_EQ(winding.FluxLinkageLimit(), std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(winding.Inductance(1e6), l0);
  for (const double i : {0.0, 0.3, 26.27, 1e4}) {
    for (const double voltSeconds : {1e-9, 8.2e-4, 1.0}) {
      EXPECT_NEAR(*winding.Ripple(i, voltSeconds), voltSeconds / l0, 1e-14 * voltSeconds / l0);
    }
  }
}

}  // namespace
}  // namespace pfc
