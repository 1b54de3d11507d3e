#include "ui/qt/html_file_loading.h"

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
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    return file.errorString();
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
