#include "engine/record/quoted_text.h"

#include <cstddef>

namespace pfc {

std::string QuotedExcerpt(std::string_view text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown)
    return "\"" + std::string(text) + "\"";
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;  // not inside a UTF-8 character
  return "\"" + std::string(text.substr(0, cut)) + "…\"";
}

}  // namespace pfc
