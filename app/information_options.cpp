#include "app/information_options.h"

#include <string_view>

#include "engine/method/version.h"

namespace pfc::app {
namespace {

constexpr const char* kDesignerHelp =
    "Usage: pfc-core-designer [options] [FILE.pfcdesign]\n"
    "Designs the boost inductor of a continuous-conduction PFC stage on Toridyne toroidal\n"
    "cores, in windows. pfc-core runs the same design from the command line.\n"
    "A design file named here fills the input form once the disclaimer is accepted.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Print this help and exit\n"
    "  -v, --version  Print the version and exit\n"
    "Qt's own options (-platform, -display, -style, ...) are passed on to Qt.\n"
    "With PFC_DEBUG set in the environment, the report viewer's browser logs to standard\n"
    "error.\n";

constexpr const char* kReportViewerHelp =
    "Usage: pfc-report-viewer [--window-icon FILE]\n"
    "The report viewer of PFC Core Designer. pfc-core-designer starts it for its first\n"
    "report and asks it, in lines on its standard input, to show report files; it answers\n"
    "on its standard output, and ends when its window closes or its input ends.\n"
    "\n"
    "Options:\n"
    "  --window-icon FILE  The window's icon\n"
    "  -h, --help          Print this help and exit\n"
    "  -v, --version       Print the version and exit\n"
    "The embedded browser logs to standard error only with PFC_DEBUG set in the\n"
    "environment.\n";

}  // namespace

const ProgramInformation kDesignerInformation{"pfc-core-designer", kDesignerHelp};
const ProgramInformation kReportViewerInformation{"pfc-report-viewer", kReportViewerHelp};

std::optional<int> AnswerInformationOptions(int argc, const char* const* argv,
                                            const ProgramInformation& information,
                                            std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version" || argument == "-v") {
      out << VersionLine(information.program) << "\n";
      return 0;
    }
    if (argument == "--help" || argument == "-h") {
      out << information.help;
      return 0;
    }
  }
  return std::nullopt;
}

std::string DesignFileArgument(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!argument.empty() && argument.front() != '-') {
      return std::string(argument);
    }
  }
  return {};
}

}  // namespace pfc::app
