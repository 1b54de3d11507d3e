#pragma once

#include <string>

#include "engine/check/built_part.h"

namespace pfc {

// A file name without its extension that names a built part, such as
// "TD-29x5-g125-22T-AWG8": part number × stack, the grade (or the own material's name), the
// turns and the wire, each where the part says it. It holds only letters and digits of
// ASCII, "-", "_" and ".", each other character made "_" (runs of them one), never starts or
// ends with "." and is no device name of Windows, so it is safe on Linux, Windows and macOS;
// at most kMostPartFileNameBytes bytes. "design" for a part that names nothing.
std::string PartFileName(const BuiltPart& part);

inline constexpr std::size_t kMostPartFileNameBytes = 100;

}  // namespace pfc
