#include <gtest/gtest.h>

#include "tests/ui/compare_cores_fixture.h"

namespace pfc::ui::testing {
namespace {

// A run started from the keyboard (Alt+S) leaves the focus in the box being typed in. The
// box the run refuses gets the focus again with all its text selected, so that what the
// user types next replaces the refused value.
struct RetypedEntry {
  const char* control;
  const char* refused;
  const char* corrected;
  friend void PrintTo(const RetypedEntry& e, std::ostream* out) { *out << e.control; }
};

class KeyboardRunTest : public CompareCoresFlowTest,
                        public ::testing::WithParamInterface<RetypedEntry> {};

TEST_P(KeyboardRunTest, RefusedBoxIsSelectedSoTypingReplacesIt) {
  const RetypedEntry& entry = GetParam();
  kit.UserType(kInputForm, entry.control, entry.refused);

  kit.UserAccessKey(kInputForm, "cmdProcess");

  ASSERT_EQ(kit.Messages().size(), 1u);
  ASSERT_EQ(kit.Focus(), (std::pair<std::string, std::string>{kInputForm, entry.control}));
  kit.UserType(kInputForm, entry.control, entry.corrected);
  EXPECT_EQ(kit.Text(kInputForm, entry.control), entry.corrected);
}

INSTANTIATE_TEST_SUITE_P(Entries, KeyboardRunTest,
                         ::testing::Values(RetypedEntry{"txtEfficiency", "80", "95"},
                                           RetypedEntry{"txtStack", "0", "4"}));

}  // namespace
}  // namespace pfc::ui::testing
