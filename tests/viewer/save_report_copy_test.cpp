#include "ui/forms/viewer/save_report_copy.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

// Bytes as the report writer leaves them: one line, Windows-1252 ("°" is 0xB0, "µ" 0xB5).
const std::string kReportBytes =
    "<table><tr><td>50\xB0"
    "C</td><td>150\xB5H</td></tr></table>"
    "<table><tr><td align=center><input type=hidden name=print value=prt "
    "onclick='window.print()'></td></tr></table>";

struct NameCase {
  const char* typed;
  const char* written;
};

void PrintTo(const NameCase& c, std::ostream* out) {
  *out << c.typed;
}

class SavedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SavedName, AppendsHtmlToWhatWasTyped) {
  ScratchFolder folder;
  WriteFile(folder.File("temp.htm"), kReportBytes);

  EXPECT_FALSE(SaveReportCopy(folder.File("temp.htm"), folder.File(GetParam().typed)));

  EXPECT_EQ(ReadFile(folder.File(GetParam().written)), kReportBytes);
  EXPECT_FALSE(fs::exists(folder.File(GetParam().typed)));
}

INSTANTIATE_TEST_SUITE_P(Names, SavedName,
                         ::testing::Values(NameCase{"design1", "design1.html"},
                                           NameCase{"design1.html", "design1.html.html"},
                                           NameCase{"with blank", "with blank.html"}));

struct SuggestionCase {
  const char* partNumber;
  int stack;
  int year, month, day;
  const char* name;
};

class SuggestedName : public ::testing::TestWithParam<SuggestionCase> {};

TEST_P(SuggestedName, IsThePartNumberWithItsStackAndTheDate) {
  const SuggestionCase& c = GetParam();
  EXPECT_EQ(SuggestedReportName(c.partNumber, c.stack, c.year, c.month, c.day), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, SuggestedName,
    ::testing::Values(SuggestionCase{"TD-26", 1, 2026, 12, 7, "TD-26_2026-12-07"},
                      SuggestionCase{"TD-03", 3, 2027, 1, 31, "TD-03x3_2027-01-31"},
                      SuggestionCase{"", 2, 2026, 5, 9, "report_2026-05-09"}));

TEST(SaveReportCopy, ReplacesAnExistingFileAndLeavesNoScratchFile) {
  ScratchFolder folder;
  WriteFile(folder.File("temp.htm"), kReportBytes);
  WriteFile(folder.File("design1.html"), "an older, longer report that must not show through");

  EXPECT_FALSE(SaveReportCopy(folder.File("temp.htm"), folder.File("design1")));

  EXPECT_EQ(ReadFile(folder.File("design1.html")), kReportBytes);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);
}

struct FailureCase {
  const char* name;
  const char* source;  // relative to the folder
  const char* typed;
  const char* detail;  // expected after the first paragraph, with "<dir>" for the folder
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.name;
}

class FailedSave : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailedSave, NamesThePathAndTheReasonAndKeepsTheOldFile) {
  ScratchFolder folder;
  WriteFile(folder.File("temp.htm"), kReportBytes);
  WriteFile(folder.File("plain"), "a regular file");
  WriteFile(folder.File("old.html"), "old report");

  const std::optional<Message> message =
      SaveReportCopy(folder.File(GetParam().source), folder.File(GetParam().typed));

  ASSERT_TRUE(message.has_value());
  std::string detail = GetParam().detail;
  detail.replace(detail.find("<dir>"), 5, folder.Path().string());
  EXPECT_EQ(message->text, "The report could not be saved.\r\n\r\n" + detail);
  EXPECT_EQ(message->title, "Caution");
  EXPECT_EQ(message->icon, MessageIcon::Information);
  EXPECT_EQ(ReadFile(folder.File("old.html")), "old report");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSave,
    ::testing::Values(FailureCase{"ReportMissing", "gone.htm", "old",
                                  "Cannot read <dir>/gone.htm: No such file or directory"},
                      FailureCase{"TargetBelowARegularFile", "temp.htm", "plain/old",
                                  "Cannot write <dir>/plain/old.html: Not a directory"},
                      FailureCase{"TargetFolderMissing", "temp.htm", "absent/old",
                                  "Cannot write <dir>/absent/old.html: No such file or directory"},
                      FailureCase{"ReportIsAFolder", ".", "old",
                                  "Cannot read <dir>/.: Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// Lowers the largest file this process may write, so that even root's writes fail part-way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(SaveReportCopy, WriteFailingPartWayKeepsTheOldFileWholeAndLeavesNoScratchFile) {
  ScratchFolder folder;
  WriteFile(folder.File("temp.htm"), kReportBytes);
  WriteFile(folder.File("design1.html"), "old report");

  std::optional<Message> message;
  {
    FileSizeLimit limit(16);
    message = SaveReportCopy(folder.File("temp.htm"), folder.File("design1"));
  }

  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, "The report could not be saved.\r\n\r\nCannot write " +
                               folder.File("design1.html") + ": File too large");
  EXPECT_EQ(ReadFile(folder.File("design1.html")), "old report");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);
}

}  // namespace
}  // namespace pfc
