#include "reports/check/known_rolloff_grades.h"

#include <span>

namespace pfc {
namespace {

// The grades in ascending order, comma-separated, with `last` before the last one.
std::string GradeList(const char* last) {
  const std::span<const RolloffGrade> grades = RolloffGrades();
  std::string text;
  for (std::size_t i = 0; i < grades.size(); ++i) {
    if (i > 0)
      text += i + 1 == grades.size() ? last : ", ";
    text += std::to_string(grades[i].permeability);
  }
  return text;
}

}  // namespace

bool IsKnownRolloffGrade(int grade) {
  return FindRolloffGrade(grade) != nullptr;
}

std::string RolloffGradeNames() {
  return GradeList(", ");
}

std::string KnownRolloffGradesText() {
  return GradeList(" or ");
}

}  // namespace pfc
