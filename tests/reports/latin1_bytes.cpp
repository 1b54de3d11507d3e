#include "tests/reports/latin1_bytes.h"

#include <gtest/gtest.h>

namespace pfc::test {

std::string Latin1Bytes(std::string_view utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[++i]);
      bytes.push_back(static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F)));
    } else {
      EXPECT_LT(byte, 0x80) << "expected text holds a character beyond Latin-1";
      bytes.push_back(static_cast<char>(byte));
    }
  }
  return bytes;
}

}  // namespace pfc::test
