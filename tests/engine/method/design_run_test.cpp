#include "engine/method/design_run.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/inputs/inputs.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/method/engine_messages.h"
#include "engine/method/publication.h"
#include "engine/record/number_text.h"
#include "tests/engine/loaded_tables.h"
#include "tests/engine/record_values.h"

namespace pfc {
namespace {

class RunDesignTest : public testing::Test {
 protected:
  RunOutcome Run(const EntryTexts& entries, char separator = '.') {
    return RunDesign(entries, tables_.record, tables_.catalogue, tables_.wires, separator);
  }
  EntryTexts Pick(const std::string& coreText) {
    tables_.record.CalcType = DesignerPicks;
    EntryTexts entries;
    entries.pickCore = true;
    entries[Entry::CoreSize] = coreText;
    return entries;
  }
  DesignRecord& record() { return tables_.record; }
  LoadedTables tables_;
};

TEST_F(RunDesignTest, PublishesTheDefaultDesign) {
  const RunOutcome outcome = Run(EntryTexts{});
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  EXPECT_EQ(outcome.check, "Published");
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_FALSE(outcome.focus);
  EXPECT_TRUE(outcome.entriesPassedChecks);
  EXPECT_FALSE(outcome.emptyStackTakenAsOne);
  EXPECT_EQ(record().CoreIndex, 26);
  EXPECT_EQ(record().SelectedCoreSize, "TD-26");
  EXPECT_EQ(record().Turns, 31);
  EXPECT_EQ(record().WireGauge, 12);
  EXPECT_EQ(record().CoresToStack, 1);
}

TEST_F(RunDesignTest, StacksThreeCoresOnRow20) {
  EntryTexts entries;
  entries[Entry::Stack] = "3";
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  EXPECT_EQ(record().CoreIndex, 20);
  EXPECT_EQ(record().SelectedCoreSize, "TD-20");
  EXPECT_EQ(record().CoresToStack, 3);
}

TEST_F(RunDesignTest, AnEmptyStackDesignsForOneCore) {
  EntryTexts entries;
  entries[Entry::Stack] = "";
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  EXPECT_TRUE(outcome.emptyStackTakenAsOne);
  EXPECT_EQ(record().CoresToStack, 1);
  EXPECT_EQ(record().CoreIndex, 26);
}

TEST_F(RunDesignTest, AnAreaProductBeyondTheCatalogueStopsUntilCoresAreStacked) {
  ASSERT_EQ(Run(EntryTexts{}).ending, RunEnding::Published);
  EntryTexts entries;
  entries[Entry::OutputPower] = "3000";
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::AreaProduct);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, AreaProductMessage().text);
  EXPECT_EQ(outcome.messages[0].title, "Caution");
  EXPECT_TRUE(outcome.entriesPassedChecks);
  EXPECT_NEAR(record().AreaProduct, 17.5584, 5e-4) << "still the requirement";
  EXPECT_EQ(record().CoreIndex, 26) << "the previous run's core is kept";
  EXPECT_EQ(record().Turns, 31);
  EXPECT_EQ(record().SelectedCoreSize, "");

  entries[Entry::Stack] = "2";
  const RunOutcome stacked = Run(entries);
  EXPECT_NE(stacked.ending, RunEnding::AreaProduct);
  EXPECT_GE(record().CoreIndex, 30);
}

TEST_F(RunDesignTest, AnOutputBelowTheLinePeakStopsAndEmptiesTheList) {
  for (const char* vout : {"100", "-380", "0"}) {
    EntryTexts entries;
    entries[Entry::Vout] = vout;
    const RunOutcome outcome = Run(entries);
    EXPECT_EQ(outcome.ending, RunEnding::Vpeak) << vout;
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text, VpeakMessage().text);
    EXPECT_TRUE(outcome.entriesPassedChecks) << vout;
  }
  const RunOutcome picked = Run(Pick("TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)"));
  EXPECT_EQ(picked.ending, RunEnding::Published);
  EntryTexts entries = Pick("TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)");
  entries[Entry::Vout] = "100";
  const RunOutcome stopped = Run(entries);
  EXPECT_EQ(stopped.ending, RunEnding::Vpeak);
  EXPECT_TRUE(stopped.entriesPassedChecks) << "also when the designer picks";
}

TEST_F(RunDesignTest, PickingTheLargestCoreMeetsTheFieldLimitAt116) {
  const RunOutcome outcome = Run(Pick("TD-31 (OD 57.21mm, ID 37.44mm, HT 15.32mm)"));
  EXPECT_EQ(outcome.ending, RunEnding::FieldStrength);
  EXPECT_TRUE(outcome.entriesPassedChecks);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].title, "PFC Core Designer");
  EXPECT_EQ(outcome.messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(outcome.messages[0].text.starts_with(
      "Field at max current is too high, 116 is > 115 Oe.\r\nPlease select"));
  EXPECT_NEAR(record().HMax, 116, 0.5);
  EXPECT_EQ(record().CoreIndex, 31);
}

TEST_F(RunDesignTest, EveryRowTooHotWarnsTwiceAndShowsTheLastRow) {
  EntryTexts entries;
  entries[Entry::Frequency] = "20000";
  entries[Entry::Inductance] = "0.00005";
  entries[Entry::OutputPower] = "100";
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  ASSERT_EQ(outcome.messages.size(), 2u);
  EXPECT_EQ(outcome.messages[0].text, TemperatureRiseMessage().text);
  EXPECT_EQ(outcome.messages[0].title, "PFC Core Designer");
  EXPECT_EQ(outcome.messages[1].text, TotalTemperatureMessage().text);
  EXPECT_EQ(record().CoreIndex, 31);
  EXPECT_EQ(record().SelectedCoreSize, "TD-31");
  EXPECT_TRUE(TotalTemperatureTooHigh(record()));
}

TEST_F(RunDesignTest, EveryRowFailingOnTheFieldStopsInTheCalculatorsWording) {
  EntryTexts entries;
  entries[Entry::OutputPower] = "2000";
  entries[Entry::Frequency] = "1000000";
  // Each candidate from the first choice up fails on the field alone.
  DesignRecord probe = record();
  initValues(ReadEntries(entries), probe);
  ComputeOperatingPoint(probe);
  ASSERT_EQ(SelectCore(probe, tables_.catalogue), Selection::Selected);
  for (std::int16_t row = probe.CoreIndex; row <= tables_.catalogue.RowCount(); ++row) {
    DesignRecord candidate = probe;
    LoadCore(candidate, tables_.catalogue, row);
    EvaluateCore(candidate, tables_.wires);
    ASSERT_GT(candidate.HMax, 115) << row;
    ASSERT_LE(candidate.TempRise, 155 - candidate.AmbientTemp) << row;
  }

  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::FieldStrength);
  ASSERT_EQ(outcome.messages.size(), 1u) << "no temperature-rise message";
  EXPECT_EQ(outcome.messages[0].text, FieldStrengthMessage(CalcSelects, record().HMax, '.').text);
  EXPECT_EQ(outcome.messages[0].text.find("\r\nPlease select"), std::string::npos);
  EXPECT_EQ(record().CoreIndex, 31);
}

TEST_F(RunDesignTest, AValidationStopKeepsTheNewInputsBesideTheOldResults) {
  ASSERT_EQ(Run(EntryTexts{}).ending, RunEnding::Published);
  const DesignRecord before = record();
  EntryTexts entries;
  entries[Entry::OutputPower] = "1000";
  entries[Entry::Vout] = "500";
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::Rejected);
  EXPECT_EQ(outcome.check, "7b");
  EXPECT_EQ(outcome.focus, Entry::Vout);
  EXPECT_FALSE(outcome.entriesPassedChecks);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "Enter the Out Voltage value below 420 volts");
  EXPECT_EQ(record().OutputPower, 1000);
  EXPECT_EQ(record().Vout, 500);
  DesignRecord expected = before;
  expected.OutputPower = 1000;
  expected.Vout = 500;
  expected.SelectedCoreSize = "";  // emptied by the calculator's new run
  EXPECT_EQ(RecordValues(record()), RecordValues(expected));
}

TEST_F(RunDesignTest, AnEngineStopKeepsTheFieldsItDidNotReach) {
  ASSERT_EQ(Run(EntryTexts{}).ending, RunEnding::Published);
  const DesignRecord before = record();
  EntryTexts entries;
  entries[Entry::Vout] = "100";
  ASSERT_EQ(Run(entries).ending, RunEnding::Vpeak);
  EXPECT_EQ(record().CoreIndex, 25) << "the first candidate";
  EXPECT_EQ(record().AreaProduct, 6.17);
  EXPECT_EQ(record().Turns, 46);
  EXPECT_NE(record().HMax, before.HMax);
  EXPECT_EQ(record().Vpeak, before.Vpeak);
  for (double DesignRecord::*field :
       {&DesignRecord::Dmax, &DesignRecord::DeltaB, &DesignRecord::DeltaBavg, &DesignRecord::Bac,
        &DesignRecord::CoreLossDensity, &DesignRecord::CoreLoss, &DesignRecord::TotalLoss,
        &DesignRecord::TempRise}) {
    EXPECT_EQ(record().*field, before.*field);
  }
  EXPECT_NE(record().Dmax, 0.0);
  EXPECT_EQ(record().SelectedCoreSize, "");
}

TEST_F(RunDesignTest, APickMatchingNoRowEndsWithAMessage) {
  record().CalcType = DesignerPicks;
  record().CoreIndex = 9;
  record().SelectedCoreSize = "";
  EntryTexts entries;  // "Pick From List" cleared again: the list text is empty
  const RunOutcome outcome = Run(entries);
  EXPECT_EQ(outcome.ending, RunEnding::UnknownCore);
  EXPECT_EQ(outcome.focus, Entry::CoreSize);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].title, "Caution");
  EXPECT_EQ(record().CoreIndex, 9);
}

TEST_F(RunDesignTest, ADesignerKeepsThePreviousPickWhenTheListTextIsEmpty) {
  record().CalcType = DesignerPicks;
  record().SelectedCoreSize = "TD-27";
  const RunOutcome outcome = Run(EntryTexts{});
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  EXPECT_EQ(record().CoreIndex, 27);
  EXPECT_EQ(record().SelectedCoreSize, "TD-27");
}

TEST_F(RunDesignTest, ATinyCurrentGetsTheThinnestWireNotTheLastOne) {
  ASSERT_EQ(Run(EntryTexts{}).ending, RunEnding::Published);
  ASSERT_EQ(record().WireGauge, 12);
  EntryTexts entries;
  entries[Entry::OutputPower] = "1";
  entries[Entry::VinMin] = "260";
  entries[Entry::Vout] = "400";
  Run(entries);
  EXPECT_LT(record().ConductorArea * 1000, tables_.wires.Area[37]);
  EXPECT_EQ(record().WireGauge, 44);
}

TEST_F(RunDesignTest, ANeverTickedCalculatorTypeSelectsAndNamesItsCore) {
  record().CalcType = 0;
  record().SelectedCoreSize = "TD-03";
  const RunOutcome outcome = Run(EntryTexts{});
  EXPECT_EQ(outcome.ending, RunEnding::Published);
  EXPECT_EQ(record().CoreIndex, 26);
  EXPECT_EQ(record().SelectedCoreSize, "TD-26");
}

TEST_F(RunDesignTest, WritesNumbersInMessagesWithTheGivenSeparator) {
  EntryTexts entries;
  entries[Entry::OutputPower] = "2000";
  entries[Entry::Frequency] = "1000000";
  const RunOutcome outcome = Run(entries, ',');
  ASSERT_EQ(outcome.ending, RunEnding::FieldStrength);
  const std::string hMax = FormatGeneral(record().HMax, ',');
  ASSERT_NE(hMax.find(','), std::string::npos);
  EXPECT_NE(outcome.messages[0].text.find(" " + hMax + " is > 115 Oe."), std::string::npos);
}

}  // namespace
}  // namespace pfc
