#include "ui/qt/browser_report.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace pfc::ui {

std::optional<std::string> OpenReportInBrowser(const std::string& reportPath) {
  const QUrl url = QUrl::fromLocalFile(QString::fromStdString(reportPath));
  if (QDesktopServices::openUrl(url)) {
    return std::nullopt;
  }
  return "No program is registered to open " + url.toString().toStdString() + ".";
}

}  // namespace pfc::ui
