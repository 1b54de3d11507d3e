#include "reports/files/part_file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace pfc {
namespace {

BuiltPart Part(std::string partNumber, int stack, int grade, std::optional<double> turns,
               std::optional<double> gauge) {
  BuiltPart part;
  part.partNumber = std::move(partNumber);
  part.stack = stack;
  part.material.grade = grade;
  part.winding = {turns, gauge};
  return part;
}

TEST(PartFileName, NamesThePartWithWhatIsSafeEverywhere) {
  struct Case {
    BuiltPart part;
    const char* name;
  };
  BuiltPart own = Part("TD-26", 1, kDefaultRolloffGrade, 30, 12);
  own.material.own = Material{};
  own.material.own->name = "Mix: «60» / hot";
  const Case cases[] = {
      {Part("TD-29", 5, 125, 22, 8), "TD-29x5-g125-22T-AWG8"},
      {Part("TD-157", 3, 26, 12.5, 10.5), "TD-157x3-g26-12.5T-AWG10.5"},
      {Part("TD-26", 1, kDefaultRolloffGrade, 31, std::nullopt), "TD-26x1-31T"},
      {Part("TD 26*?", 2, kDefaultRolloffGrade, std::nullopt, 13.5), "TD_26_x2-AWG13.5"},
      {own, "TD-26x1-Mix_60_hot-30T-AWG12"},
      {Part("..hidden", 1, kDefaultRolloffGrade, std::nullopt, std::nullopt), "hiddenx1"},
      {Part("con", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "_con"},
      {Part("LPT1.x", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "_LPT1.x"},
      {Part("COM0", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "COM0"},
      {Part("", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "design"},
      {Part("...", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "design"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PartFileName(c.part), c.name);
  BuiltPart stranded = Part("TD-26", 1, kDefaultRolloffGrade, 31, 15);
  stranded.winding.strands = 2;
  EXPECT_EQ(PartFileName(stranded), "TD-26x1-31T-AWG15x2");
  EXPECT_EQ(PartFileName(Part(std::string(300, 'A'), 1, 60, 10, 10)).size(),
            kMostPartFileNameBytes);
}

// An exported file's kind follows the part, after its winding.
TEST(PartFileName, EndsWithTheKindOfFileExported) {
  EXPECT_EQ(PartFileName(Part("TD-26", 1, 90, 31, 12), "check"), "TD-26x1-g90-31T-AWG12-check");
  EXPECT_EQ(PartFileName(Part("", 0, kDefaultRolloffGrade, std::nullopt, std::nullopt), "check"),
            "check");
}

}  // namespace
}  // namespace pfc
