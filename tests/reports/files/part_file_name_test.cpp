#include "reports/files/part_file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace pfc {
namespace {

struct NameCase {
  NamedPart part;
  const char* kind;
  const char* extension;
  const char* name;
};

TEST(PartFileName, NamesThePartInCharactersEverySystemTakes) {
  const std::string sixty(60, 'M');
  const NameCase cases[] = {
      {{"TD-26", 1, "90", 31, 12}, "check", "csv", "TD-26x1-g90-31T-AWG12-check.csv"},
      {{"TD-157", 3, "26", 12.5, 10.5}, "model", "cir", "TD-157x3-g26-12p5T-AWG10p5-model.cir"},
      // A material file's name, with a blank, a micro sign and characters Windows refuses.
      {{"TD-26", 2, "Supplier 60 µ", 31, 12},
       "check",
       "pdf",
       "TD-26x2-Supplier-60-31T-AWG12-check.pdf"},
      {{"TD-26", 1, "a<b>c:d\"e/f\\g|h?i*j", std::nullopt, std::nullopt},
       "design",
       "pfcdesign",
       "TD-26x1-a-b-c-d-e-f-g-h-i-j-design.pfcdesign"},
      // Dots at the ends of a piece would hide a file on macOS or be dropped by Windows.
      {{"TD-26", 1, "..hidden..", std::nullopt, std::nullopt},
       "check",
       "csv",
       "TD-26x1-hidden-check.csv"},
      // The method's winding is not known yet: no turns, no wire.
      {{"TD-26", 1, "90", std::nullopt, std::nullopt}, "check", "csv", "TD-26x1-g90-check.csv"},
      {{"", 1, "", std::nullopt, std::nullopt}, "", "csv", "design.csv"},
      {{"TD-26", 1, sixty, std::nullopt, std::nullopt},
       "check",
       "csv",
       "TD-26x1-MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM-check.csv"},
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(PartFileName(c.part, c.kind, c.extension), c.name) << c.name;
}

}  // namespace
}  // namespace pfc
