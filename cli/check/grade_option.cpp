#include "cli/check/grade_option.h"

#include "cli/standard_streams.h"
#include "engine/record/number_text.h"
#include "reports/check/known_rolloff_grades.h"

namespace pfc {

CLI::Option* AddGradeOption(CLI::App& command, int& grade, const std::string& help) {
  constexpr NumberBounds kWhole{.whole = true};
  return AddNumberOption(
             command, "--grade", kWhole,
             [&grade](double read) {
               // A grade is a small whole number: anything past the largest is none.
               const bool small = read > 0 && read <= RolloffGrades().back().permeability;
               if (!small || !IsKnownRolloffGrade(static_cast<int>(read)))
                 throw CLI::ValidationError("--grade", FormatGeneral(read) +
                                                           " is not a roll-off grade (" +
                                                           KnownRolloffGradesText() + ")");
               grade = static_cast<int>(read);
             },
             help)
      ->type_name("GRADE")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (text.find('.') == std::string::npos)
              return {};
            return text + " is not a roll-off grade (" + KnownRolloffGradesText() + ")";
          },
          ""));
}

MaterialFileRead ReadMaterialOption(const std::string& path, std::istream& in) {
  if (!NamesStandardStream(path))
    return ReadMaterialFile(path);
  std::string bytes;
  MaterialFileRead read;
  if (ReadBoundedStream(in, kMaterialFileMaxBytes, bytes)) {
    read = MaterialFromText(bytes);
  } else {
    read.reason = "it is longer than a material file can be (64 KiB)";
  }
  read.path = "standard input";
  return read;
}

}  // namespace pfc
