#include "engine/method/version.h"

#include "engine/record/message.h"

namespace pfc {

std::string DisclaimerVersionText() {
  return "  (Ver.  " + std::string(kVersion) + ")";
}

std::string VersionLine(std::string_view program) {
  return std::string(program) + " (" + kApplicationTitle + ") " + std::string(kVersion);
}

}  // namespace pfc
