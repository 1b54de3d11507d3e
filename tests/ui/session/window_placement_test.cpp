#include <gtest/gtest.h>

#include "tests/ui/flow_fixture.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui::testing {
namespace {

// Every window places itself when it loads, wherever it is loaded from.
class EveryWindow : public FlowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryWindow, CentresItselfWhenItLoads) {
  StartAndAccept();
  kit.Load(GetParam());
  EXPECT_TRUE(kit.IsCentred(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryWindow,
                         ::testing::Values(kEnterForm, kInputForm, kSummaryForm, kListingForm,
                                           kDirectionsForm, kCompareCoresForm,
                                           kOperatingCheckForm));

}  // namespace
}  // namespace pfc::ui::testing
