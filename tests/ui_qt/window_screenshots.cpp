// Walks through the windows of a design session on the Qt toolkit and saves a picture of
// each one: window_screenshots <folder>. Used to look at the layouts and to draw the
// pictures of the documentation, not run by CTest. The report viewer's browser needs a real
// display: run it under xvfb-run, not on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <cstdio>

#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/compare_cores/compare_cores_table.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/find_designs/find_designs_widgets.h"
#include "ui/qt/operating_check/operating_check_widgets.h"
#include "ui/qt/toolkit/qt_toolkit.h"
#include "ui/qt/viewer/html_report_window.h"

namespace {

// The browser draws the report a while after the window appears.
constexpr int kReportLoadMilliseconds = 3000;

void SaveWidget(QWidget* window, const QString& folder, const char* name) {
  QTest::qWait(100);
  const QString path = folder + "/" + name + ".png";
  if (window == nullptr || !window->grab().save(path)) {
    std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    return;
  }
  std::printf("%s\n", qPrintable(path));
}

void Save(pfc::ui::QtToolkit& kit, const char* form, const QString& folder, const char* name) {
  SaveWidget(kit.Window(form), folder, name);
}

}  // namespace

int main(int argc, char** argv) {
  // As in the report viewer program: the browser shares OpenGL contexts with the windows.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_screenshots <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  QApplication::setStyle(QStringLiteral("Fusion"));

  pfc::ui::DesktopSession session;
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();
  std::vector<pfc::Message> messages;
  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  pfc::ui::QtToolkit kit(registry, QCoreApplication::applicationDirPath());
  pfc::ui::AddCompareCoresWidgets(kit, session);
  pfc::ui::AddOperatingCheckWidgets(kit, session);
  pfc::ui::AddFindDesignsWidgets(kit, session);
  // The report viewer's window in this process (the designer starts a program for it), so
  // that its picture can be taken like the others'.
  QPointer<pfc::frmHtmlReport> viewer;
  services.showReport = [&](const std::string& path) -> std::optional<std::string> {
    viewer = new pfc::frmHtmlReport(kit, session.tempFolder);
    viewer->ShowFile(QString::fromStdString(path));
    return std::nullopt;
  };
  kit.SetMessagePresenter([&messages](const pfc::Message& m) { messages.push_back(m); });

  using namespace pfc::ui;
  kit.Show(kEnterForm);
  Save(kit, kEnterForm, folder, "disclaimer");
  QTest::mouseClick(kit.Widget(kEnterForm, "cmdProcess"), Qt::LeftButton);
  Save(kit, kInputForm, folder, "input-form");
  QTest::mouseClick(kit.Widget(kInputForm, "chkPickCore"), Qt::LeftButton, {}, QPoint(8, 10));
  kit.Choose(kInputForm, "txtCoreSize", 31);
  Save(kit, kInputForm, folder, "input-form-pick-list");
  QTest::mouseClick(kit.Widget(kInputForm, "chkCalcCore"), Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  Save(kit, kSummaryForm, folder, "summary");
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdIinterOutput"), Qt::LeftButton);
  Save(kit, kListingForm, folder, "calculations");
  QTest::mouseClick(kit.Widget(kListingForm, "cmdExit"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdCompareCores"), Qt::LeftButton);
  if (auto* table = dynamic_cast<CompareCoresTable*>(kit.Widget(kCompareCoresForm, "grdDesigns"))) {
    table->sortByColumn(8, Qt::AscendingOrder);  // total loss, lowest first
    table->selectRow(2);
    table->scrollToTop();
  }
  Save(kit, kCompareCoresForm, folder, "compare-cores");
  kit.Unload(kCompareCoresForm);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  Save(kit, kOperatingCheckForm, folder, "operating-check");
  kit.Unload(kOperatingCheckForm);
  QTest::mouseClick(kit.Widget(kSummaryForm, kCmdFindDesigns), Qt::LeftButton);
  while (session.foundDesigns.Running())
    QTest::qWait(50);
  session.foundDesigns.Pick(0);
  Save(kit, kFindDesignsForm, folder, "find-designs");
  kit.Unload(kFindDesignsForm);
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdReport"), Qt::LeftButton);
  QTest::qWait(kReportLoadMilliseconds);
  SaveWidget(viewer, folder, "report-viewer");
  delete viewer.data();
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdExit"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdHelp"), Qt::LeftButton);
  Save(kit, kDirectionsForm, folder, "directions");
  for (const pfc::Message& m : messages) {
    std::printf("message [%s]: %s\n", m.title.c_str(), m.text.c_str());
  }
  return 0;
}
