#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWebEngineView;

namespace pfc {

// True when the file names its own character set: a byte-order mark, or the word "charset"
// in the first 1024 bytes, where a browser looks for a meta declaration.
bool DeclaresCharacterSet(const QByteArray& bytes);

// True when the bytes are no text page: a PDF, or a zero byte near the start (a picture, an
// archive, a program), unless a UTF-16 byte-order mark says the zeros belong to the text.
bool HoldsBinaryData(const QByteArray& bytes);

// True when QWebEngineView::setContent can show the bytes: it hands them over as a
// percent-encoded data: URL, and the browser drops URLs longer than 2 MiB characters.
bool FitsInContentUrl(const QByteArray& bytes, const QString& mimeType);

// Shows a local HTML file in the view. The reports carry no character-set declaration and
// are Windows-1252, which the browser's guessing gets wrong ("°" and "µ" come out as
// other characters), so an undeclared file goes in as content with that character set,
// its own location as base so that its images resolve. A file that declares its character
// set, or is too large for content, is navigated to directly. Returns why when the file
// cannot be read, is far larger than any report or holds binary data; the view is then left
// as it was.
std::optional<QString> ShowHtmlFile(QWebEngineView& view, const QString& path);

}  // namespace pfc
