#include "app/information_options.h"

#include <string_view>

#include "engine/version.h"

namespace pfc::app {
namespace {

constexpr const char* kHelp =
    "Usage: pfc-core-designer [options] [FILE.pfcdesign]\n"
    "Designs the boost inductor of a continuous-conduction PFC stage on Toridyne toroidal\n"
    "cores, in windows. pfc-core runs the same design from the command line.\n"
    "A design file named here fills the input form once the disclaimer is accepted.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Print this help and exit\n"
    "  -v, --version  Print the version and exit\n"
    "Qt's own options (-platform, -display, -style, ...) are passed on to Qt.\n";

}  // namespace

std::optional<int> AnswerInformationOptions(int argc, const char* const* argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version" || argument == "-v") {
      out << VersionLine("pfc-core-designer") << "\n";
      return 0;
    }
    if (argument == "--help" || argument == "-h") {
      out << kHelp;
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
