#include <gtest/gtest.h>

#include "engine/check/rolloff_grades.h"
#include "reports/check/material_file.h"
#include "reports/files/design_file.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/design_file_fixture.h"
#include "ui/forms/input/built_part_line.h"
#include "ui/forms/operating_check/operating_check_design.h"

namespace pfc::ui::testing {
namespace {

// Whether the text holds every one of the parts.
::testing::AssertionResult Holds(const std::string& text,
                                 std::initializer_list<const char*> parts) {
  for (const char* part : parts) {
    if (text.find(part) == std::string::npos)
      return ::testing::AssertionFailure() << "\"" << text << "\" lacks \"" << part << "\"";
  }
  return ::testing::AssertionSuccess();
}

class BuiltPartLineTest : public DesignFileTest {
 protected:
  std::string Line() { return kit.Text(kInputForm, kBuiltPartLabel); }

  void Pick(const char* partNumber) {
    if (!kit.IsTicked(kInputForm, "chkPickCore"))
      kit.UserClick(kInputForm, "chkPickCore");
    kit.UserChoose(kInputForm, "txtCoreSize", session.catalogue.FindPartNo(partNumber));
  }

  DesignFile Saved(const std::string& path) {
    const DesignFileRead read = ReadDesignFile(path);
    EXPECT_TRUE(read.read) << read.reason;
    return read.design;
  }
};

// A material file loaded with the Operating Check's "Material…" is the one saved, by value,
// not the grade chosen before it; the line names it until "Clear Part" gives the part back.
TEST_F(BuiltPartLineTest, AMaterialLoadedIsShownSavedAndCleared) {
  StartAndAccept();
  EXPECT_EQ(Line(), "");
  EXPECT_FALSE(kit.IsEnabled(kInputForm, kClearPartButton));
  session.checked.SetGrade(125);
  Material own = *FindRolloffGrade(60);
  own.name = "Mix 60";
  own.b *= 2;
  pfc::test::WriteFile(folder.File("mix.json"), MaterialFileText(own, true));
  const Material read = ReadMaterialFile(folder.File("mix.json")).material;
  kit.Show(kOperatingCheckForm);
  answer = folder.File("mix.json");
  kit.UserClick(kOperatingCheckForm, check_controls::kMaterial);
  kit.Unload(kOperatingCheckForm);
  EXPECT_TRUE(Holds(Line(), {"Mix 60"}));

  SaveAs(folder.File("mix.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_EQ(Saved(folder.File("mix.pfcdesign")).part.material.own, read);

  ASSERT_TRUE(kit.IsEnabled(kInputForm, kClearPartButton));
  kit.UserAccessKey(kInputForm, kClearPartButton);
  EXPECT_EQ(Line(), "");
  EXPECT_FALSE(kit.IsEnabled(kInputForm, kClearPartButton));
  kit.UserShortcut(kInputForm, "Ctrl+S");
  EXPECT_EQ(Saved(folder.File("mix.pfcdesign")).part, BuiltPart{});
}

// A design file's winding and grade are on the form's line as soon as the file is open.
TEST_F(BuiltPartLineTest, AFilesWindingAndGradeAreShownOnOpening) {
  StartAndAccept();
  DesignFile design;
  design.part.winding = {22.0, 8.0};
  design.part.material.grade = 125;
  ASSERT_TRUE(WriteDesignFile(folder.File("wound.pfcdesign"), design).written);
  Open(folder.File("wound.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_TRUE(Holds(Line(), {"22 turns", "AWG 8", "125"}));
  EXPECT_TRUE(kit.IsEnabled(kInputForm, kClearPartButton));
}

// 31 turns of AWG 10 fill 47 % of TD-26's window at the default entries, and less than the
// 40 % entered of TD-29's, whose window is larger, however many are stacked: the winding
// stays on two TD-29, is set aside on TD-26 and does not come back with TD-29.
TEST_F(BuiltPartLineTest, ChangingTheCoreKeepsTheWindingOnlyWhereItFits) {
  StartAndAccept();
  Pick("TD-29");
  session.checked.SetWinding({31.0, 10.0});
  kit.UserType(kInputForm, "txtStack", "2");
  EXPECT_TRUE(Holds(Line(), {"31 turns of AWG 10", "TD-29"}));
  const WindingRequest kept{31.0, 10.0};
  EXPECT_EQ(session.checked.Winding(), kept);

  Pick("TD-26");
  EXPECT_FALSE(session.checked.Winding().Given());
  EXPECT_TRUE(Holds(Line(), {"31 turns of AWG 10", "TD-26", "47 %"}));
  Pick("TD-29");
  EXPECT_FALSE(session.checked.Winding().Given());
  SaveAs(folder.File("moved.pfcdesign"));
  EXPECT_FALSE(Saved(folder.File("moved.pfcdesign")).part.winding.Given());
  EXPECT_TRUE(runs.empty()) << "nothing runs until Show Results";
}

}  // namespace
}  // namespace pfc::ui::testing
