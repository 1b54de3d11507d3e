#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/desktop_browser_platform.h"
#include "app/information_options.h"
#include "app/launch_web_site.h"
#include "app/startup_report.h"
#include "engine/method/version.h"
#include "reports/summary/image_sources.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/form_pictures.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/common/file_dialog_guard.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/find_designs/find_designs_widgets.h"
#include "ui/qt/material_fit/material_fit_chart.h"
#include "ui/qt/operating_check/operating_check_widgets.h"
#include "ui/qt/toolkit/open_file_dialog.h"
#include "ui/qt/toolkit/qt_toolkit.h"
#include "ui/qt/toolkit/recent_designs_store.h"
#include "ui/qt/toolkit/save_file_dialog.h"
#include "ui/qt/viewer_host/report_viewer_host.h"

namespace {

// The decimal separator of the user's locale when it is a single plain character.
char LocaleDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode())
                                                        : '.';
}

// Where the windows' pictures are: beside the executable in a build tree, in the data
// folder once installed.
QString PictureFolder() {
  const std::filesystem::path sideStrip =
      pfc::FindDataFile(pfc::ExecutableFolder(), pfc::ui::kSideStripPicture);
  return sideStrip.empty() ? QCoreApplication::applicationDirPath()
                           : QString::fromStdString(sideStrip.parent_path().string());
}

}  // namespace

int main(int argc, char** argv) {
  const auto enteredMain = std::chrono::steady_clock::now();
  if (const std::optional<int> status =
          pfc::app::AnswerInformationOptions(argc, argv, pfc::app::kDesignerInformation, std::cout))
    return *status;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(pfc::kApplicationTitle));
  // No display name: the platform would append it to every window and message title, and
  // the titles are the windows' own captions.
  QApplication::setApplicationVersion(
      QString::fromUtf8(pfc::kVersion.data(), pfc::kVersion.size()));
  // Lets the desktop match the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("pfc-core-designer"));
  // Hidden windows still count as loaded; the toolkit ends the program itself.
  QApplication::setQuitOnLastWindowClosed(false);
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);  // honours the windows' colours on every desktop
  }
  pfc::ui::GuardFileDialogs();

  pfc::ui::DesktopSession session;
  session.decimalSeparator = LocaleDecimalSeparator();
  // Qt has taken its own options out of the arguments by now.
  session.designFile.pending = pfc::app::DesignFileArgument(argc, argv);
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();

  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  const QString pictureFolder = PictureFolder();
  const QString windowIcon = pictureFolder + QStringLiteral("/pfc-core-designer.png");
  QApplication::setWindowIcon(QIcon(windowIcon));
  pfc::ui::QtToolkit toolkit(registry, pictureFolder);
  pfc::ui::AddCompareCoresWidgets(toolkit, session);
  pfc::ui::AddOperatingCheckWidgets(toolkit, session);
  pfc::ui::AddMaterialFitWidgets(toolkit, session.materialFit);
  pfc::ui::AddFindDesignsWidgets(toolkit, session);
  services.chooseSaveFile = pfc::ui::ChooseSaveFileWithDialog;
  services.chooseTypedSaveFile = pfc::ui::ChooseTypedSaveFileWithDialog;
  services.chooseOpenFile = pfc::ui::ChooseOpenFileWithDialog;
  services.loadRecentDesigns = pfc::ui::LoadRecentDesigns;
  services.saveRecentDesigns = pfc::ui::SaveRecentDesigns;
  services.drawFormAsPdf = [&toolkit](std::string_view form) {
    return pfc::ui::DrawFormAsPdf(toolkit, form);
  };
  // The report viewer, and with it the embedded browser, is a program of its own, started by
  // the first report: the browser needs OpenGL set up before its application object exists,
  // which would load the OpenGL driver into every session here.
  pfc::ReportViewerHost viewer(toolkit, session.record, session.tempFolder,
                               pfc::DefaultReportViewerProgramPath(),
                               {QStringLiteral("--window-icon"), windowIcon});
  services.showReport = [&viewer](const std::string& path) { return viewer.ShowReport(path); };
  services.closeReport = [&viewer] { viewer.UnloadViewer(); };
  services.launchWebSite = [](const std::string& tempFolder) {
    pfc::ui::DesktopBrowserPlatform platform;
    return pfc::ui::LaunchWebSite(tempFolder, platform);
  };

  // PFC_STARTUP_REPORT=1: print how long the disclaimer took to appear, the memory in use at
  // that moment and where the program's files were found, then quit.
  if (const char* probe = std::getenv("PFC_STARTUP_REPORT"); probe != nullptr && *probe != '\0') {
    toolkit.SetFirstShownHandler([enteredMain, pictureFolder] {
      const auto inMain = std::chrono::duration_cast<std::chrono::milliseconds>(
          std::chrono::steady_clock::now() - enteredMain);
      std::printf("disclaimer shown: %ld ms after process start (%lld ms after main), VmRSS %s\n",
                  pfc::app::MillisecondsSinceProcessStart(), static_cast<long long>(inMain.count()),
                  pfc::app::ResidentMemory().c_str());
      // Where the program found its files, so that an installed copy can be checked.
      std::printf("pictures: %s\nviewer program: %s\n", qPrintable(pictureFolder),
                  qPrintable(pfc::DefaultReportViewerProgramPath()));
      std::fflush(stdout);
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
  }

  toolkit.Show(pfc::ui::kEnterForm);
  return QApplication::exec();
}
