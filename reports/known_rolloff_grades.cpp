#include "reports/known_rolloff_grades.h"

#include <span>

namespace pfc {

bool IsKnownRolloffGrade(int grade) {
  return FindRolloffGrade(grade) != nullptr;
}

std::string KnownRolloffGradesText() {
  const std::span<const RolloffGrade> grades = RolloffGrades();
  std::string text;
  for (std::size_t i = 0; i < grades.size(); ++i) {
    if (i > 0)
      text += i + 1 == grades.size() ? " or " : ", ";
    text += std::to_string(grades[i].permeability);
  }
  return text;
}

}  // namespace pfc
