#include "reports/summary/windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pfc {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char32_t, 32> kHighControlsBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned char> ByteOf(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControlsBlock.size(); ++i) {
    if (kHighControlsBlock[i] != 0 && kHighControlsBlock[i] == codePoint) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  // The C1 controls U+0080..U+009F have no byte either; a reference to them would be read
  // by browsers as the code page's characters, so they count as unencodable below.
  return std::nullopt;
}

struct Decoded {
  char32_t codePoint;
  std::size_t length;  // bytes consumed
};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes one code point at the front of the text; a malformed sequence consumes one byte
// and yields the replacement character.
Decoded DecodeOne(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80)
    return {lead, 1};
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;  // below this the form is overlong
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07;
    smallest = 0x10000;
  } else {
    return {kReplacementCharacter, 1};
  }
  if (text.size() < length)
    return {kReplacementCharacter, 1};
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte))
      return {kReplacementCharacter, 1};
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) {
    return {kReplacementCharacter, 1};
  }
  return {codePoint, length};
}

}  // namespace

std::string EncodeWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  while (!utf8.empty()) {
    // The report is almost all ASCII, which is the same in both: copy it a run at a time.
    std::size_t ascii = 0;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80)
      ++ascii;
    if (ascii > 0) {
      bytes.append(utf8.data(), ascii);
      utf8.remove_prefix(ascii);
      continue;
    }
    const Decoded decoded = DecodeOne(utf8);
    utf8.remove_prefix(decoded.length);
    if (const auto byte = ByteOf(decoded.codePoint)) {
      bytes.push_back(static_cast<char>(*byte));
      continue;
    }
    const char32_t shown =
        decoded.codePoint < 0xA0 ? kReplacementCharacter : decoded.codePoint;  // C1 controls
    bytes += "&#";
    bytes += std::to_string(static_cast<std::uint32_t>(shown));
    bytes += ';';
  }
  return bytes;
}

}  // namespace pfc
