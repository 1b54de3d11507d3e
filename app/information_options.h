#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace pfc::app {

// What --version and --help of one of the programs print.
struct ProgramInformation {
  const char* program;  // the name the version line starts with
  const char* help;
};
extern const ProgramInformation kDesignerInformation;
extern const ProgramInformation kReportViewerInformation;

// Answers --version and --help before the window system is touched, so both work without a
// display; every other argument is left to Qt. The exit status when one was answered.
std::optional<int> AnswerInformationOptions(int argc, const char* const* argv,
                                            const ProgramInformation& information,
                                            std::ostream& out);

// The design file named on the command line, once Qt has taken its own options out: the
// first argument that is no option; empty when there is none.
std::string DesignFileArgument(int argc, const char* const* argv);

}  // namespace pfc::app
