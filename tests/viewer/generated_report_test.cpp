// The viewer on the report as the report writer makes it, pictures and all.
#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include "reports/summary/report_writer.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "tests/viewer/stand_in_forms.h"
#include "tests/viewer/viewer_test_support.h"
#include "ui/qt/viewer/html_report_window.h"

namespace pfc {
namespace {

constexpr int kWaitMilliseconds = 20000;

ResultSummary HotDesignSummary() {
  ResultSummary summary;
  summary.txtFrequency = "100000";
  summary.txtInductance = "0.00015";
  summary.txtAmbientTemp = "50";
  summary.txtOutCoreSize = "TD-07";
  summary.txtNoOfTurns = "57";
  summary.txtZeroInductance = "212";
  summary.txtFullInductance = "150";
  summary.txtTotalTemp = " > 155°C";
  return summary;
}

class GeneratedReport : public ::testing::Test {
 protected:
  GeneratedReport() : toolkit_(registry_) {
    record_.CalcType = CalcSelects;
    record_.CoresToStack = 1;
    ReportSurroundings surroundings;
    surroundings.environment = [this](const std::string& name) -> std::optional<std::string> {
      return name == "TEMP" ? std::optional<std::string>(temp_.Path().string()) : std::nullopt;
    };
    written_ = WriteReport(HotDesignSummary(), record_, tempFolder_, surroundings);
    auto dialogs = std::make_unique<test::ScriptedDialogs>();
    dialogs_ = dialogs.get();
    window_ = new frmHtmlReport(toolkit_, tempFolder_, std::move(dialogs));
  }
  ~GeneratedReport() override { delete window_.data(); }

  bool ShowAndWait(const std::string& path) {
    QSignalSpy loaded(&window_->wb(), &QWebEngineView::loadFinished);
    window_->ShowFile(QString::fromStdString(path));
    return loaded.wait(kWaitMilliseconds) && loaded.constFirst().constFirst().toBool();
  }

  test::ScratchFolder temp_;
  DesignRecord record_;
  std::string tempFolder_;  // where the report went
  FileWriteResult written_;
  ui::FormRegistry registry_ = test::StandInForms();
  ui::RecordingToolkit toolkit_;
  test::ScriptedDialogs* dialogs_ = nullptr;
  QPointer<frmHtmlReport> window_;
};

TEST_F(GeneratedReport, ShowsItsSignsAndPicturesAndSavedCopyRendersTheSame) {
  ASSERT_TRUE(written_.written) << written_.Message();
  const std::string report = ReportFilePath(tempFolder_);
  ASSERT_TRUE(ShowAndWait(report));

  const QString shown = test::PlainTextOf(window_->wb());
  EXPECT_TRUE(shown.contains(QString::fromUtf8("Hz\tHenries\tWatts\t%\tVolts\tVolts\tVolts\t°C")))
      << shown.toStdString();
  EXPECT_TRUE(shown.contains(QString::fromUtf8("AWG\tµH\tµH\tWatts\tWatts\tWatts\t°C")))
      << shown.toStdString();
  EXPECT_TRUE(shown.contains(QString::fromUtf8("> 155°C"))) << shown.toStdString();
  EXPECT_EQ(test::EvaluateIn(window_->wb(),
                             "Array.from(document.images).filter(i => i.naturalWidth > 0).length")
                .toInt(),
            2);

  dialogs_->saveAnswers.push_back(QString::fromStdString(temp_.File("design1")));
  window_->findChild<QPushButton*>("cmdSave")->click();
  EXPECT_EQ(test::ReadFile(temp_.File("design1.html")), test::ReadFile(report));

  dialogs_->openAnswers.push_back(QString::fromStdString(temp_.File("design1.html")));
  QSignalSpy loaded(&window_->wb(), &QWebEngineView::loadFinished);
  window_->findChild<QPushButton*>("cmdOpen")->click();
  ASSERT_TRUE(loaded.wait(kWaitMilliseconds));
  EXPECT_EQ(test::PlainTextOf(window_->wb()), shown);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(GeneratedReport, PrintReachesThePrintRequest) {
  ASSERT_TRUE(written_.written) << written_.Message();
  ASSERT_TRUE(ShowAndWait(ReportFilePath(tempFolder_)));
  QSignalSpy requested(&window_->wb(), &QWebEngineView::printRequested);

  window_->findChild<QPushButton*>("cmdPrint")->click();

  ASSERT_TRUE(requested.wait(kWaitMilliseconds));
  EXPECT_EQ(dialogs_->printerQuestions, 1);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

}  // namespace
}  // namespace pfc
