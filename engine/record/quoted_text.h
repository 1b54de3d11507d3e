#pragma once

#include <string>
#include <string_view>

namespace pfc {

// A text of a file in a message: in quotes, and cut short after 40 bytes (never inside a
// UTF-8 character, the cut marked "…"), since it may be any length. A CR, LF or tab shows as
// \r, \n or \t, so that a stray line end can be seen.
std::string QuotedExcerpt(std::string_view text);

}  // namespace pfc
