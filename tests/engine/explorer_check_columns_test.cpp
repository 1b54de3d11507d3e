#include <gtest/gtest.h>

#include <cmath>

#include "engine/explorer.h"
#include "engine/operating_check.h"
#include "engine/pick_list.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

bool Same(double explored, const CheckedNumber& checked) {
  return checked ? explored == *checked : std::isnan(explored);
}

// Each design's check columns are the low-line check, at the default grade, of a designer's
// pick of that core and stack; a design stopped at the line peak has none.
TEST(ExplorerCheckColumns, AreTheLowLineCheckOfTheDesignersPick) {
  LoadedTables tables;
  for (const char* vout : {"380", "100"}) {
    SCOPED_TRACE(std::string("Vout ") + vout);
    EntryTexts entries;
    entries.txtVout = vout;
    const Exploration exploration =
        ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
    ASSERT_EQ(exploration.designs.size(), 279u);
    int checked = 0;
    for (const ExploredDesign& d : exploration.designs) {
      SCOPED_TRACE(d.SelectedCoreSize + " * " + std::to_string(d.CoresToStack));
      EntryTexts pickEntries = entries;
      pickEntries.chkPickCore = true;
      pickEntries.txtCoreSize = PickListEntry(tables.catalogue, d.CoreIndex);
      pickEntries.txtStack = std::to_string(d.CoresToStack);
      DesignRecord pick = tables.record;
      pick.CalcType = DesignerPicks;
      const RunOutcome run = RunDesign(pickEntries, pick, tables.catalogue, tables.wires);
      if (run.ending == RunEnding::Vpeak) {
        EXPECT_TRUE(std::isnan(d.CheckLAtIpkPercent) && std::isnan(d.CheckRipplePercent) &&
                    std::isnan(d.CheckWindingTemperatureC));
        continue;
      }
      const LineCheck low =
          CheckLine(pick, *FindRolloffGrade(kDefaultRolloffGrade), LineVoltage::Low);
      EXPECT_TRUE(Same(d.CheckLAtIpkPercent, low.atIpk.lPercentOfTarget));
      EXPECT_TRUE(Same(d.CheckRipplePercent, low.rippleMaxPercentOfIpkLine));
      EXPECT_TRUE(Same(d.CheckWindingTemperatureC, low.windingTemperatureC));
      ++checked;
    }
    // 100 V out is below the 120 V line peak of 85 V: nothing is evaluated past the copper.
    EXPECT_EQ(checked, vout == std::string("380") ? 279 : 0);
  }
}

}  // namespace
}  // namespace pfc
