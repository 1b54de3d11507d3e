#pragma once

#include <string>
#include <string_view>

namespace pfc {

// Turns UTF-8 text into the Windows-1252 single-byte character set ("°" becomes 0xB0, "µ"
// 0xB5, "€" 0x80). The report is HTML without a character-set declaration, so a character
// the code page lacks is written as a decimal character reference ("Ω" becomes "&#937;"):
// a browser still shows the right character and no byte of the file is ambiguous. Malformed
// UTF-8 (stray or missing continuation bytes, overlong forms, surrogates, values beyond
// U+10FFFF) becomes "&#65533;", the replacement character, one per offending byte.
std::string EncodeWindows1252(std::string_view utf8);

}  // namespace pfc
