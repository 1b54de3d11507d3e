#include "tests/support/expected_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc::test {
namespace {

// Sets PFC_REGENERATE_EXPECTED for one test and puts back what was there.
class RegenerateSwitch {
 public:
  explicit RegenerateSwitch(const char* value) {
    if (const char* old = std::getenv(kName)) {
      old_ = old;
    }
    if (value != nullptr) {
      ::setenv(kName, value, 1);
    } else {
      ::unsetenv(kName);
    }
  }
  ~RegenerateSwitch() {
    if (old_) {
      ::setenv(kName, old_->c_str(), 1);
    } else {
      ::unsetenv(kName);
    }
  }

 private:
  static constexpr const char* kName = "PFC_REGENERATE_EXPECTED";
  std::optional<std::string> old_;
};

struct SwitchCase {
  const char* name;
  const char* value;  // of PFC_REGENERATE_EXPECTED; nullptr when unset
  bool rewrites;
};

class ExpectedFileSwitch : public ::testing::TestWithParam<SwitchCase> {
 protected:
  ScratchFolder folder;
};

TEST_P(ExpectedFileSwitch, RewritesAPlainFileOnlyWhenSetToOne) {
  const RegenerateSwitch setting(GetParam().value);
  WriteFile(folder.Path() / "plain.txt", "old output\n");

  // An absolute name stands for itself, so the tests folder stays untouched here.
  const bool matched = MatchesExpectedFile(folder.File("plain.txt"), "new output\n");

  EXPECT_EQ(matched, GetParam().rewrites);
  EXPECT_EQ(ReadFile(folder.Path() / "plain.txt"),
            GetParam().rewrites ? "new output\n" : "old output\n");
}

INSTANTIATE_TEST_SUITE_P(Values, ExpectedFileSwitch,
                         ::testing::Values(SwitchCase{"Unset", nullptr, false},
                                           SwitchCase{"One", "1", true},
                                           SwitchCase{"Zero", "0", false},
                                           SwitchCase{"Empty", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExpectedFileSwitch, CreatesAMissingExpectedFile) {
  const RegenerateSwitch setting("1");
  ScratchFolder folder;
  EXPECT_TRUE(MatchesExpectedFile(folder.File("new.csv"), "a,b\r\n"));
  EXPECT_EQ(ReadFile(folder.Path() / "new.csv"), "a,b\r\n");
}

TEST(ExpectedFileSwitch, NeverWritesAHandWrittenTemplate) {
  const RegenerateSwitch setting("1");
  ScratchFolder folder;
  WriteFile(folder.Path() / "page.htm", "<p>\n{name}</p>\n");
  EXPECT_EQ(ExpectedDocument(folder.File("page.htm"), {{"{name}", "TD-26"}}), "<p>TD-26</p>");
  EXPECT_EQ(ReadFile(folder.Path() / "page.htm"), "<p>\n{name}</p>\n");
}

TEST(MatchesExpectedFile, TellsWhereTheOutputFirstDiffers) {
  const RegenerateSwitch setting(nullptr);
  ScratchFolder folder;
  WriteFile(folder.Path() / "out.txt", "first line\r\nsecond line\r\n");

  const ::testing::AssertionResult result =
      MatchesExpectedFile(folder.File("out.txt"), "first line\r\nsecond lime\r\n");

  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find("line 2 column 10"), std::string::npos) << message;
  EXPECT_NE(message.find("first line\\r\\nsecond line\\r\\n"), std::string::npos) << message;
  EXPECT_NE(message.find("first line\\r\\nsecond lime\\r\\n"), std::string::npos) << message;
}

}  // namespace
}  // namespace pfc::test
