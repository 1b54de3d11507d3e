#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pfc::ui {

// The code points of a UTF-8 text; a malformed byte stands for itself.
std::vector<char32_t> DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& text, char32_t codePoint);
// Bytes of the last code point before the position (0 at the start).
std::size_t LengthOfCodePointBefore(std::string_view text, std::size_t position);

}  // namespace pfc::ui
