#include "reports/known_rolloff_grades.h"

#include <array>

namespace pfc {
namespace {

// Until the operating check brings its grade table, the grades of the powder material.
constexpr std::array<int, 9> kGrades{14, 26, 40, 60, 75, 90, 125, 147, 160};

}  // namespace

bool IsKnownRolloffGrade(int grade) {
  for (const int known : kGrades) {
    if (known == grade)
      return true;
  }
  return false;
}

std::string KnownRolloffGradesText() {
  std::string text;
  for (std::size_t i = 0; i < kGrades.size(); ++i) {
    if (i > 0)
      text += i + 1 == kGrades.size() ? " or " : ", ";
    text += std::to_string(kGrades[i]);
  }
  return text;
}

}  // namespace pfc
