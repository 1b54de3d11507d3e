#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "reports/files/design_file.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/design_file_fixture.h"

namespace pfc::ui::testing {
namespace {

using pfc::test::ReadFile;
using pfc::test::WriteFile;

// Each way the user may leave the entries of the input form behind.
enum class Leaving { CloseBox, CancelButton, OpenDialog, Drop };
const Leaving kLeavings[] = {Leaving::CloseBox, Leaving::CancelButton, Leaving::OpenDialog,
                             Leaving::Drop};
const char* const kLeavingNames[] = {"CloseBox", "CancelButton", "OpenDialog", "Drop"};
const char* const kAnswerNames[] = {"Save", "Discard", "Cancel"};

class UnsavedChangesTest : public DesignFileTest {
 protected:
  // The form, maybe saved as boost.pfcdesign, maybe changed since; another design beside.
  void Start(bool named, bool changed) {
    StartAndAccept();
    WriteFile(other, DesignWith(R"j("entries": {"vout": "321"})j"));
    if (named) {
      SaveAs(boost);
      saved = ReadFile(boost);
    }
    if (changed) {
      kit.UserType(kInputForm, "txtVout", "9");
    }
    before = FormState();
    caption = Caption();
  }
  void Leave(Leaving leaving) {
    switch (leaving) {
      case Leaving::CloseBox:
        return kit.UserClose(kInputForm);
      case Leaving::CancelButton:
        return kit.UserClick(kInputForm, "cmdExit");
      case Leaving::OpenDialog:
        return Open(other);
      case Leaving::Drop:
        return kit.UserDropFiles(kInputForm, {other});
    }
  }
  // Whether the close, or the opening of the other design, went ahead.
  bool WentOn(Leaving leaving) {
    const bool closes = leaving == Leaving::CloseBox || leaving == Leaving::CancelButton;
    return closes ? !kit.IsLoaded(kInputForm) : kit.Text(kInputForm, "txtVout") == "321";
  }
  void ExpectFormAsItWas() {
    EXPECT_TRUE(kit.IsVisible(kInputForm));
    EXPECT_EQ(FormState(), before);
    EXPECT_EQ(Caption(), caption);
  }

  const std::string boost = folder.File("boost.pfcdesign");
  const std::string other = folder.File("other.pfcdesign");
  std::string saved;
  std::vector<std::string> before;
  std::string caption;
};

class AnsweredTest : public UnsavedChangesTest,
                     public ::testing::WithParamInterface<std::tuple<Leaving, SaveChangesAnswer>> {
};

TEST_P(AnsweredTest, SaveWritesTheFileDiscardGoesOnCancelKeepsEverything) {
  const auto& [leaving, answer] = GetParam();
  Start(true, true);
  const std::string typed = kit.Text(kInputForm, "txtVout");
  kit.AnswerSaveChanges(answer);
  Leave(leaving);

  ASSERT_EQ(kit.Questions().size(), 1u);
  EXPECT_NE(kit.Questions()[0].text.find("boost.pfcdesign"), std::string::npos);
  EXPECT_TRUE(kit.Messages().empty());
  if (answer == SaveChangesAnswer::Save) {
    EXPECT_EQ(ReadDesignFile(boost).design.entries[Entry::Vout], typed);
  } else {
    EXPECT_EQ(ReadFile(boost), saved);
  }
  if (answer == SaveChangesAnswer::Cancel) {
    ExpectFormAsItWas();
  } else {
    EXPECT_TRUE(WentOn(leaving));
  }
}

std::string AnsweredName(const ::testing::TestParamInfo<AnsweredTest::ParamType>& info) {
  const auto& [leaving, answer] = info.param;
  return std::string(kLeavingNames[static_cast<int>(leaving)]) +
         kAnswerNames[static_cast<int>(answer)];
}

INSTANTIATE_TEST_SUITE_P(Leavings, AnsweredTest,
                         ::testing::Combine(::testing::ValuesIn(kLeavings),
                                            ::testing::Values(SaveChangesAnswer::Save,
                                                              SaveChangesAnswer::Discard,
                                                              SaveChangesAnswer::Cancel)),
                         AnsweredName);

class NothingToLoseTest : public UnsavedChangesTest,
                          public ::testing::WithParamInterface<std::tuple<Leaving, bool>> {};

TEST_P(NothingToLoseTest, GoesOnWithoutAsking) {
  const auto& [leaving, named] = GetParam();
  Start(named, !named);  // a file that holds the entries, or changes that belong to none
  Leave(leaving);
  EXPECT_TRUE(kit.Questions().empty());
  EXPECT_TRUE(WentOn(leaving));
}

std::string NothingToLoseName(const ::testing::TestParamInfo<NothingToLoseTest::ParamType>& info) {
  const auto& [leaving, named] = info.param;
  return std::string(kLeavingNames[static_cast<int>(leaving)]) + (named ? "Unchanged" : "NoFile");
}

INSTANTIATE_TEST_SUITE_P(Leavings, NothingToLoseTest,
                         ::testing::Combine(::testing::ValuesIn(kLeavings), ::testing::Bool()),
                         NothingToLoseName);

class FailedSaveTest : public UnsavedChangesTest, public ::testing::WithParamInterface<Leaving> {};

// The named file has become a folder since it was saved: the save cannot replace it.
TEST_P(FailedSaveTest, IsToldAndNothingIsLost) {
  Start(true, true);
  std::filesystem::remove(boost);
  std::filesystem::create_directory(boost);
  kit.AnswerSaveChanges(SaveChangesAnswer::Save);
  Leave(GetParam());
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  ExpectFormAsItWas();
  EXPECT_EQ(session.designFile.path, boost);
}

std::string FailedSaveName(const ::testing::TestParamInfo<Leaving>& info) {
  return kLeavingNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Leavings, FailedSaveTest, ::testing::ValuesIn(kLeavings), FailedSaveName);

}  // namespace
}  // namespace pfc::ui::testing
