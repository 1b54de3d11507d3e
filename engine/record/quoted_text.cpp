#include "engine/record/quoted_text.h"

#include <algorithm>
#include <cstddef>

namespace pfc {

std::string QuotedExcerpt(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::size_t cut = std::min(text.size(), kShown);
  while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;  // not inside a UTF-8 character
  std::string quoted = "\"";
  for (const char c : text.substr(0, cut)) {
    switch (c) {
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + (cut < text.size() ? "…\"" : "\"");
}

}  // namespace pfc
