#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <fstream>
#include <iterator>

#include "tests/support/file_bytes.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "tests/viewer/report_like_document.h"
#include "tests/viewer/stand_in_forms.h"
#include "ui/forms/viewer/viewer_protocol.h"
#include "ui/qt/viewer_host/report_viewer_host.h"

namespace pfc {
namespace {

constexpr int kWaitMilliseconds = 30000;

bool BrowserIsMappedIn(const std::string& process) {
  std::ifstream maps("/proc/" + process + "/maps");
  const std::string text{std::istreambuf_iterator<char>(maps), std::istreambuf_iterator<char>()};
  return text.find("libQt6WebEngineCore") != std::string::npos;
}

// The designer's windows as after a published run (the input form hidden behind the
// summary), and a generated report in the temporary folder.
class ViewerProgram : public ::testing::Test {
 protected:
  ViewerProgram() : toolkit_(registry_) {
    record_.CalcType = CalcSelects;
    report_ = temp_.File("temp.htm");
    test::WriteFile(report_, test::ReportLikeDocument("", "150"));
    toolkit_.Show("frmXls");
    toolkit_.Hide("frmXls");
    toolkit_.Show("frmResult");
  }

  // A stand-in viewer: a script that keeps the request it read and then runs `then`.
  QString StandIn(const std::string& then) {
    const std::string path = temp_.File("stand-in-viewer");
    test::WriteFile(path, "#!/bin/sh\nIFS= read -r request\nprintf '%s\\n' \"$request\" > " +
                              temp_.File("request") + "\n" + then + "\n");
    ::chmod(path.c_str(), 0755);
    return QString::fromStdString(path);
  }

  bool WaitUntilEnded(const ReportViewerHost& host) {
    return QTest::qWaitFor([&] { return !host.IsViewerLoaded(); }, kWaitMilliseconds);
  }

  test::ScratchFolder temp_;
  std::string tempFolder_ = temp_.Path().string();
  DesignRecord record_;
  std::string report_;
  ui::FormRegistry registry_ = test::StandInForms();
  ui::RecordingToolkit toolkit_;
};

TEST_F(ViewerProgram, MissingProgramIsReportedByName) {
  ReportViewerHost host(toolkit_, record_, tempFolder_,
                        QString::fromStdString(temp_.File("absent-viewer")));

  const std::optional<std::string> failure = host.ShowReport(report_);

  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("absent-viewer"), std::string::npos) << *failure;
  EXPECT_FALSE(host.IsViewerLoaded());
}

// The browser runs in the viewer's process only, and ends with the designer's host.
TEST_F(ViewerProgram, BrowserRunsInTheViewerProcessAndEndsWithTheDesigner) {
  std::string viewerProcess;
  {
    ReportViewerHost host(toolkit_, record_, tempFolder_);
    ASSERT_FALSE(host.ShowReport(report_).has_value());
    viewerProcess = std::to_string(host.ViewerProcessId());
    ASSERT_NE(viewerProcess, "0");

    EXPECT_TRUE(
        QTest::qWaitFor([&] { return BrowserIsMappedIn(viewerProcess); }, kWaitMilliseconds));
    EXPECT_FALSE(BrowserIsMappedIn("self"));
  }
  EXPECT_NE(::kill(std::stoi(viewerProcess), 0), 0);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ViewerProgram, ClosedByTheDesignerWithoutAWord) {
  ReportViewerHost host(toolkit_, record_, tempFolder_);
  ASSERT_FALSE(host.ShowReport(report_).has_value());
  const std::string viewerProcess = std::to_string(host.ViewerProcessId());
  ASSERT_TRUE(QTest::qWaitFor([&] { return BrowserIsMappedIn(viewerProcess); }, kWaitMilliseconds));

  host.UnloadViewer();

  EXPECT_TRUE(WaitUntilEnded(host));
  EXPECT_TRUE(toolkit_.Messages().empty());
  EXPECT_TRUE(toolkit_.IsVisible("frmResult"));
}

TEST_F(ViewerProgram, CrashLeavesTheDesignerWithACautionAndTheNextReportStartsAnew) {
  ReportViewerHost host(toolkit_, record_, tempFolder_);
  ASSERT_FALSE(host.ShowReport(report_).has_value());
  const qint64 crashed = host.ViewerProcessId();
  ASSERT_TRUE(QTest::qWaitFor([&] { return BrowserIsMappedIn(std::to_string(crashed)); },
                              kWaitMilliseconds));

  ::kill(static_cast<pid_t>(crashed), SIGSEGV);

  ASSERT_TRUE(WaitUntilEnded(host));
  ASSERT_EQ(toolkit_.Messages().size(), 1u);
  EXPECT_EQ(toolkit_.Messages().front().title, "Caution");
  EXPECT_TRUE(toolkit_.IsVisible("frmResult"));
  ASSERT_FALSE(host.ShowReport(report_).has_value());
  EXPECT_NE(host.ViewerProcessId(), crashed);
  EXPECT_NE(host.ViewerProcessId(), 0);
}

TEST_F(ViewerProgram, HearsTheRequestForTheReportAndTheTemporaryFolder) {
  ReportViewerHost host(toolkit_, record_, tempFolder_, StandIn("exit 0"));

  ASSERT_FALSE(host.ShowReport(report_).has_value());

  ASSERT_TRUE(WaitUntilEnded(host));
  // The third field, the name to offer for a copy, carries the day: the test reads past it.
  const std::string line = test::ReadFile(temp_.File("request"));
  const std::optional<ShowReportRequest> request =
      ParseRequestLine(std::string_view(line).substr(0, line.find('\n')));
  ASSERT_TRUE(request.has_value()) << line;
  EXPECT_EQ(request->reportPath, report_);
  EXPECT_EQ(request->tempFolder, tempFolder_);
  EXPECT_FALSE(request->suggestedName.empty());
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ViewerProgram, BackBringsTheSummaryForward) {
  toolkit_.UserClose("frmResult");
  ReportViewerHost host(toolkit_, record_, tempFolder_, StandIn("echo shown; echo back"));

  ASSERT_FALSE(host.ShowReport(report_).has_value());

  ASSERT_TRUE(WaitUntilEnded(host));
  EXPECT_TRUE(toolkit_.IsVisible("frmResult"));
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ViewerProgram, ViewerThatFailsIsReportedWithItsStatus) {
  ReportViewerHost host(toolkit_, record_, tempFolder_, StandIn("exit 3"));

  ASSERT_FALSE(host.ShowReport(report_).has_value());

  ASSERT_TRUE(WaitUntilEnded(host));
  ASSERT_EQ(toolkit_.Messages().size(), 1u);
  EXPECT_NE(toolkit_.Messages().front().text.find("exit status 3"), std::string::npos);
  EXPECT_TRUE(toolkit_.IsVisible("frmResult"));
}

struct ResetCase {
  std::int16_t calcType;
  int items;
  int chosen;
};

void PrintTo(const ResetCase& c, std::ostream* out) {
  *out << "CalcType " << c.calcType;
}

class ResettingTheDesign : public ViewerProgram, public ::testing::WithParamInterface<ResetCase> {};

// The viewer only says "reset-design"; the designer's record decides what the core list
// becomes.
TEST_P(ResettingTheDesign, ClosesTheSummaryAndReturnsToTheInputForm) {
  record_.CalcType = GetParam().calcType;
  ReportViewerHost host(toolkit_, record_, tempFolder_, StandIn("echo shown; echo reset-design"));

  ASSERT_FALSE(host.ShowReport(report_).has_value());

  ASSERT_TRUE(WaitUntilEnded(host));
  EXPECT_FALSE(toolkit_.IsLoaded("frmResult"));
  EXPECT_TRUE(toolkit_.IsVisible("frmXls"));
  EXPECT_EQ(toolkit_.ItemCount("frmXls", "txtCoreSize"), GetParam().items);
  EXPECT_EQ(toolkit_.ChosenPosition("frmXls", "txtCoreSize"), GetParam().chosen);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(CalcTypes, ResettingTheDesign,
                         ::testing::Values(ResetCase{CalcSelects, 0, -1},
                                           ResetCase{DesignerPicks, 3, 0}));

// Standard error of this process, and so of the viewer it starts, goes to a file while the
// object lives.
class CapturedStandardError {
 public:
  explicit CapturedStandardError(const std::string& path)
      : saved_(::dup(STDERR_FILENO)), path_(path) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
  }
  ~CapturedStandardError() {
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  std::string Text() const { return test::ReadFile(path_); }

 private:
  int saved_;
  std::string path_;
};

struct LogCase {
  const char* label;
  bool debug;  // PFC_DEBUG set
  bool logs;
};

void PrintTo(const LogCase& c, std::ostream* out) {
  *out << c.label;
}

class BrowserLog : public ViewerProgram, public ::testing::WithParamInterface<LogCase> {};

TEST_P(BrowserLog, ReachesTheDesignersTerminalOnlyWhenAskedFor) {
  if (GetParam().debug)
    ::setenv("PFC_DEBUG", "1", 1);
  std::string logged;
  {
    const CapturedStandardError captured(temp_.File("stderr"));
    ReportViewerHost host(toolkit_, record_, tempFolder_);
    ASSERT_FALSE(host.ShowReport(report_).has_value());
    const std::string viewer = std::to_string(host.ViewerProcessId());
    EXPECT_TRUE(QTest::qWaitFor([&] { return BrowserIsMappedIn(viewer); }, kWaitMilliseconds));
    // The browser logs as it starts; a quiet one is given the same time to say something.
    (void)QTest::qWaitFor([&] { return !captured.Text().empty(); }, 3000);
    host.UnloadViewer();
    EXPECT_TRUE(WaitUntilEnded(host));
    logged = captured.Text();
  }
  ::unsetenv("PFC_DEBUG");
  EXPECT_EQ(!logged.empty(), GetParam().logs) << logged;
}

INSTANTIATE_TEST_SUITE_P(Debugging, BrowserLog,
                         ::testing::Values(LogCase{"quiet", false, false},
                                           LogCase{"PFC_DEBUG", true, true}));

}  // namespace
}  // namespace pfc
