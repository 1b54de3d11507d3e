#include "ui/qt/report_viewer_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace pfc {

QString DefaultReportViewerModulePath() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString besideProgram = programFolder + QStringLiteral("/libpfc_report_viewer.so");
  if (QFileInfo::exists(besideProgram))
    return besideProgram;  // a build tree
  return QDir::cleanPath(
      programFolder + QStringLiteral("/" PFC_INSTALLED_MODULE_FOLDER "/libpfc_report_viewer.so"));
}

ReportViewerHost::ReportViewerHost(ui::Toolkit& toolkit, const DesignRecord& record,
                                   QString modulePath)
    : toolkit_(toolkit), record_(record), modulePath_(std::move(modulePath)) {}

// The module itself stays loaded: the browser's threads may outlive the last window.
ReportViewerHost::~ReportViewerHost() = default;

std::optional<std::string> ReportViewerHost::ShowReport(const std::string& reportPath) {
  if (!viewer_) {
    QLibrary module(modulePath_);
    const auto create =
        reinterpret_cast<CreateReportViewerFunction>(module.resolve(kCreateReportViewerSymbol));
    if (create == nullptr) {
      return "The report viewer could not be started: " + module.errorString().toStdString();
    }
    viewer_.reset(create(toolkit_, record_));
  }
  viewer_->ShowReport(reportPath);
  return std::nullopt;
}

bool ReportViewerHost::IsViewerLoaded() const {
  return viewer_ && viewer_->IsLoaded();
}

void ReportViewerHost::UnloadViewer() {
  if (viewer_) {
    viewer_->Unload();
  }
}

}  // namespace pfc
