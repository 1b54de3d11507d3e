#include "engine/version.h"

#include "engine/design_run.h"

namespace pfc {

std::string DisclaimerVersionText() {
  return "  (Ver.  " + std::string(kVersion) + ")";
}

std::string VersionLine(std::string_view program) {
  return std::string(program) + " (" + kApplicationTitle + ") " + std::string(kVersion);
}

}  // namespace pfc
