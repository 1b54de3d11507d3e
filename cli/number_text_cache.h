#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pfc {

// FormatShortest with a memory of the numbers it wrote last. A batch writes the same numbers
// over and over (the core's dimensions, the wire's, the inputs that rows share), and writing
// a double in its shortest form costs more than the rest of a row's columns together; a
// number met before is copied instead. One cache per thread.
class NumberTextCache {
 public:
  // Appends FormatShortest(value).
  void AppendShortest(std::string& text, double value);

 private:
  // 64 KiB, half a core's second-level cache: room for the few thousand numbers rows share.
  static constexpr int kSlotBits = 11;
  static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
  static constexpr std::size_t kLongest = 23;  // longer texts are written, not kept

  struct Slot {  // one half of a cache line
    std::uint64_t bits = 0;
    std::uint8_t length = 0;  // 0: empty
    std::array<char, kLongest> text{};
  };

  std::array<Slot, kSlots> slots_{};
};

}  // namespace pfc
