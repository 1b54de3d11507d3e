#pragma once

#include <string>
#include <string_view>

namespace pfc::test {

// Latin-1 bytes of UTF-8 text that uses no character above U+00FF: the report's own
// characters ("°", "µ") have the same byte in Windows-1252. Kept here, apart from the code
// under test, so that expected bytes do not come from the encoder being checked.
std::string Latin1Bytes(std::string_view utf8);

}  // namespace pfc::test
