#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/summary/summary_design.h"

namespace pfc::ui::testing {
namespace {

using namespace check_controls;

// The Operating Check of the published default design, with the typed save dialog answered
// by the test.
class ModelExportTest : public CompareCoresFlowTest {
 protected:
  ModelExportTest() {
    services.chooseTypedSaveFile = [this](const SaveTypedFileRequest& request) {
      typedRequests.push_back(request);
      return chosen;
    };
    kit.UserClick(kInputForm, "cmdProcess");
    kit.UserClick(kSummaryForm, kOpenOperatingCheckButton);
  }

  void ChooseGrade(int permeability) {
    for (int i = 0; i < kit.ItemCount(kOperatingCheckForm, kGrade); ++i) {
      if (kit.ItemText(kOperatingCheckForm, kGrade, i) == std::to_string(permeability)) {
        kit.UserChoose(kOperatingCheckForm, kGrade, i);
      }
    }
  }

  std::optional<ChosenFile> chosen;
  std::vector<SaveTypedFileRequest> typedRequests;
};

struct Choice {
  const char* label;
  const char* fileName;
  std::size_t type;    // the file type chosen in the dialog
  const char* marker;  // what only the format that should be written holds
};

class ModelChoiceTest : public ModelExportTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ModelChoiceTest, TheExtensionOrElseTheChosenTypeDecidesTheFormat) {
  ASSERT_TRUE(kit.IsVisible(kOperatingCheckForm));
  const std::string path = (folder / GetParam().fileName).string();
  chosen = ChosenFile{path, GetParam().type};
  kit.UserClick(kOperatingCheckForm, kExportModel);
  ASSERT_EQ(typedRequests.size(), 1u);
  EXPECT_EQ(typedRequests[0].types.size(), 4u);
  EXPECT_TRUE(kit.Messages().empty());
  EXPECT_NE(test::ReadFile(path).find(GetParam().marker), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ModelChoiceTest,
    ::testing::Values(Choice{"Ngspice", "model.cir", 0, "I=pwl(v(flux),"},
                      Choice{"ExtensionOverType", "model.lib", 0, "Flux=table(x,"},
                      Choice{"Plecs", "model.m", 2, "\npsi_L = ["},
                      Choice{"Csv", "model.csv", 3, "current_a,flux_linkage_vs,inductance_h"},
                      Choice{"ForeignExtensionTakesTheType", "model.txt", 2, "\ni_L = ["}),
    [](const ::testing::TestParamInfo<Choice>& info) { return info.param.label; });

TEST_F(ModelExportTest, ACancelledDialogWritesNothing) {
  kit.UserClick(kOperatingCheckForm, kExportModel);
  EXPECT_EQ(typedRequests.size(), 1u);
  EXPECT_TRUE(test::FolderEntries(folder).empty());
  EXPECT_TRUE(kit.Messages().empty());
}

TEST_F(ModelExportTest, AFailedWriteIsToldWithThePathAndLeavesNoFile) {
  const std::string path = (folder / "missing" / "model.cir").string();
  chosen = ChosenFile{path, 0};
  kit.UserClick(kOperatingCheckForm, kExportModel);
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_NE(kit.Messages()[0].text.find(path), std::string::npos);
  EXPECT_TRUE(test::FolderEntries(folder).empty());
}

// The model is the winding the window shows, at the grade chosen there.
TEST_F(ModelExportTest, FollowsTheGradeOfTheWindow) {
  chosen = ChosenFile{(folder / "grade60.csv").string(), 3};
  kit.UserClick(kOperatingCheckForm, kExportModel);
  ChooseGrade(26);
  chosen = ChosenFile{(folder / "grade26.csv").string(), 3};
  kit.UserClick(kOperatingCheckForm, kExportModel);
  const std::string grade60 = test::ReadFile(folder / "grade60.csv");
  EXPECT_FALSE(grade60.empty());
  EXPECT_NE(test::ReadFile(folder / "grade26.csv"), grade60);
}

}  // namespace
}  // namespace pfc::ui::testing
