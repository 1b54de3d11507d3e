#include "reports/summary/report_writer.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/reports/latin1_bytes.h"
#include "tests/reports/report_fixtures.h"
#include "tests/support/expected_files.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ExpectedDocument;
using test::FirstDifference;
using test::FolderEntries;
using test::Latin1Bytes;
using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

class WriteReportTest : public ::testing::Test {
 protected:
  WriteReportTest() {
    test::DefaultDesign(summary, record);
    std::filesystem::create_directory(temp());
    std::filesystem::create_directory(program());
  }
  std::filesystem::path temp() const { return root.Path() / "temp"; }
  std::filesystem::path program() const { return root.Path() / "bin"; }

  ReportSurroundings With(std::map<std::string, std::string> variables) const {
    ReportSurroundings surroundings;
    surroundings.environment = [variables](const std::string& name) -> std::optional<std::string> {
      const auto found = variables.find(name);
      if (found == variables.end())
        return std::nullopt;
      return found->second;
    };
    surroundings.programFolder = program();
    return surroundings;
  }

  std::string ExpectedBytes() const {
    const ReportContact contact = test::MakersContact();
    std::string expected =
        ExpectedDocument("reports/expected/default_design.htm",
                         {{"file:///opt/pfc/bin/", "file://" + program().string() + "/"},
                          {"{support telephone}", contact.telephone},
                          {"{support e-mail}", contact.email}});
    return Latin1Bytes(expected);
  }

  ScratchFolder root;
  ResultSummary summary;
  DesignRecord record;
};

TEST_F(WriteReportTest, WritesTheReportIntoTempWithImagesBesideTheProgram) {
  WriteFile(program() / "toridyne_logo.gif", "GIF89a");
  WriteFile(program() / "gapcore.gif", "GIF89a");
  std::string folder = "stale";

  const FileWriteResult result =
      WriteReport(summary, record, folder, With({{"TEMP", temp().string()}}));

  ASSERT_TRUE(result.written) << result.Message();
  EXPECT_EQ(folder, temp().string());
  EXPECT_EQ(result.path, (temp() / "temp.htm").string());
  const std::string expected = ExpectedBytes();
  const std::string bytes = ReadFile(temp() / "temp.htm");
  EXPECT_EQ(bytes, expected) << FirstDifference(expected, bytes);
}

TEST_F(WriteReportTest, WritingTwiceGivesTheSameFile) {
  const ReportSurroundings surroundings = With({{"TEMP", temp().string()}});
  std::string folder;
  ASSERT_TRUE(WriteReport(summary, record, folder, surroundings).written);
  const std::string first = ReadFile(temp() / "temp.htm");
  ASSERT_TRUE(WriteReport(summary, record, folder, surroundings).written);
  EXPECT_EQ(ReadFile(temp() / "temp.htm"), first);
  EXPECT_EQ(FolderEntries(temp()), std::vector<std::string>{"temp.htm"});
}

TEST_F(WriteReportTest, ReReadsTheFolderForEveryReport) {
  std::filesystem::create_directory(root.Path() / "other");
  std::string folder;
  ASSERT_TRUE(WriteReport(summary, record, folder, With({{"TEMP", temp().string()}})).written);
  ASSERT_TRUE(
      WriteReport(summary, record, folder, With({{"TMPDIR", (root.Path() / "other").string()}}))
          .written);
  EXPECT_EQ(folder, (root.Path() / "other").string());
  EXPECT_TRUE(std::filesystem::exists(root.Path() / "other" / "temp.htm"));
}

TEST_F(WriteReportTest, AnUnwritableFolderIsReportedAndTheOldReportKept) {
  WriteFile(temp() / "temp.htm", "old report");
  const std::string missing = (root.Path() / "no such folder").string();
  std::string folder;
  const FileWriteResult result = WriteReport(summary, record, folder, With({{"TEMP", missing}}));
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.path, missing + "/temp.htm");
  EXPECT_EQ(result.reason, "No such file or directory");
  EXPECT_EQ(folder, missing);
  EXPECT_EQ(ReadFile(temp() / "temp.htm"), "old report");
}

}  // namespace
}  // namespace pfc
