#include "cli/check/grade_option.h"

#include <charconv>
#include <string>

#include "engine/record/number_text.h"
#include "reports/check/known_rolloff_grades.h"

namespace pfc {

CLI::Validator RolloffGradeValidator() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        int grade = 0;
        const char* end = text.data() + text.size();
        const auto parsed = std::from_chars(text.data(), end, grade);
        if (parsed.ec == std::errc() && parsed.ptr == end && IsKnownRolloffGrade(grade))
          return {};
        return text + " is not a roll-off grade (" + KnownRolloffGradesText() + ")";
      },
      "GRADE");
}

}  // namespace pfc
