#include "ui/qt/viewer/html_file_loading.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineView>

namespace pfc {
namespace {

// The browser's longest URL (2 MiB characters).
constexpr qsizetype kLongestUrl = 2 * 1024 * 1024;

// Where a meta declaration has to stand to count.
constexpr qsizetype kPrescanBytes = 1024;

// A report is some 16 KB; a file far beyond that is no page the viewer should hand the browser.
constexpr qint64 kLargestPage = 16 * 1024 * 1024;

// Where binary data shows itself.
constexpr qsizetype kSniffedBytes = 8192;

const QString kWindows1252Html = QStringLiteral("text/html;charset=windows-1252");

bool IsUnreservedUrlByte(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

bool DeclaresCharacterSet(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
      bytes.startsWith("\xFE\xFF")) {
    return true;
  }
  return bytes.left(kPrescanBytes).toLower().contains("charset");
}

bool HoldsBinaryData(const QByteArray& bytes) {
  // UTF-16 text has a zero byte in every ASCII character.
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    return false;
  }
  return bytes.startsWith("%PDF-") || bytes.left(kSniffedBytes).contains('\0');
}

bool FitsInContentUrl(const QByteArray& bytes, const QString& mimeType) {
  // "data:" + type + "," + the bytes, each reserved byte written as three characters.
  qsizetype length = 5 + mimeType.toUtf8().size() + 1;
  for (const char byte : bytes) {
    length += IsUnreservedUrlByte(static_cast<unsigned char>(byte)) ? 1 : 3;
    if (length > kLongestUrl) {
      return false;
    }
  }
  return true;
}

std::optional<QString> ShowHtmlFile(QWebEngineView& view, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return file.errorString();
  }
  if (file.size() > kLargestPage) {
    return QStringLiteral("%1 is not a report: it is larger than %2 MiB.")
        .arg(path)
        .arg(kLargestPage / (1024 * 1024));
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    return file.errorString();
  }
  if (HoldsBinaryData(bytes)) {
    return QStringLiteral("%1 is not a report: it holds binary data, not an HTML page.").arg(path);
  }
  const QUrl location = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (!DeclaresCharacterSet(bytes) && FitsInContentUrl(bytes, kWindows1252Html)) {
    view.setContent(bytes, kWindows1252Html, location);
  } else {
    view.load(location);
  }
  return std::nullopt;
}

}  // namespace pfc
