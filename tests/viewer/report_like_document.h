#pragma once

#include <string>

namespace pfc::test {

// A document laid out like the design report: the style attributes, one line, Windows-1252
// bytes for "°" and "µ", no character-set declaration, an image given by a file URL, and
// (when asked for) the hidden print hook at the end. The browser's own guessing reads such
// a page as a far-eastern character set.
std::string ReportLikeDocument(const std::string& imageUrl, const std::string& marker,
                               bool withPrintHook = true);

// Writes a small picture for the document to show; returns its file URL.
std::string WritePicture(const std::string& path);

}  // namespace pfc::test
