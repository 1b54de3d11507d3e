#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <fstream>
#include <iterator>

#include "tests/support/file_bytes.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "tests/viewer/report_like_document.h"
#include "tests/viewer/stand_in_forms.h"
#include "ui/qt/report_viewer_host.h"

namespace pfc {
namespace {

bool WebEngineIsMapped() {
  std::ifstream maps("/proc/self/maps");
  const std::string text{std::istreambuf_iterator<char>(maps), std::istreambuf_iterator<char>()};
  return text.find("libQt6WebEngineCore") != std::string::npos;
}

QWidget* ViewerWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QStringLiteral("frmHtmlReport") && widget->isVisible()) {
      return widget;
    }
  }
  return nullptr;
}

// One test only: once the module is in, it stays for the life of the process.
TEST(ReportViewerModule, BrowserIsLoadedOnlyWhenTheFirstReportIsShown) {
  test::ScratchFolder temp;
  DesignRecord record;
  record.TempFolder = temp.Path().string();
  const std::string report = temp.File("temp.htm");
  test::WriteFile(report, test::ReportLikeDocument("", "150"));
  ui::FormRegistry registry = test::StandInForms();
  ui::RecordingToolkit toolkit(registry);

  ReportViewerHost missing(toolkit, record, QString::fromStdString(temp.File("libabsent.so")));
  const std::optional<std::string> failure = missing.ShowReport(report);
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("libabsent.so"), std::string::npos) << *failure;
  EXPECT_FALSE(missing.IsViewerLoaded());

  ReportViewerHost host(toolkit, record);
  EXPECT_FALSE(WebEngineIsMapped());
  EXPECT_FALSE(host.IsViewerLoaded());

  EXPECT_FALSE(host.ShowReport(report).has_value());

  EXPECT_TRUE(WebEngineIsMapped());
  EXPECT_TRUE(host.IsViewerLoaded());
  QWidget* window = ViewerWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("PFC Core Design  Report"));
  const QWidget* view = window->findChild<QWidget*>(QStringLiteral("wb"));
  ASSERT_NE(view, nullptr);
  EXPECT_STREQ(view->metaObject()->className(), "QWebEngineView");

  host.UnloadViewer();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !host.IsViewerLoaded(); }, 20000));
}

}  // namespace
}  // namespace pfc
