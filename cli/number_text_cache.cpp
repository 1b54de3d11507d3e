#include "cli/number_text_cache.h"

#include <cstring>

#include "engine/record/number_text.h"

namespace pfc {

void NumberTextCache::AppendShortest(std::string& text, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  // Fibonacci hashing spreads the bits that differ between nearby doubles over the slots.
  Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits)];
  if (slot.length != 0 && slot.bits == bits) {
    text.append(slot.text.data(), slot.length);
    return;
  }
  const std::size_t start = text.size();
  pfc::AppendShortest(text, value);  // the free function, not this one
  const std::size_t length = text.size() - start;
  if (length <= kLongest) {
    slot.bits = bits;
    slot.length = static_cast<std::uint8_t>(length);
    std::memcpy(slot.text.data(), text.data() + start, length);
  }
}

}  // namespace pfc
