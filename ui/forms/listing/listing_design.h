#pragma once

#include <string>

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmIntermediateOutput, the 38 quantities of the last design in three columns.
FormDescription ListingFormDesign();

// The controls its logic names.
namespace listing_controls {
inline constexpr const char* kCmdExit = "cmdExit";  // "&Close"
inline constexpr const char* kCmdExportCsv = "cmdExportCsv";
// The labels of one line ("A1" ... "C12").
std::string CaptionControl(const std::string& line);
std::string ValueControl(const std::string& line);
}  // namespace listing_controls

}  // namespace pfc::ui
