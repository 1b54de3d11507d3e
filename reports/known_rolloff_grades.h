#pragma once

#include <string>

#include "engine/rolloff_grades.h"

// The roll-off grades a design file and a batch may name: the operating check's own list
// (engine/rolloff_grades.h), kDefaultRolloffGrade the one it starts with.
namespace pfc {

// True for a grade of the catalogue's material (14, 26, 40, 60, 75, 90, 125, 147, 160).
bool IsKnownRolloffGrade(int grade);

// The grades as a list for messages: "14, 26, 40, 60, 75, 90, 125, 147 or 160".
std::string KnownRolloffGradesText();

}  // namespace pfc
