#include "ui/toolkit/utf8.h"

namespace pfc::ui {

std::vector<char32_t> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> points;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t point = lead;
    if (lead >= 0xC0 && lead < 0xE0) {
      extra = 1;
      point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      extra = 2;
      point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF8) {
      extra = 3;
      point = lead & 0x07;
    }
    bool wellFormed = i + extra < text.size();
    for (std::size_t k = 1; wellFormed && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      wellFormed = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    if (!wellFormed) {
      extra = 0;
      point = lead;
    }
    points.push_back(point);
    i += 1 + extra;
  }
  return points;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (codePoint >> 18));
    text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

std::size_t LengthOfCodePointBefore(std::string_view text, std::size_t position) {
  std::size_t length = 0;
  while (position > 0) {
    --position;
    ++length;
    if ((static_cast<unsigned char>(text[position]) & 0xC0) != 0x80) {
      break;
    }
  }
  return length;
}

}  // namespace pfc::ui
