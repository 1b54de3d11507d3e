#pragma once

// The form descriptions measure in twips (1/1440 inch); the screen in pixels.
namespace pfc::ui {

// Twips in one device-independent pixel: 1440 twips an inch at 96 pixels an inch.
inline constexpr int kTwipsPerPixel = 15;

// The pixels nearest to a measure in twips.
constexpr int Pixels(int twips) {
  const int half = kTwipsPerPixel / 2;
  return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((half - twips) / kTwipsPerPixel);
}

}  // namespace pfc::ui
