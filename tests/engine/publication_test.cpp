#include "engine/publication.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace pfc {
namespace {

// The default design's results as the run leaves them.
DesignRecord DefaultResults() {
  DesignRecord r;
  r.CalcType = CalcSelects;
  r.CoresToStack = 1;
  r.SelectedCoreSize = "TD-26";
  r.Inductance = 0.00015;
  r.FillFactorLimit = 0.4;
  r.Turns = 31;
  r.WireGauge = 12;
  r.HMax = 101.8526;
  r.ZeroBiasL = 215.264;
  r.CoreLoss = 3.5596;
  r.CopperLoss = 4.0563;
  r.TotalLoss = 7.6159;
  r.AmbientTemp = 50;
  r.TempRise = 69.976;
  return r;
}

TEST(PublishResults, WritesTheOutputGroup) {
  ResultSummary summary;
  std::vector<Message> messages;
  ASSERT_EQ(PublishResults(DefaultResults(), summary, messages, '.'), PublishEnding::Published);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(summary.txtOutCoreSize, "TD-26");
  EXPECT_EQ(summary.txtStackout, "");
  EXPECT_EQ(summary.txtNoOfTurns, "31");
  EXPECT_EQ(summary.txtWireGuage, "12");
  EXPECT_EQ(summary.txtFillFactor, "0.4");
  EXPECT_EQ(summary.txtZeroInductance, "215");
  EXPECT_EQ(summary.txtFullInductance, "150");
  EXPECT_EQ(summary.txtCoreLoss, "3.56");
  EXPECT_EQ(summary.txtCopperLoss, "4.06");
  EXPECT_EQ(summary.txtTotalLosses, "7.62");
  EXPECT_EQ(summary.txtTotalTemp, "120");
  EXPECT_EQ(summary.totaltemp, "°C");
  EXPECT_EQ(summary.txtTotalTempStyle, TotalTempStyle::NormalBlack);
  EXPECT_EQ(summary.txtFrequency, "") << "the input group is the window's to echo";
  EXPECT_EQ(summary.txtcore, "");
}

TEST(PublishResults, FollowsTheDecimalSeparatorAndMarksTheStack) {
  DesignRecord record = DefaultResults();
  record.CoresToStack = 3;
  record.Inductance = 0.0001505;
  ResultSummary summary;
  std::vector<Message> messages;
  PublishResults(record, summary, messages, ',');
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
  bool warned;
};

class TotalTemperatureTest : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TotalTemperatureTest, WarnsFrom155AndRoundsHalvesToEvenBelow) {
  DesignRecord record = DefaultResults();
  record.AmbientTemp = GetParam().ambient;
  record.TempRise = GetParam().rise;
  ResultSummary summary;
  summary.totaltemp = "stale";
  std::vector<Message> messages;
  ASSERT_EQ(PublishResults(record, summary, messages, '.'), PublishEnding::Published);
  EXPECT_EQ(summary.txtTotalTemp, GetParam().text);
  EXPECT_EQ(summary.totaltemp, GetParam().unit);
  EXPECT_EQ(summary.txtTotalTempStyle, GetParam().style);
  ASSERT_EQ(messages.size(), GetParam().warned ? 1u : 0u);
  if (GetParam().warned) {
    EXPECT_EQ(messages[0].title, "Caution");
    EXPECT_TRUE(messages[0].text.starts_with("Total temperature for core size selected"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Totals, TotalTemperatureTest,
    testing::Values(TemperatureCase{50, 105, " > 155°C", "", TotalTempStyle::BoldRed, true},
                    TemperatureCase{75, 80, " > 155°C", "", TotalTempStyle::BoldRed, true},
                    TemperatureCase{50, 200, " > 155°C", "", TotalTempStyle::BoldRed, true},
                    TemperatureCase{50, 104.6, "155", "°C", TotalTempStyle::NormalBlack, false},
                    TemperatureCase{50, 46.5, "96", "°C", TotalTempStyle::NormalBlack, false},
                    TemperatureCase{50, 47.5, "98", "°C", TotalTempStyle::NormalBlack, false},
                    TemperatureCase{-40, 10.5, "-30", "°C", TotalTempStyle::NormalBlack, false},
                    TemperatureCase{50, std::nan(""), " > 155°C", "", TotalTempStyle::BoldRed,
                                    true}));

TEST(PublishResults, RoundsLossesHalfToEven) {
  DesignRecord record = DefaultResults();
  record.CoreLoss = 0.125;
  record.CopperLoss = 0.375;
  record.TotalLoss = 0.5;
  record.ZeroBiasL = 214.5;
  ResultSummary summary;
  std::vector<Message> messages;
  PublishResults(record, summary, messages, '.');
  EXPECT_EQ(summary.txtCoreLoss, "0.12");
  EXPECT_EQ(summary.txtCopperLoss, "0.38");
  EXPECT_EQ(summary.txtTotalLosses, "0.5");
  EXPECT_EQ(summary.txtZeroInductance, "214");
}

TEST(PublishResults, StopsAboveTheFieldLimitWithoutWritingTexts) {
  for (const std::int16_t calcType : {CalcSelects, DesignerPicks}) {
    DesignRecord record = DefaultResults();
    record.CalcType = calcType;
    record.HMax = 116.047708;
    ResultSummary summary;
    std::vector<Message> messages;
    EXPECT_EQ(PublishResults(record, summary, messages, '.'), PublishEnding::FieldStrength);
    ASSERT_EQ(messages.size(), 1u);
    const std::string number = calcType == DesignerPicks ? " 116 " : " 116.047708 ";
    EXPECT_NE(messages[0].text.find(number), std::string::npos) << messages[0].text;
    EXPECT_EQ(summary.txtNoOfTurns, "");
    EXPECT_EQ(summary.txtTotalTemp, "");
  }
  DesignRecord atLimit = DefaultResults();
  atLimit.HMax = 115;
  ResultSummary summary;
  std::vector<Message> messages;
  EXPECT_EQ(PublishResults(atLimit, summary, messages, '.'), PublishEnding::Published);
}

}  // namespace
}  // namespace pfc
