#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/record/number_text.h"
#include "reports/files/explorer_csv.h"
#include "reports/summary/listing.h"
#include "reports/summary/listing_csv.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/shell/run_playback.h"

namespace pfc::ui::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line ends in LF";
  EXPECT_EQ(text.find('\r'), std::string::npos) << "LF alone";
  return lines;
}

TEST_F(CompareCoresFlowTest, ExportWritesTheListedDesignsToTheChosenFile) {
  kit.UserClick(kInputForm, "cmdCompareCores");
  kit.UserClick(kCompareCoresForm, "chkPassingOnly");
  savePath = (folder / "designs.csv").string();

  kit.UserClick(kCompareCoresForm, "cmdExportCsv");

  ASSERT_EQ(saveRequests.size(), 1u);
  EXPECT_EQ(saveRequests[0].extension, "csv");
  EXPECT_TRUE(kit.Messages().empty());
  const std::vector<std::string> lines = Lines(test::ReadFile(*savePath));
  ASSERT_EQ(lines.size(), session.compareCores.PassingCount() + 1);
  // Only passing designs, each line the window's CSV line of that design.
  Exploration passing = session.compareCores.Current();
  std::erase_if(passing.designs, [](const ExploredDesign& d) { return !d.PassesAll(); });
  EXPECT_EQ(test::ReadFile(*savePath), ExplorationCsv(passing));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_NE(lines[i].find(",true,true,true,true,true,"), std::string::npos) << lines[i];
  }

  kit.UserClick(kCompareCoresForm, "chkPassingOnly");
  kit.UserClick(kCompareCoresForm, "cmdExportCsv");
  EXPECT_EQ(Lines(test::ReadFile(*savePath)).size(), session.compareCores.Designs().size() + 1);

  // A cancelled dialog writes nothing and says nothing.
  std::filesystem::remove(*savePath);
  savePath.reset();
  kit.UserClick(kCompareCoresForm, "cmdExportCsv");
  EXPECT_EQ(saveRequests.size(), 3u);
  EXPECT_TRUE(kit.Messages().empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

struct FailingTarget {
  const char* name;
  const char* relativePath;  // under the scratch folder
  const char* reasonPart;
};

class ExportFailureTest : public CompareCoresFlowTest,
                          public ::testing::WithParamInterface<FailingTarget> {};

TEST_P(ExportFailureTest, IsToldWithPathAndReasonAndKeepsTheOldFile) {
  std::filesystem::create_directory(folder / "a-folder");
  test::WriteFile(folder / "a-folder" / "old.csv", "old contents");
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdCompareCores");
  savePath = (folder / GetParam().relativePath).string();

  kit.UserClick(kCompareCoresForm, "cmdExportCsv");

  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_NE(kit.Messages()[0].text.find(*savePath), std::string::npos);
  EXPECT_NE(kit.Messages()[0].text.find(GetParam().reasonPart), std::string::npos)
      << kit.Messages()[0].text;
  EXPECT_EQ(test::ReadFile(folder / "a-folder" / "old.csv"), "old contents");
  EXPECT_TRUE(kit.IsVisible(kCompareCoresForm));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ExportFailureTest,
    ::testing::Values(FailingTarget{"MissingFolder", "no-such-folder/designs.csv", "No such file"},
                      FailingTarget{"AFolder", "a-folder", "directory"}),
    [](const ::testing::TestParamInfo<FailingTarget>& info) {
      return std::string(info.param.name);
    });

TEST_F(CompareCoresFlowTest, ListingExportsTheValuesItShowsAfterALaterRun) {
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdIinterOutput");
  const DesignRecord shown = session.record;
  const std::string shownInputPower = kit.Text(kListingForm, "lblValueA1");
  // Another design while the listing stays open (the windows never lead there; the listing
  // keeps what it showed however the record changes).
  kit.SetText(kInputForm, "txtStack", "3");
  RunInputForm(kit, session, services);
  ASSERT_NE(session.record.CoreMass, shown.CoreMass);
  savePath = (folder / "listing.csv").string();

  kit.UserClick(kListingForm, "cmdExportCsv");

  EXPECT_TRUE(kit.Messages().empty());
  EXPECT_EQ(test::ReadFile(*savePath), ListingCsv(shown));
  EXPECT_EQ(kit.Text(kListingForm, "lblValueA1"), shownInputPower);
}

// The listing's CSV, written out by hand for a record of simple values.
TEST(ListingCsvTest, HoldsEveryLineAtFullPrecisionWithItsUnit) {
  DesignRecord r;  // every other field 0
  r.InputPower = 1578.9473684210527;
  r.ActualFillFactor = 0.1 + 0.2;  // shown as 0.3, written as 0.30000000000000004
  r.Energy = 0.000057;
  r.CoreArea = 1.88;
  r.AlValue = 100;
  r.Tstep = 10;
  r.TempRise = std::numeric_limits<double>::quiet_NaN();
  r.WindingResistance = 0.011755;
  const std::string expected =
      "Line,Caption,Value,Unit\n"
      "A1,Input power,1578.9473684210527,Watt\n"
      "A2,Actual Fill Factor,0.30000000000000004,\n"
      "A3,Iin RMS,0,Amps\n"
      "A4,Iripple,0,Amps\n"
      "A5,Iin Peak,0,Amps\n"
      "A6,Energy,0.000057,Watt-sec\n"
      "A7,OD,0,cm\n"
      "A8,ID,0,cm\n"
      "A9,HT,0,cm\n"
      "A10,Core Area,1.88,cm²\n"
      "A11,Window Area,0,cm²\n"
      "A12,Lm,0,cm\n"
      "A13,Total Loss,0,Watt\n"
      "B1,Al,100,nH/turn²\n"
      "B2,Mass,0,g\n"
      "B3,Tstep,10,µs\n"
      "B4,70% of Al,70,nH/turn²\n"
      "B5,Turns,0,turns\n"
      "B6,H at Max Current,0,Oe\n"
      "B7,Zero Bias L,0,µH\n"
      "B8,Conductor Area,0,cm²\n"
      "B9,Wire Size,0,AWG\n"
      "B10,Wire Area,0,cm²\n"
      "B11,Wire Dia,0,cm\n"
      "B12,Wire Resistance,0,ohm/cm\n"
      "B13,Temp Rise,,°C\n"
      "C1,MLT,0,\n"
      "C2,Conductor Length,0,cm\n"
      "C3,Margin Length,0,cm\n"
      "C4,Resistance,0.011755,Ohms\n"
      "C5,Copper Loss,0,Watt\n"
      "C6,Vpeak,0,Volts\n"
      "C7,Dmax,0,\n"
      "C8,Delta B,0,G\n"
      "C9,Delta Bavg,0,G\n"
      "C10,Bac,0,G\n"
      "C11,Core Loss,0,W/Kg\n"
      "C12,Core Loss,0,W\n";
  EXPECT_EQ(ListingCsv(r), expected);
}

}  // namespace
}  // namespace pfc::ui::testing
