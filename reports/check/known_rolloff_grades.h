#pragma once

#include <string>

#include "engine/check/rolloff_grades.h"

// The roll-off grades a design file and the commands may name: those of the operating check.
namespace pfc {

// True for a grade of the operating check's table (RolloffGrades).
bool IsKnownRolloffGrade(int grade);

// The grades for help texts: "14, 26, 40, 60, 75, 90, 125, 147, 160".
std::string RolloffGradeNames();

// The grades as a list for messages: "14, 26, 40, 60, 75, 90, 125, 147 or 160".
std::string KnownRolloffGradesText();

}  // namespace pfc
