#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/catalogue/catalogue.h"
#include "engine/method/design_run.h"
#include "reports/summary/image_sources.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ReadFile;

class ReportOption : public ::testing::Test {
 protected:
  test::ScratchFolder scratch;
  std::filesystem::path folder = scratch.Path();
};

// What "View Report" writes for the form's defaults, built from the library directly.
std::string DefaultReportBytes() {
  LoadedTables tables;
  DesignRecord& record = tables.record;
  RunDesign(EntryTexts{}, record, tables.catalogue, tables.wires);
  const std::filesystem::path programFolder = std::filesystem::path(PFC_CORE_PATH).parent_path();
  return ReportBytes(PublishedSummary(record), record, FindReportImages(programFolder));
}

TEST_F(ReportOption, WritesTheReportOfAPublishedDesign) {
  const std::filesystem::path report = folder / "design report.htm";
  const CliResult result = RunCli({"design", "--report", report.string()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("TD-26"), std::string::npos) << "the summary is still printed";
  const std::string bytes = ReadFile(report);
  EXPECT_EQ(bytes, DefaultReportBytes());
  const std::string logo = "<img src=file://" +
                           std::filesystem::path(PFC_CORE_PATH).parent_path().string() +
                           "/toridyne_logo.gif>";
  EXPECT_NE(bytes.find(logo), std::string::npos) << "images come from beside the program";
  EXPECT_NE(bytes.find(">\xB0"
                       "C</font>"),
            std::string::npos);
  EXPECT_EQ(bytes.find('\n'), std::string::npos);
}

TEST_F(ReportOption, AnUnpublishedRunWritesNoReportAndSaysSo) {
  const std::filesystem::path report = folder / "kept.htm";
  test::WriteFile(report, "earlier report");
  const CliResult result = RunCli({"design", "--efficiency", "80", "--report", report.string()});
  EXPECT_EQ(result.status, 1);
  const std::string said =
      "pfc-core: no report written to " + report.string() + ": the design was not published\n";
  ASSERT_GE(result.err.size(), said.size());
  EXPECT_EQ(result.err.substr(result.err.size() - said.size()), said) << "after the run's text";
  EXPECT_EQ(ReadFile(report), "earlier report");
}

TEST_F(ReportOption, AFailedWriteIsAClearMessageAndStatusOne) {
  test::WriteFile(folder / "plain", "a file, not a folder");
  const std::string report = (folder / "plain" / "report.htm").string();
  const CliResult result = RunCli({"design", "--json", "--report", report});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "pfc-core: Cannot write " + report + ": Not a directory\n");
  EXPECT_EQ(nlohmann::json::parse(result.out)["status"], "published");

  const CliResult unnamed = RunCli({"design", "--report", ""});
  EXPECT_EQ(unnamed.status, 1);
  EXPECT_EQ(unnamed.err, "pfc-core: --report needs a file name\n");
}

TEST(ListingJson, HoldsTheThirtyEightLinesInScreenOrder) {
  const CliResult result = RunCli({"design", "--json"});
  ASSERT_EQ(result.status, 0);
  const nlohmann::json listing = nlohmann::json::parse(result.out)["listing"];
  ASSERT_EQ(listing.size(), 38u);
  std::vector<std::string> ids;
  for (const auto& line : listing)
    ids.push_back(line["line"]);
  EXPECT_EQ(ids.front(), "A1");
  EXPECT_EQ(ids[12], "A13");
  EXPECT_EQ(ids[13], "B1");
  EXPECT_EQ(ids[25], "B13");
  EXPECT_EQ(ids.back(), "C12");
  EXPECT_EQ(listing[0], (nlohmann::json{{"line", "A1"},
                                        {"caption", "Input power"},
                                        {"value", "1578.95 Watt"},
                                        {"colour", "black"}}));
  EXPECT_EQ(listing[16]["value"], "156.8 nH/turn²");
  EXPECT_EQ(listing[25]["value"], "70 °C");
  EXPECT_EQ(listing[37]["caption"], "Core Loss");
  EXPECT_EQ(listing[37]["value"], "3.56 W");
}

TEST(ListingJson, FillAboveTheLimitIsRedAndOnlyPublishedRunsHaveAListing) {
  const nlohmann::json tight =
      nlohmann::json::parse(RunCli({"design", "--fill-factor", ".29", "--json"}).out);
  EXPECT_EQ(tight["listing"][1]["value"], "0.299");
  EXPECT_EQ(tight["listing"][1]["colour"], "red");
  const nlohmann::json rejected =
      nlohmann::json::parse(RunCli({"design", "--efficiency", "80", "--json"}).out);
  EXPECT_FALSE(rejected.contains("listing"));
}

}  // namespace
}  // namespace pfc
