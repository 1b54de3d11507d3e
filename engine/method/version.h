#pragma once

#include <string>
#include <string_view>

namespace pfc {

// The release number, stamped in by the build from the project's version so that the
// disclaimer, both programs' --version and the Debian package always agree.
inline constexpr std::string_view kVersion = PFC_VERSION;

// The disclaimer's version box: "  (Ver.  3.0.0)".
std::string DisclaimerVersionText();

// What --version prints: "<program> (PFC Core Designer) 3.0.0".
std::string VersionLine(std::string_view program);

}  // namespace pfc
