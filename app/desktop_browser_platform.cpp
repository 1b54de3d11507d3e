#include "app/desktop_browser_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pfc::ui {
namespace {

// xdg-mime reads a few small files; a desktop that takes longer than this is treated as
// having no browser rather than freezing the window.
constexpr int kQueryWaitMilliseconds = 10000;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

int DesktopBrowserPlatform::FindHtmlHandler(const std::string& fileName,
                                            const std::string& folder) {
  const QString folderPath = folder.empty() ? QDir::rootPath() : FromUtf8(folder);
  if (!QFileInfo(folderPath).isDir()) {
    return kLookupPathNotFound;
  }
  if (!QFileInfo::exists(QDir(folderPath).filePath(FromUtf8(fileName)))) {
    return kLookupFileNotFound;
  }

  // The scratch file is empty, so its content type would read as "empty file"; the
  // question is which program opens web pages, and that is asked directly.
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
  if (!query.waitForStarted()) {
    return kLookupNoAssociation;
  }
  if (!query.waitForFinished(kQueryWaitMilliseconds)) {
    query.kill();
    query.waitForFinished();
    return kLookupNoAssociation;
  }
  const bool answered = query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0;
  if (!answered || query.readAllStandardOutput().trimmed().isEmpty()) {
    return kLookupNoAssociation;
  }
  return kLookupFound;
}

int DesktopBrowserPlatform::OpenUrl(const std::string& url) {
  // Detached: xdg-open may stay until the browser exits, and the browser is not watched.
  return QProcess::startDetached(QStringLiteral("xdg-open"), {FromUtf8(url)}) ? kOpenStarted
                                                                              : kOpenFailed;
}

}  // namespace pfc::ui
