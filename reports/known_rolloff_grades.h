#pragma once

#include <string>

// The roll-off grades a design file and a batch may name. One seam, so that the operating
// check's own list of grades takes over here once it is in the engine.
namespace pfc {

// The grade the operating check starts with.
inline constexpr int kDefaultRolloffGrade = 60;

// True for a grade of the catalogue's material (14, 26, 40, 60, 75, 90, 125, 147, 160).
bool IsKnownRolloffGrade(int grade);

// The grades as a list for messages: "14, 26, 40, 60, 75, 90, 125, 147 or 160".
std::string KnownRolloffGradesText();

}  // namespace pfc
