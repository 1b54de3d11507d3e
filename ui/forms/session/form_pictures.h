#pragma once

// The pictures the windows show, files beside the executable or in the data folder.
namespace pfc::ui {

inline constexpr const char* kDisclaimerHeaderPicture = "disclaimer_header.png";
inline constexpr const char* kWindowHeaderPicture = "window_header.png";
inline constexpr const char* kSideStripPicture = "side_strip.png";

}  // namespace pfc::ui
