#include "ui/qt/find_designs/find_designs_progress.h"

#include <gtest/gtest.h>

#include "engine/check/rolloff_grades.h"
#include "tests/engine/loaded_tables.h"

namespace pfc::ui {
namespace {

// A cancelled search leaves the bar where it stopped, not full, and the combinations it
// counts are those the window's text names as done.
TEST(FindDesignsProgress, AfterCancelShowsWhereTheSearchStopped) {
  const LoadedTables tables;
  FoundDesigns found;
  FindDesignsProgress bar(found, nullptr);
  SearchRequest request;
  for (const RolloffGrade& grade : RolloffGrades())
    request.materials.emplace_back(grade);
  found.Start(EntryTexts{}, tables.record, tables.catalogue, tables.wires, request);
  found.Cancel();
  found.Finish();

  ASSERT_TRUE(found.Result().has_value() && found.Result()->cancelled);
  EXPECT_EQ(bar.maximum(), static_cast<int>(found.Total()));
  EXPECT_EQ(bar.value(), static_cast<int>(found.Result()->combinations));
  EXPECT_LT(bar.value(), bar.maximum());
}

}  // namespace
}  // namespace pfc::ui
