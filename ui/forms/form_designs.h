#pragma once

#include <string>

#include "ui/toolkit/form_description.h"

// The design of each window: captions, controls, texts, tab order, tooltips, colours, fonts
// and geometry in twips.
namespace pfc::ui {

FormDescription EnterFormDesign();       // frmEnter, the disclaimer
FormDescription InputFormDesign();       // frmXls, the design inputs
FormDescription SummaryFormDesign();     // frmResult, the result summary
FormDescription ListingFormDesign();     // frmIntermediateOutput, the 38 quantities
FormDescription DirectionsFormDesign();  // frmDirections, the help text

// The labels of one line ("A1" ... "C12") of the listing window.
std::string ListingCaptionControl(const std::string& line);
std::string ListingValueControl(const std::string& line);

// Pictures beside the executable.
inline constexpr const char* kDisclaimerHeaderPicture = "disclaimer_header.png";
inline constexpr const char* kWindowHeaderPicture = "window_header.png";
inline constexpr const char* kSideStripPicture = "side_strip.png";

}  // namespace pfc::ui
