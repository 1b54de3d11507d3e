// Inputs that pass every check yet overflow the calculation are refused on the entry that
// caused the overflow, instead of publishing "Infinity" or "NaN" losses or quoting an
// infinite field strength.
#include <gtest/gtest.h>

#include <string>

#include "engine/method/design_run.h"
#include "fuzz/fuzz_tables.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

// "0.000...01" with the given number of zeros after the point: a well-formed, positive entry.
std::string TinyEntry(int zeros) {
  return "0." + std::string(static_cast<std::size_t>(zeros), '0') + "1";
}

class UncomputableDesign : public testing::Test {
 protected:
  RunOutcome Run(const EntryTexts& entries, std::int16_t calcType) {
    record_.CalcType = calcType;
    return RunDesign(entries, record_, tables_.catalogue, tables_.wires);
  }
  static EntryTexts Picked() {
    EntryTexts entries;
    entries.pickCore = true;
    entries[Entry::CoreSize] = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";
    return entries;
  }
  const FuzzTables& tables_ = LoadedFuzzTables();
  DesignRecord record_ = tables_.loadedRecord;
};

TEST_F(UncomputableDesign, AFrequencyThatOverflowsThePeriodIsRefusedOnTheFrequency) {
  for (const int zeros : {200, 300}) {
    EntryTexts entries = Picked();
    entries[Entry::Frequency] = TinyEntry(zeros);
    const RunOutcome outcome = Run(entries, DesignerPicks);
    EXPECT_EQ(outcome.ending, RunEnding::Rejected) << zeros;
    EXPECT_EQ(outcome.check, "1r");
    EXPECT_TRUE(outcome.entriesPassedChecks) << "refused after the checks, by the method";
    EXPECT_EQ(outcome.focus, Entry::Frequency);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].title, kCautionTitle);
    EXPECT_EQ(outcome.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(outcome.messages[0].text,
              "The Frequency value is too small for the design to be calculated. Enter a larger "
              "Frequency value.");
  }
}

// Every row runs infinitely hot, so without the refusal the calculator would warn that the
// largest core is too hot before anything else.
TEST_F(UncomputableDesign, TheCalculatorRefusesWithoutWarningAboutTheLastRow) {
  EntryTexts entries;
  entries[Entry::Frequency] = TinyEntry(300);
  entries[Entry::Stack] = "3";
  const RunOutcome outcome = Run(entries, CalcSelects);
  EXPECT_EQ(outcome.check, "1r");
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].title, kCautionTitle);
}

TEST_F(UncomputableDesign, ALineThatOverflowsTheCurrentIsRefusedOnVinMin) {
  EntryTexts entries = Picked();
  entries[Entry::VinMin] = TinyEntry(309);
  const RunOutcome outcome = Run(entries, DesignerPicks);
  EXPECT_EQ(outcome.check, "5r");
  EXPECT_EQ(outcome.focus, Entry::VinMin);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text,
            "The Minimum Voltage value is too small for the design to be calculated. Enter a "
            "larger Minimum Voltage value.");
}

// Far-fetched but finite designs are still the engine's to judge: a line of a picovolt gives
// a field strength of about 1e13 Oe, which the field-strength stop reports as a number.
TEST_F(UncomputableDesign, LargeButFiniteResultsKeepTheirOwnEndings) {
  EntryTexts tinyLine = Picked();
  tinyLine[Entry::VinMin] = "0.000000000001";
  const RunOutcome field = Run(tinyLine, DesignerPicks);
  EXPECT_EQ(field.ending, RunEnding::FieldStrength);

  EntryTexts slow = Picked();
  slow[Entry::Frequency] = "0.001";
  const RunOutcome published = Run(slow, DesignerPicks);
  EXPECT_EQ(published.ending, RunEnding::Published);
  EXPECT_EQ(PublishedSummary(record_).txtTotalTemp, " > 155°C");
  EXPECT_GT(record_.CoreLoss, 1e6);
}

}  // namespace
}  // namespace pfc
