#pragma once

namespace pfc::ui {

// A colour as red, green and blue components from 0 to 255.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kLightGrey{224, 224, 224};
inline constexpr Rgb kSilver{192, 192, 192};

}  // namespace pfc::ui
