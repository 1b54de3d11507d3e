#include "engine/method/publication.h"

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
  r.HMax = 101.8526;
  r.AmbientTemp = 50;
  r.TempRise = 69.976;
  return r;
}

TEST(PublishResults, PublishesTheDefaultDesignWithoutAMessage) {
  std::vector<Message> messages;
  EXPECT_EQ(PublishResults(DefaultResults(), messages, '.'), PublishEnding::Published);
  EXPECT_TRUE(messages.empty());
}

struct TemperatureCase {
  double ambient;
  double rise;
  bool tooHigh;
};

class TotalTemperatureTest : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TotalTemperatureTest, WarnsFrom155AndWhenNotANumber) {
  DesignRecord record = DefaultResults();
  record.AmbientTemp = GetParam().ambient;
  record.TempRise = GetParam().rise;
  EXPECT_EQ(TotalTemperatureTooHigh(record), GetParam().tooHigh);
  std::vector<Message> messages;
  ASSERT_EQ(PublishResults(record, messages, '.'), PublishEnding::Published);
  ASSERT_EQ(messages.size(), GetParam().tooHigh ? 1u : 0u);
  if (GetParam().tooHigh) {
    EXPECT_EQ(messages[0].title, "Caution");
    EXPECT_TRUE(messages[0].text.starts_with("Total temperature for core size selected"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Totals, TotalTemperatureTest,
    testing::Values(TemperatureCase{50, 105, true}, TemperatureCase{75, 80, true},
                    TemperatureCase{50, 200, true}, TemperatureCase{50, 104.6, false},
                    TemperatureCase{50, 46.5, false}, TemperatureCase{-40, 10.5, false},
                    TemperatureCase{50, std::nan(""), true}));

TEST(PublishResults, StopsAboveTheFieldLimit) {
  for (const std::int16_t calcType : {CalcSelects, DesignerPicks}) {
    DesignRecord record = DefaultResults();
    record.CalcType = calcType;
    record.HMax = 116.047708;
    record.TempRise = 200;  // the stop comes before the temperature warning
    std::vector<Message> messages;
    EXPECT_EQ(PublishResults(record, messages, '.'), PublishEnding::FieldStrength);
    ASSERT_EQ(messages.size(), 1u);
    const std::string number = calcType == DesignerPicks ? " 116 " : " 116.047708 ";
    EXPECT_NE(messages[0].text.find(number), std::string::npos) << messages[0].text;
  }
  DesignRecord atLimit = DefaultResults();
  atLimit.HMax = 115;
  std::vector<Message> messages;
  EXPECT_EQ(PublishResults(atLimit, messages, '.'), PublishEnding::Published);
}

}  // namespace
}  // namespace pfc
