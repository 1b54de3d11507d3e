// The shared property checks must see the faults they exist for: each row spoils one thing in
// an otherwise sound published run, report or listing.
#include "fuzz/run_properties.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/engine_messages.h"
#include "fuzz/fuzz_tables.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

struct SoundRun {
  RunOutcome outcome;
  ResultSummary summary;
  DesignRecord record;
  std::string report;
  std::array<ListingLine, kListingLineCount> listing;
};

SoundRun DefaultRun() {
  const FuzzTables& tables = LoadedFuzzTables();
  SoundRun run{{}, {}, tables.loadedRecord, {}, {}};
  run.record.CalcType = CalcSelects;
  run.outcome = RunDesign(EntryTexts{}, run.record, tables.catalogue, tables.wires);
  run.summary = PublishedSummary(run.record);
  run.report = ReportBytes(run.summary, run.record, {"logo.gif", "core.gif"});
  run.listing = BuildListing(run.record);
  return run;
}

std::vector<std::string> AllProblems(const SoundRun& run) {
  const FuzzTables& tables = LoadedFuzzTables();
  std::vector<std::string> problems =
      RunOutcomeProblems(run.outcome, run.summary, run.record, tables.catalogue, tables.wires);
  for (auto& p : ReportProblems(run.report, run.summary))
    problems.push_back(p);
  for (auto& p : ListingProblems(run.listing, run.record))
    problems.push_back(p);
  return problems;
}

TEST(RunProperties, HoldForTheDefaultDesign) {
  const SoundRun run = DefaultRun();
  EXPECT_TRUE(AllProblems(run).empty()) << JoinProblems(AllProblems(run));
}

// One fault, and the words of the problem that must name it.
struct Spoiler {
  const char* label;
  std::function<void(SoundRun&)> spoil;
  const char* problem;
};

class SpoiledRun : public testing::TestWithParam<Spoiler> {};

TEST_P(SpoiledRun, IsNamed) {
  SoundRun run = DefaultRun();
  GetParam().spoil(run);
  const std::string problems = JoinProblems(AllProblems(run));
  EXPECT_NE(problems.find(GetParam().problem), std::string::npos) << problems;
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

void MoveToRow27(SoundRun& r) {
  r.record.CoreIndex = 27;
  r.record.SelectedCoreSize = "TD-27";
  r.summary.txtOutCoreSize = "TD-27";
}

INSTANTIATE_TEST_SUITE_P(
    OneFaultEach, SpoiledRun,
    testing::Values(
        Spoiler{"NaNCoreLossText", [](SoundRun& r) { r.summary.txtCoreLoss = "NaN"; },
                "summary text txtCoreLoss"},
        Spoiler{"InfinityTotalText", [](SoundRun& r) { r.summary.txtTotalLosses = "-Infinity"; },
                "summary text txtTotalLosses"},
        Spoiler{"InfiniteFluxInTheRecord", [](SoundRun& r) { r.record.Bac = kInfinity; },
                "record field Bac is not finite"},
        Spoiler{"NaNInTheRecord",
                [](SoundRun& r) { r.record.MLT = std::numeric_limits<double>::quiet_NaN(); },
                "record field MLT is not finite"},
        Spoiler{"RowZero", [](SoundRun& r) { r.record.CoreIndex = 0; }, "is not a row"},
        Spoiler{"RowBeyondTheCatalogue", [](SoundRun& r) { r.record.CoreIndex = 32; },
                "is not a row"},
        Spoiler{"PartNumberOfAnotherRow", [](SoundRun& r) { r.record.SelectedCoreSize = "TD-25"; },
                "is not the part number of row 26"},
        Spoiler{"HalfATurn", [](SoundRun& r) { r.record.Turns = 30.5; }, "Turns"},
        Spoiler{"TooManyTurns", [](SoundRun& r) { r.record.Turns = 32001; }, "Turns"},
        Spoiler{"AStopMessageBeforePublication",
                [](SoundRun& r) { r.outcome.messages.push_back(VpeakMessage()); },
                "published after a message"},
        Spoiler{"WarningsOutOfOrder",
                [](SoundRun& r) {
                  r.outcome.messages = {TotalTemperatureMessage(), TemperatureRiseMessage()};
                },
                "published after a message"},
        Spoiler{"StopWithoutMessage",
                [](SoundRun& r) {
                  r.outcome.ending = RunEnding::Vpeak;
                  r.outcome.messages.clear();
                },
                "shows 0 messages"},
        Spoiler{"StopWithTwoMessages",
                [](SoundRun& r) {
                  r.outcome.ending = RunEnding::Vpeak;
                  r.outcome.messages = {VpeakMessage(), VpeakMessage()};
                },
                "shows 2 messages"},
        Spoiler{"RejectionFocusedNowhere",
                [](SoundRun& r) {
                  r.outcome.ending = RunEnding::Rejected;
                  r.outcome.messages = {VpeakMessage()};
                },
                "rejected without a focus"},
        Spoiler{"HotTotalWithoutWarning", [](SoundRun& r) { r.summary.txtTotalTemp = " > 155°C"; },
                "does not follow the warning"},
        Spoiler{"FieldStopWithinTheLimit",
                [](SoundRun& r) {
                  r.outcome.ending = RunEnding::FieldStrength;
                  r.outcome.messages = {FieldStrengthMessage(CalcSelects, 101.85, '.')};
                },
                "field-strength stop within 115 Oe"},
        Spoiler{"AcceptableSmallerRowSkipped", MoveToRow27,
                "row 26 was acceptable but row 27 was published"},
        Spoiler{"UndefinedWindows1252Byte", [](SoundRun& r) { r.report[100] = '\x8D'; },
                "byte 141 has no Windows-1252 character"},
        Spoiler{"TwoLines", [](SoundRun& r) { r.report.insert(200, "\r\n"); },
                "more than one line"},
        Spoiler{"PrintHookTwice",
                [](SoundRun& r) {
                  r.report += "<input type=hidden name=print value=prt onclick='window.print()'>";
                },
                "print hook"},
        Spoiler{"PrintHookMissing", [](SoundRun& r) { r.report.resize(r.report.size() / 2); },
                "print hook"},
        Spoiler{"ListingNaN", [](SoundRun& r) { r.listing[20].value = "nan cm"; },
                "listing line B8 reads"},
        Spoiler{"ListingBlankValue", [](SoundRun& r) { r.listing[5].value.clear(); },
                "listing line A6 is blank"},
        Spoiler{"FillFactorBlackAboveTheLimit", [](SoundRun& r) { r.record.FillFactorLimit = 0.1; },
                "fill factor's colour"}),
    [](const testing::TestParamInfo<Spoiler>& info) { return std::string(info.param.label); });

// The operating check of the default design, one fault at a time.
struct CheckSpoiler {
  const char* label;
  std::function<void(OperatingCheck&)> spoil;
  const char* problem;
};

class SpoiledCheck : public testing::TestWithParam<CheckSpoiler> {};

TEST_P(SpoiledCheck, IsNamed) {
  const SoundRun run = DefaultRun();
  OperatingCheck check = CheckOperation(run.record, DefaultGradeFor(run.record));
  ASSERT_TRUE(OperatingCheckProblems(check, run.record).empty())
      << JoinProblems(OperatingCheckProblems(check, run.record));
  GetParam().spoil(check);
  const std::string problems = JoinProblems(OperatingCheckProblems(check, run.record));
  EXPECT_NE(problems.find(GetParam().problem), std::string::npos) << problems;
}

INSTANTIATE_TEST_SUITE_P(
    OneFaultEach, SpoiledCheck,
    testing::Values(
        CheckSpoiler{"InfiniteCoreLoss", [](OperatingCheck& c) { c.lowLine.coreLossW = kInfinity; },
                     "low line core_loss_w is not finite"},
        CheckSpoiler{"NaNInARow",
                     [](OperatingCheck& c) {
                       c.highLine.angles[7].duty = std::numeric_limits<double>::quiet_NaN();
                     },
                     "high line row 7 duty is not finite"},
        CheckSpoiler{"RowsOutOfOrder", [](OperatingCheck& c) { c.lowLine.angles[3].deg = 4; },
                     "rows do not run"},
        CheckSpoiler{"RippleMissingUnflagged",
                     [](OperatingCheck& c) { c.lowLine.angles[40].ripplePp.reset(); },
                     "saturation flag"},
        CheckSpoiler{"SaturatedWithATemperature",
                     [](OperatingCheck& c) {
                       c.highLine.saturates = true;
                       c.highLine.angles[40].ripplePp.reset();
                     },
                     "saturates but has"},
        CheckSpoiler{"SteadyWithoutTemperature",
                     [](OperatingCheck& c) { c.lowLine.windingTemperatureC.reset(); },
                     "lacks a loss or temperature"},
        CheckSpoiler{"TotalNotTheSum", [](OperatingCheck& c) { *c.highLine.totalLossW += 1e-6; },
                     "total loss is not core + DC + AC"},
        CheckSpoiler{"PeakBelowTheLinePeak", [](OperatingCheck& c) { c.lowLine.ipk = 20.0; },
                     "peak current below the line peak"},
        CheckSpoiler{"WorstRippleNotTheLargest",
                     [](OperatingCheck& c) { *c.highLine.angles[50].ripplePp += 10; },
                     "worst ripple is not the largest"},
        CheckSpoiler{"CrestFlagWrong", [](OperatingCheck& c) { c.highLine.peakAboveVout = true; },
                     "crest flag"},
        CheckSpoiler{"FiguresWithoutALineVoltage",
                     [](OperatingCheck& c) { c.highLine.usable = false; },
                     "has figures without a usable line voltage"}),
    [](const testing::TestParamInfo<CheckSpoiler>& info) { return std::string(info.param.label); });

TEST(ShowsNonFiniteNumber, FindsTheWordsNotTheLettersInsideWords) {
  EXPECT_TRUE(ShowsNonFiniteNumber("NaN"));
  EXPECT_TRUE(ShowsNonFiniteNumber("-Infinity W"));
  EXPECT_TRUE(ShowsNonFiniteNumber("x=inf;"));
  EXPECT_FALSE(ShowsNonFiniteNumber("the information provided"));
  EXPECT_FALSE(ShowsNonFiniteNumber("financial nanohenry"));
  EXPECT_FALSE(ShowsNonFiniteNumber("1E+300"));
}

}  // namespace
}  // namespace pfc
