#include "engine/inputs/pick_list.h"

#include <gtest/gtest.h>

#include "engine/method/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

TEST(PickListEntry, NamesThePartAndItsDimensions) {
  LoadedTables tables;
  EXPECT_EQ(PickListEntry(tables.catalogue, 3), "TD-03 (OD 17.03mm, ID 8.99mm, HT 4.70mm)");
  EXPECT_EQ(PickListEntry(tables.catalogue, 6), "TD-06 (OD 18.30mm, ID 10.23mm, HT 7.87mm)");
  EXPECT_EQ(PickListEntry(tables.catalogue, 3, ','), "TD-03 (OD 17,03mm, ID 8,99mm, HT 4,70mm)");
}

TEST(PickListEntry, EveryEntryDesignsItsOwnRow) {
  LoadedTables tables;
  tables.record.CalcType = DesignerPicks;
  for (std::int16_t row = 1; row <= tables.catalogue.RowCount(); ++row) {
    EntryTexts entries;
    entries.pickCore = true;
    entries[Entry::CoreSize] = PickListEntry(tables.catalogue, row, ',');
    const RunOutcome outcome =
        RunDesign(entries, tables.record, tables.catalogue, tables.wires, ',');
    EXPECT_NE(outcome.ending, RunEnding::Rejected) << entries[Entry::CoreSize];
    EXPECT_EQ(tables.record.CoreIndex, row);
  }
}

}  // namespace
}  // namespace pfc
