#include "engine/check/material_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"

namespace pfc {
namespace {

// The fields a datasheet's DC-bias curve is usually read at, Oe.
constexpr std::array<double, 10> kDatasheetFields = {20, 30, 40, 50, 60, 80, 100, 125, 150, 200};

std::vector<RolloffPoint> CurvePoints(double b, double c) {
  std::vector<RolloffPoint> points;
  for (const double oe : kDatasheetFields) {
    const double field = oe * kAmperesPerMetrePerOersted;
    points.push_back({field, 100 * RolloffFraction(b, c, field)});
  }
  return points;
}

double SumOfSquares(std::span<const RolloffPoint> points, double b, double c) {
  double sum = 0;
  for (const RolloffPoint& point : points) {
    const double r = 100 * RolloffFraction(b, c, point.field) - point.percent;
    sum += r * r;
  }
  return sum;
}

TEST(FitRolloff, RecoversEveryGradeFromItsCurveAtDatasheetFields) {
  for (const RolloffGrade& grade : RolloffGrades()) {
    const std::vector<RolloffPoint> points = CurvePoints(grade.b, grade.c);
    const RolloffFit fit = FitRolloff(points);
    ASSERT_TRUE(fit.fitted) << grade.permeability << ": " << fit.problem;
    EXPECT_NEAR(fit.b / grade.b, 1, 1e-6) << grade.permeability;
    EXPECT_NEAR(fit.c / grade.c, 1, 1e-6) << grade.permeability;
    EXPECT_LT(fit.rmsDeviation, 1e-9) << grade.permeability;
  }
}

// Deviations that the curve's two constants cannot take up: the pattern with its parts along
// dP/d(ln b) and dP/dc at the true curve taken out, so that the sum of squares is stationary
// there, and the least-squares fit is the true curve whatever the deviations' size.
std::vector<double> DeviationsTheCurveCannotFollow(std::span<const RolloffPoint> points, double b,
                                                   double c) {
  const std::vector<double> pattern = {0.5, -0.4, 0.3, -0.5, 0.2, 0.4, -0.3, -0.2, 0.5, -0.4};
  std::vector<std::vector<double>> directions(2);
  for (const RolloffPoint& point : points) {
    const double f = RolloffFraction(b, c, point.field);
    directions[0].push_back(-100 * f * (1 - f));
    directions[1].push_back(-100 * f * (1 - f) * std::log(point.field));
  }
  const auto dot = [](const std::vector<double>& x, const std::vector<double>& y) {
    double sum = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
      sum += x[i] * y[i];
    return sum;
  };
  const auto takeOut = [&dot](std::vector<double>& x, const std::vector<double>& along) {
    const double share = dot(x, along) / dot(along, along);
    for (std::size_t i = 0; i < x.size(); ++i)
      x[i] -= share * along[i];
  };
  takeOut(directions[1], directions[0]);  // Gram–Schmidt: the two directions at right angles
  std::vector<double> deviations = pattern;
  takeOut(deviations, directions[0]);
  takeOut(deviations, directions[1]);
  return deviations;
}

TEST(FitRolloff, FindsTheLeastSquaresCurveThroughNoisyPoints) {
  for (const RolloffGrade& grade : RolloffGrades()) {
    std::vector<RolloffPoint> points = CurvePoints(grade.b, grade.c);
    const std::vector<double> noise = DeviationsTheCurveCannotFollow(points, grade.b, grade.c);
    double noiseSquares = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      points[i].percent += noise[i];
      noiseSquares += noise[i] * noise[i];
    }
    const RolloffFit fit = FitRolloff(points);
    ASSERT_TRUE(fit.fitted) << grade.permeability << ": " << fit.problem;
    EXPECT_NEAR(fit.b / grade.b, 1, 1e-6) << grade.permeability;
    EXPECT_NEAR(fit.c / grade.c, 1, 1e-6) << grade.permeability;
    const double noiseRms = std::sqrt(noiseSquares / static_cast<double>(points.size()));
    EXPECT_NEAR(fit.rmsDeviation, noiseRms, 1e-6 * noiseRms) << grade.permeability;
    // No nearby curve does better.
    for (const auto& [db, dc] : {std::pair{1e-4, 0.0}, {-1e-4, 0.0}, {0.0, 1e-5}, {0.0, -1e-5}})
      EXPECT_GT(SumOfSquares(points, fit.b * (1 + db), fit.c + dc), noiseSquares);
  }
}

TEST(FitRolloff, GivesEachPointsFitAndTheLargestDeviation) {
  std::vector<RolloffPoint> points = CurvePoints(1e-8, 1.6);
  points[3].percent -= 1;  // one point well off the curve
  const RolloffFit fit = FitRolloff(points);
  ASSERT_TRUE(fit.fitted) << fit.problem;
  ASSERT_EQ(fit.percent.size(), points.size());
  EXPECT_EQ(fit.largestAt, 3U);
  double squares = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_DOUBLE_EQ(fit.percent[i], 100 * RolloffFraction(fit.b, fit.c, points[i].field));
    const double deviation = fit.percent[i] - points[i].percent;
    EXPECT_LE(std::fabs(deviation), fit.largestDeviation);
    squares += deviation * deviation;
  }
  EXPECT_DOUBLE_EQ(fit.largestDeviation, std::fabs(fit.percent[3] - points[3].percent));
  EXPECT_DOUBLE_EQ(fit.rmsDeviation, std::sqrt(squares / static_cast<double>(points.size())));
}

struct NoFit {
  const char* label;
  std::vector<RolloffPoint> points;
  const char* named;  // what the problem must name
};

void PrintTo(const NoFit& c, std::ostream* os) {
  *os << c.label;
}

class FitRolloffRefuses : public testing::TestWithParam<NoFit> {};

TEST_P(FitRolloffRefuses, SaysWhy) {
  const RolloffFit fit = FitRolloff(GetParam().points);
  EXPECT_FALSE(fit.fitted);
  EXPECT_NE(fit.problem.find(GetParam().named), std::string::npos) << fit.problem;
}

INSTANTIATE_TEST_SUITE_P(
    Points, FitRolloffRefuses,
    testing::ValuesIn(std::vector<NoFit>{
        {"nothing falls", {{1000, 100}, {2000, 100}, {4000, 100}}, "two different fields"},
        {"one field falls", {{1000, 100}, {2000, 100}, {4000, 90}}, "two different fields"},
        {"one field", {{1000, 90}, {1000, 80}, {1000, 70}}, "two different fields"},
        {"a curve with c below 1", CurvePoints(1e-4, 0.8), "no bound"},
        {"a rising curve", {{1000, 50}, {2000, 60}, {4000, 70}}, "no bound"},
    }));

// Losses of the law at frequencies and flux densities that vary apart.
std::vector<LossPoint> LossPoints(const CoreLossFit& law) {
  std::vector<LossPoint> points;
  for (const double f : {50.0, 100.0, 200.0}) {
    for (const double b : {0.05, 0.1, 0.2}) {
      const double loss = law.k * std::pow(f, law.alpha) * std::pow(b * f / 100, law.beta);
      points.push_back({f, b * f / 100, loss});
    }
  }
  return points;
}

TEST(FitCoreLoss, RecoversTheLawOfItsPoints) {
  for (const CoreLossFit law : {kMethodCoreLossFit, CoreLossFit{0.8, 1.6, 2.9}}) {
    const LossFit fit = FitCoreLoss(LossPoints(law));
    ASSERT_TRUE(fit.fitted) << fit.problem;
    EXPECT_NEAR(fit.fit.k / law.k, 1, 1e-9);
    EXPECT_NEAR(fit.fit.alpha / law.alpha, 1, 1e-9);
    EXPECT_NEAR(fit.fit.beta / law.beta, 1, 1e-9);
    EXPECT_LT(fit.rmsDeviation, 1e-7);
  }
}

TEST(FitCoreLoss, LeastSquaresOnTheLogarithmsSpreadsAFactorOverThePoints) {
  std::vector<LossPoint> points = LossPoints(kMethodCoreLossFit);
  points[4].loss *= 2;  // the middle point, at the means of ln f and ln B
  const LossFit fit = FitCoreLoss(points);
  ASSERT_TRUE(fit.fitted) << fit.problem;
  // The middle point sits at the centre of both logarithms: the slopes keep, and ln k takes
  // a ninth of ln 2.
  EXPECT_NEAR(fit.fit.alpha, kMethodCoreLossFit.alpha, 1e-9);
  EXPECT_NEAR(fit.fit.beta, kMethodCoreLossFit.beta, 1e-9);
  EXPECT_NEAR(fit.fit.k / kMethodCoreLossFit.k, std::pow(2, 1.0 / 9), 1e-9);
  EXPECT_EQ(fit.largestAt, 4U);
  EXPECT_NEAR(fit.largestDeviation, (1 - std::pow(2, 1.0 / 9) / 2) * 100, 1e-7);
}

TEST(FitCoreLoss, RefusesFrequencyAndFluxThatVaryTogether) {
  std::vector<LossPoint> tied;
  for (const double f : {25.0, 50.0, 100.0, 200.0, 400.0, 800.0})
    tied.push_back({f, 0.001 * std::sqrt(f), 10 * f});  // B a power of f
  const LossFit fit = FitCoreLoss(tied);
  EXPECT_FALSE(fit.fitted);
  EXPECT_NE(fit.problem.find("do not vary apart"), std::string::npos) << fit.problem;
}

}  // namespace
}  // namespace pfc
