#include "reports/summary_texts.h"

#include <gtest/gtest.h>

namespace pfc {
namespace {

DesignRecord DefaultInputs() {
  DesignRecord record;
  record.Frequency = 100000;
  record.Inductance = 150 * 0.000001;  // entered as 150 µH
  record.OutputPower = 1500;
  record.Efficiency = 95 / 100.0;
  record.VinMin = 85;
  record.VinMax = 264;
  record.Vout = 380;
  record.AmbientTemp = 50;
  return record;
}

std::vector<std::string> InputTexts(const ResultSummary& s) {
  return {s.txtFrequency, s.txtInductance, s.txtOutputPower, s.txtEfficiency,
          s.txtVinMin,    s.txtVinMax,     s.txtVout,        s.txtAmbientTemp};
}

TEST(EchoInputs, WritesTheDefaultInputsAsTheSummaryShowsThem) {
  ResultSummary summary;
  EchoInputs(DefaultInputs(), summary);
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
  DesignRecord record = DefaultInputs();
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
  EchoInputs(DefaultInputs(), summary);
  EXPECT_EQ(summary.txtFillFactor, "0.4");
  EXPECT_EQ(summary.txtcore, "typed");
  EXPECT_EQ(summary.txtTotalTemp, " > 155°C");
  EXPECT_EQ(summary.totaltemp, "");
}

}  // namespace
}  // namespace pfc
