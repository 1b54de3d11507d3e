#include "reports/summary/summary_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/reports/report_fixtures.h"

namespace pfc {
namespace {

// The default design as the run leaves it.
DesignRecord DefaultRecord() {
  ResultSummary unused;
  DesignRecord record;
  test::DefaultDesign(unused, record);
  return record;
}

std::vector<std::string> InputTexts(const ResultSummary& s) {
  return {s.txtFrequency, s.txtInductance, s.txtOutputPower, s.txtEfficiency,
          s.txtVinMin,    s.txtVinMax,     s.txtVout,        s.txtAmbientTemp};
}

TEST(EchoInputs, WritesTheDefaultInputsAsTheSummaryShowsThem) {
  ResultSummary summary;
  EchoInputs(DefaultRecord(), summary);
  EXPECT_EQ(InputTexts(summary), (std::vector<std::string>{"100000", "0.00015", "1500", "95", "85",
                                                           "264", "380", "50"}));
}

TEST(EchoInputs, RoundsToTwoPlacesWithHalvesToEvenButKeepsTheInductanceWhole) {
  DesignRecord record;
  record.Frequency = 65000.125;     // exact half: to the even neighbour
  record.Inductance = 0.000123456;  // not rounded at all
  record.OutputPower = 299.375;     // exact half, upwards to even
  record.Efficiency = 0.935;
  record.VinMin = 90.004;
  record.VinMax = 265.5;
  record.Vout = 0.001;  // rounds to zero
  record.AmbientTemp = -10.25;
  ResultSummary summary;
  EchoInputs(record, summary);
  EXPECT_EQ(InputTexts(summary), (std::vector<std::string>{"65000.12", "0.000123456", "299.38",
                                                           "93.5", "90", "265.5", "0", "-10.25"}));
}

TEST(EchoInputs, UsesTheGivenDecimalSeparator) {
  DesignRecord record = DefaultRecord();
  record.Efficiency = 0.935;
  ResultSummary summary;
  EchoInputs(record, summary, ',');
  EXPECT_EQ(summary.txtInductance, "0,00015");
  EXPECT_EQ(summary.txtEfficiency, "93,5");
  EXPECT_EQ(summary.txtFrequency, "100000");
}

TEST(EchoInputs, LeavesTheFillFactorCoreSizeAndOutputsAlone) {
  ResultSummary summary;
  summary.txtFillFactor = "0.4";
  summary.txtcore = "typed";
  summary.txtTotalTemp = " > 155°C";
  summary.totaltemp = "";
  EchoInputs(DefaultRecord(), summary);
  EXPECT_EQ(summary.txtFillFactor, "0.4");
  EXPECT_EQ(summary.txtcore, "typed");
  EXPECT_EQ(summary.txtTotalTemp, " > 155°C");
  EXPECT_EQ(summary.totaltemp, "");
}

using Design = void (*)(ResultSummary&, DesignRecord&);

// The reports' fixtures pair a design's record with the summary the window shows of it.
class FixtureSummaryTest : public ::testing::TestWithParam<Design> {};

TEST_P(FixtureSummaryTest, IsTheSummaryOfTheRecord) {
  ResultSummary expected;
  DesignRecord record;
  GetParam()(expected, record);
  const ResultSummary summary = PublishedSummary(record);
  for (const SummaryText& text : kSummaryTexts) {
    EXPECT_EQ(summary.*text.text, expected.*text.text) << text.control;
  }
  EXPECT_EQ(summary.txtTotalTempStyle, expected.txtTotalTempStyle);
}

INSTANTIATE_TEST_SUITE_P(Designs, FixtureSummaryTest,
                         ::testing::Values(&test::DefaultDesign, &test::TwoStackedDesignerPicks));

TEST(PublishedSummary, FollowsTheDecimalSeparatorAndMarksTheStack) {
  DesignRecord record = DefaultRecord();
  record.CoresToStack = 3;
  record.Inductance = 0.0001505;
  const ResultSummary summary = PublishedSummary(record, ',');
  EXPECT_EQ(summary.txtStackout, "* 3");
  EXPECT_EQ(summary.txtFillFactor, "0,4");
  EXPECT_EQ(summary.txtCoreLoss, "3,56");
  EXPECT_EQ(summary.txtFullInductance, "150,5");
}

struct TemperatureCase {
  double ambient;
  double rise;
  const char* text;
  const char* unit;
  TotalTempStyle style;
};

class TotalTemperatureTextTest : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TotalTemperatureTextTest, IsBoldRedWithoutItsUnitWhenTooHighAndRoundedBelow) {
  DesignRecord record = DefaultRecord();
  record.AmbientTemp = GetParam().ambient;
  record.TempRise = GetParam().rise;
  const ResultSummary summary = PublishedSummary(record);
  EXPECT_EQ(summary.txtTotalTemp, GetParam().text);
  EXPECT_EQ(summary.totaltemp, GetParam().unit);
  EXPECT_EQ(summary.txtTotalTempStyle, GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, TotalTemperatureTextTest,
    ::testing::Values(TemperatureCase{50, 105, " > 155°C", "", TotalTempStyle::BoldRed},
                      TemperatureCase{50, 104.6, "155", "°C", TotalTempStyle::NormalBlack},
                      TemperatureCase{50, 46.5, "96", "°C", TotalTempStyle::NormalBlack},
                      TemperatureCase{50, 47.5, "98", "°C", TotalTempStyle::NormalBlack},
                      TemperatureCase{-40, 10.5, "-30", "°C", TotalTempStyle::NormalBlack},
                      TemperatureCase{50, std::nan(""), " > 155°C", "", TotalTempStyle::BoldRed}));

TEST(PublishedSummary, RoundsLossesHalfToEven) {
  DesignRecord record = DefaultRecord();
  record.CoreLoss = 0.125;
  record.CopperLoss = 0.375;
  record.TotalLoss = 0.5;
  record.ZeroBiasL = 214.5;
  const ResultSummary summary = PublishedSummary(record);
  EXPECT_EQ(summary.txtCoreLoss, "0.12");
  EXPECT_EQ(summary.txtCopperLoss, "0.38");
  EXPECT_EQ(summary.txtTotalLosses, "0.5");
  EXPECT_EQ(summary.txtZeroInductance, "214");
}

}  // namespace
}  // namespace pfc
