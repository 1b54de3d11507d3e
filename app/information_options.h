#pragma once

#include <optional>
#include <ostream>

namespace pfc::app {

// Answers --version and --help before the window system is touched, so both work without a
// display; every other argument is left to Qt. The exit status when one was answered.
std::optional<int> AnswerInformationOptions(int argc, const char* const* argv, std::ostream& out);

}  // namespace pfc::app
