// Every entry box given every kind of bad text, in both calculator modes: each run ends in a
// clear message on the right box or in a published design with only finite numbers, and the
// report, listing and operating check of a published one stay sound.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/design_run.h"
#include "fuzz/fuzz_tables.h"
#include "fuzz/run_properties.h"
#include "reports/summary/listing.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

// The checks that stop a run for an entry left empty, for one that is not a number, and for a
// zero or negative one ("Published" where the entry has no such check, "Vpeak" where the
// engine catches it later).
struct Box {
  const char* name;
  Entry text;
  const char* emptyCheck;
  const char* malformedCheck;
  const char* zeroOrNegativeCheck;
};

const Box kBoxes[] = {
    {"txtFrequency", Entry::Frequency, "1a", "1n", "1b"},
    {"txtInductance", Entry::Inductance, "2a", "2n", "2b"},
    {"txtOutputPower", Entry::OutputPower, "3a", "3n", "3b"},
    {"txtEfficiency", Entry::Efficiency, "4a", "4n", "4b"},
    {"txtVinMin", Entry::VinMin, "5a", "5n", "5b"},
    {"txtVinMax", Entry::VinMax, "6", "6n", "Published"},
    {"txtVout", Entry::Vout, "7a", "7n", "Vpeak"},
    {"txtAmbientTemp", Entry::AmbientTemp, "8a", "8n", "Published"},
    {"txtStack", Entry::Stack, "Published", "12n", "12"},
    {"txtFill_Factor", Entry::FillFactor, "9", "9n", "9"},
};

enum class Kind { Empty, Malformed, ZeroOrNegative };

struct BadText {
  const char* label;
  std::string text;
  Kind kind;
};

const std::vector<BadText>& BadTexts() {
  static const std::vector<BadText> texts = {
      {"empty", "", Kind::Empty},
      {"blanks", "  \t ", Kind::Empty},
      {"zero", "0", Kind::ZeroOrNegative},
      {"zero_with_blanks", " 0.0 ", Kind::ZeroOrNegative},
      {"negative", "-5", Kind::ZeroOrNegative},
      {"lone_point", ".", Kind::Malformed},
      {"two_points", "..", Kind::Malformed},
      {"three_parts", "1.2.3", Kind::Malformed},
      {"exponent", "1e5", Kind::Malformed},
      {"arabic_indic_digits", "\xD9\xA1\xD9\xA2\xD9\xA3", Kind::Malformed},
      {"ten_thousand_nines", std::string(10000, '9'), Kind::Malformed},
      {"ten_thousand_digit_fraction", "0." + std::string(9997, '0') + "1", Kind::ZeroOrNegative},
      {"nan", "NaN", Kind::Malformed},
      {"inf", "inf", Kind::Malformed},
      {"negative_infinity", "-Infinity", Kind::Malformed},
      {"control_characters", "\x01\x02\x1b[2J", Kind::Malformed},
      {"digits_then_bell", "5\a", Kind::Malformed},
      {"embedded_nul",
       std::string("5\0"
                   "5",
                   3),
       Kind::Malformed},
      {"line_break", "5\r\n", Kind::Malformed},
  };
  return texts;
}

const char* kPickedCore = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";

struct RunResult {
  RunOutcome outcome;
  DesignRecord record;
  ResultSummary summary{};  // of a published design
};

RunResult RunWith(const EntryTexts& entries, std::int16_t calcType) {
  const FuzzTables& tables = LoadedFuzzTables();
  RunResult result{{}, tables.loadedRecord};
  result.record.CalcType = calcType;
  result.outcome = RunDesign(entries, result.record, tables.catalogue, tables.wires);
  if (result.outcome.ending == RunEnding::Published)
    result.summary = PublishedSummary(result.record);
  return result;
}

EntryTexts ForMode(std::int16_t calcType) {
  EntryTexts entries;
  if (calcType == DesignerPicks) {
    entries.pickCore = true;
    entries[Entry::CoreSize] = kPickedCore;
  }
  return entries;
}

// The control the focus goes to; empty for none.
std::string FocusedControl(const RunOutcome& outcome) {
  return outcome.focus ? std::string(DescriptionOf(*outcome.focus).control) : std::string();
}

// The run's own properties, then those of the report and the listing when it was published.
void ExpectSound(const RunResult& run) {
  const FuzzTables& tables = LoadedFuzzTables();
  const std::vector<std::string> problems =
      RunOutcomeProblems(run.outcome, run.summary, run.record, tables.catalogue, tables.wires);
  EXPECT_TRUE(problems.empty()) << JoinProblems(problems);
  if (run.outcome.ending != RunEnding::Published)
    return;
  const std::string report = ReportBytes(run.summary, run.record, {"logo.gif", "core.gif"});
  const std::vector<std::string> reportProblems = ReportProblems(report, run.summary);
  EXPECT_TRUE(reportProblems.empty()) << JoinProblems(reportProblems);
  const std::vector<std::string> listingProblems =
      ListingProblems(BuildListing(run.record), run.record);
  EXPECT_TRUE(listingProblems.empty()) << JoinProblems(listingProblems);
  for (const RolloffGrade& grade : RolloffGrades()) {
    const OperatingCheck check = CheckOperation(run.record, grade);
    const std::vector<std::string> checkProblems = OperatingCheckProblems(check, run.record);
    EXPECT_TRUE(checkProblems.empty()) << "grade " << grade.permeability << "\n"
                                       << JoinProblems(checkProblems);
    const std::vector<std::string> modelProblems =
        InductorModelProblems(ModelCheckedWinding(run.record, check), run.record);
    EXPECT_TRUE(modelProblems.empty()) << "grade " << grade.permeability << "\n"
                                       << JoinProblems(modelProblems);
  }
}

const char* ExpectedCheck(const Box& box, Kind kind) {
  switch (kind) {
    case Kind::Empty:
      return box.emptyCheck;
    case Kind::Malformed:
      return box.malformedCheck;
    case Kind::ZeroOrNegative:
      return box.zeroOrNegativeCheck;
  }
  return "";
}

class OneBadBox : public testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {};

TEST_P(OneBadBox, EndsOnItsOwnCheckOrPublishesSoundly) {
  const Box& box = kBoxes[std::get<0>(GetParam())];
  const BadText& bad = BadTexts()[std::get<1>(GetParam())];
  for (const std::int16_t calcType : {CalcSelects, DesignerPicks}) {
    SCOPED_TRACE(calcType == CalcSelects ? "calculator selects" : "designer picks");
    EntryTexts entries = ForMode(calcType);
    entries[box.text] = bad.text;
    const RunResult run = RunWith(entries, calcType);
    ExpectSound(run);

    const std::string expected = ExpectedCheck(box, bad.kind);
    EXPECT_EQ(run.outcome.check, expected);
    if (run.outcome.ending == RunEnding::Rejected) {
      EXPECT_EQ(FocusedControl(run.outcome), box.name);
      ASSERT_EQ(run.outcome.messages.size(), 1u);
      EXPECT_EQ(run.outcome.messages[0].title, kCautionTitle);
    }
  }
}

std::string SweepName(const testing::TestParamInfo<std::tuple<std::size_t, std::size_t>>& info) {
  return std::string(kBoxes[std::get<0>(info.param)].name) + "_" +
         BadTexts()[std::get<1>(info.param)].label;
}

INSTANTIATE_TEST_SUITE_P(EveryBoxEveryText, OneBadBox,
                         testing::Combine(testing::Range<std::size_t>(0, std::size(kBoxes)),
                                          testing::Range<std::size_t>(0, BadTexts().size())),
                         SweepName);

// An empty stack box is no error: it reads "1" again and the design is made for one core.
TEST(BadInputSweep, AnEmptyStackBoxDesignsForOneCore) {
  for (const char* text : {"", "   "}) {
    EntryTexts entries;
    entries[Entry::Stack] = text;
    const RunResult run = RunWith(entries, CalcSelects);
    EXPECT_EQ(run.outcome.ending, RunEnding::Published);
    EXPECT_TRUE(run.outcome.emptyStackTakenAsOne);
    EXPECT_EQ(run.record.CoresToStack, 1);
  }
}

// An entry's text, or with `unit` the text of its unit list.
struct EntryEdit {
  Entry entry;
  std::string text;
  bool unit = false;
};

// Several boxes wrong at once: the first check in the form's order speaks, alone.
struct Combination {
  const char* label;
  std::vector<EntryEdit> texts;
  std::int16_t calcType;
  const char* check;
  const char* focus;
};

std::string Tiny(int zeros) {
  return "0." + std::string(static_cast<std::size_t>(zeros), '0') + "1";
}

const std::vector<Combination>& Combinations() {
  static const std::vector<Combination> combinations = {
      {"every_box_empty",
       {{Entry::Frequency, ""},
        {Entry::Inductance, ""},
        {Entry::OutputPower, ""},
        {Entry::Efficiency, ""},
        {Entry::VinMin, ""},
        {Entry::VinMax, ""},
        {Entry::Vout, ""},
        {Entry::AmbientTemp, ""},
        {Entry::Stack, ""},
        {Entry::FillFactor, ""}},
       CalcSelects,
       "1a",
       "txtFrequency"},
      {"every_box_malformed_but_frequency",
       {{Entry::Inductance, "1.2.3"},
        {Entry::OutputPower, "NaN"},
        {Entry::Efficiency, "."},
        {Entry::VinMin, "inf"},
        {Entry::Vout, "1e5"}},
       CalcSelects,
       "2n",
       "txtInductance"},
      {"zero_efficiency_and_zero_line",
       {{Entry::Efficiency, "0"}, {Entry::VinMin, "0"}},
       DesignerPicks,
       "4b",
       "txtEfficiency"},
      {"zero_line_and_zero_fill",
       {{Entry::VinMin, "0"}, {Entry::FillFactor, "0"}},
       CalcSelects,
       "5b",
       "txtVinMin"},
      {"zero_output_and_negative_stack",
       {{Entry::Vout, "0"}, {Entry::Stack, "-5"}},
       CalcSelects,
       "12",
       "txtStack"},
      // Far below any real frequency the switching period overflows; the design is refused
      // on the frequency rather than published with an infinite core loss.
      {"frequency_of_1e_minus_201_hertz_picked",
       {{Entry::Frequency, Tiny(200)}},
       DesignerPicks,
       "1r",
       "txtFrequency"},
      {"frequency_of_1e_minus_301_hertz_three_cores",
       {{Entry::Frequency, Tiny(300)}, {Entry::Stack, "3"}},
       CalcSelects,
       "1r",
       "txtFrequency"},
      // Vout on the line peak gives no flux swing; with the period overflowing too the
      // product is 0 times infinity.
      {"frequency_overflow_on_zero_duty",
       {{Entry::Frequency, Tiny(310)}, {Entry::VinMin, "100"}, {Entry::Vout, "141.4"}},
       DesignerPicks,
       "1r",
       "txtFrequency"},
      {"line_of_1e_minus_310_volts_picked",
       {{Entry::VinMin, Tiny(309)}},
       DesignerPicks,
       "5r",
       "txtVinMin"},
      {"line_of_1e_minus_310_volts_selected",
       {{Entry::VinMin, Tiny(309)}},
       CalcSelects,
       "AreaProduct",
       ""},
      // Absurd but computable: published, with finite numbers only.
      {"frequency_of_a_millihertz_picked",
       {{Entry::Frequency, "0.001"}},
       DesignerPicks,
       "Published",
       ""},
      {"output_on_the_line_peak",
       {{Entry::VinMin, "100"}, {Entry::Vout, "141.4"}},
       DesignerPicks,
       "Published",
       ""},
      {"ambient_of_minus_1e300",
       {{Entry::AmbientTemp, "-1" + std::string(300, '0')}},
       CalcSelects,
       "Published",
       ""},
      // The operating check's edges: a winding of one turn, the thinnest wire, the highest
      // frequency, a high line below the low one or with its crest above the output, no loss.
      {"one_turn", {{Entry::Inductance, "0.000000001"}}, CalcSelects, "Published", ""},
      {"thinnest_wire_at_a_megahertz",
       {{Entry::OutputPower, "0.01"}, {Entry::Frequency, "1000000"}},
       DesignerPicks,
       "Published",
       ""},
      {"high_line_below_the_low_line", {{Entry::VinMax, "80"}}, CalcSelects, "Published", ""},
      {"high_line_crest_above_the_output",
       {{Entry::VinMax, "300"}, {Entry::Efficiency, "100"}},
       CalcSelects,
       "Published",
       ""},
      {"high_line_of_1e300_volts",
       {{Entry::VinMax, "1" + std::string(300, '0')}},
       DesignerPicks,
       "Published",
       ""},
      {"fill_factor_of_1e_minus_300_picked",
       {{Entry::FillFactor, Tiny(299)}},
       DesignerPicks,
       "Published",
       ""},
      {"fill_factor_of_1e_minus_300_selected",
       {{Entry::FillFactor, Tiny(299)}},
       CalcSelects,
       "AreaProduct",
       ""},
      {"inductance_underflowing_in_microhenry",
       {{Entry::Inductance, Tiny(320)}, {Entry::Inductance, "microhenry", true}},
       CalcSelects,
       "2b",
       "txtInductance"},
      {"stack_beyond_sixteen_bits", {{Entry::Stack, "99999999"}}, CalcSelects, "12", "txtStack"},
      {"unit_texts_unknown",
       {{Entry::Frequency, "\xD9\xA1kHz", true},
        {Entry::Inductance, "", true},
        {Entry::OutputPower, "\x01", true},
        {Entry::Inductance, "0.00015"}},
       CalcSelects,
       "Published",
       ""},
  };
  return combinations;
}

class SeveralBadBoxes : public testing::TestWithParam<std::size_t> {};

TEST_P(SeveralBadBoxes, EndAtTheFirstCheckOrPublishSoundly) {
  const Combination& combination = Combinations()[GetParam()];
  EntryTexts entries = ForMode(combination.calcType);
  for (const EntryEdit& edit : combination.texts)
    (edit.unit ? entries.Unit(edit.entry) : entries[edit.entry]) = edit.text;
  const RunResult run = RunWith(entries, combination.calcType);
  ExpectSound(run);
  EXPECT_EQ(run.outcome.check, combination.check);
  EXPECT_EQ(FocusedControl(run.outcome), combination.focus);
  if (run.outcome.ending != RunEnding::Published) {
    EXPECT_EQ(run.outcome.messages.size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(Combinations, SeveralBadBoxes,
                         testing::Range<std::size_t>(0, Combinations().size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                           return std::string(Combinations()[info.param].label);
                         });

}  // namespace
}  // namespace pfc
