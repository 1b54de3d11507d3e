#pragma once

#include <string>

namespace pfc::ui {

// The 19-line help text of the directions window, every line ended by CR LF.
std::string HelpText();
// The two contact lines, separated by one CR LF, with no line end after the second.
std::string ContactText();

}  // namespace pfc::ui
