#include "engine/search/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/inputs/inputs.h"
#include "engine/inputs/pick_list.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/search/combination_search.h"
#include "engine/search/explorer.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

Material Grade(int permeability) {
  return Material(*FindRolloffGrade(permeability));
}

// A smaller search than the default one, so that every property looks at every row.
struct SearchCase {
  const char* name;
  std::vector<int> grades;
  std::int16_t firstStack;
  std::int16_t lastStack;
  DesignLimits limits;
};

SearchRequest RequestOf(const SearchCase& c, int threads = 1) {
  SearchRequest request;
  for (int grade : c.grades)
    request.materials.push_back(Grade(grade));
  request.firstStack = c.firstStack;
  request.lastStack = c.lastStack;
  request.limits = c.limits;
  request.threads = threads;
  return request;
}

const SearchCase kCases[] = {
    {"DefaultLimits", {26, 90, 160}, 1, 2, DesignLimits{}},
    {"RippleAndCoolerWinding", {40, 125}, 2, 3, DesignLimits{100, 25.0, 110}},
    {"HalfTheInductance", {14, 147}, 1, 2, DesignLimits{50, std::nullopt, 155}},
    {"WorstCaseCore", {40, 125}, 2, 3, DesignLimits{100, 25.0, 110, 8}},
};

class DesignSearchTest : public testing::TestWithParam<SearchCase> {
 protected:
  DesignSearch Search(int threads = 1) {
    return SearchDesigns(EntryTexts{}, tables_.record, tables_.catalogue, tables_.wires,
                         RequestOf(GetParam(), threads));
  }

  // The candidate as `pfc-core check` winds it: the designer's pick of the core and stack,
  // then the given turns and wire.
  OperatingCheck Recheck(const SearchCandidate& c, DesignRecord& r) {
    EntryTexts entries;
    entries.pickCore = true;
    entries[Entry::CoreSize] = PickListEntry(tables_.catalogue, c.row);
    entries[Entry::Stack] = std::to_string(c.stack);
    r = tables_.record;
    r.CalcType = DesignerPicks;
    RunDesign(entries, r, tables_.catalogue, tables_.wires);
    EXPECT_EQ(EvaluateCore(r, tables_.wires, GivenWinding{c.turns, c.wireRow, c.strands}),
              Evaluation::Completed);
    return CheckOperation(r, RequestOf(GetParam()).materials[c.material],
                          GetParam().limits.alTolerancePercent);
  }

  LoadedTables tables_;
};

TEST_P(DesignSearchTest, EveryFeasibleRowMeetsEveryLimitWhenCheckedAgain) {
  const DesignSearch search = Search();
  ASSERT_FALSE(search.rejected);
  ASSERT_FALSE(search.feasible.empty());
  const DesignLimits& limits = GetParam().limits;
  for (const SearchCandidate& c : search.feasible) {
    SCOPED_TRACE(c.part + " * " + std::to_string(c.stack) + " " + c.materialName + " N " +
                 std::to_string(c.turns) + " AWG " + std::to_string(c.gauge));
    DesignRecord r;
    const OperatingCheck check = Recheck(c, r);
    const auto verdicts = JudgeCheck(check, limits);
    for (CheckVerdict v :
         {CheckVerdict::InductanceAtPeak, CheckVerdict::RippleAtCrest, CheckVerdict::Temperature,
          CheckVerdict::Steady, CheckVerdict::Saturation})
      EXPECT_TRUE(verdicts[static_cast<std::size_t>(v)].Passes()) << VerdictName(v);
    EXPECT_EQ(check.worstCase.has_value(), limits.alTolerancePercent > 0);
    EXPECT_LE(r.ActualFillFactor, r.FillFactorLimit);
    EXPECT_EQ(c.totalLossW, check.lowLine.totalLossW.value_or(NAN));
    const WoundDimensions wound = WindingOn(r);
    EXPECT_EQ(c.woundVolumeCm3, wound.od * wound.od * wound.ht);
  }
}

TEST_P(DesignSearchTest, NoParetoRowIsDominatedAndEveryDominatedRowIsOffTheFront) {
  const DesignSearch search = Search();
  const auto dominates = [](const SearchCandidate& a, const SearchCandidate& b) {
    return a.totalLossW <= b.totalLossW && a.woundVolumeCm3 <= b.woundVolumeCm3 &&
           (a.totalLossW < b.totalLossW || a.woundVolumeCm3 < b.woundVolumeCm3);
  };
  for (const SearchCandidate& b : search.feasible) {
    bool dominated = false;
    for (const SearchCandidate& a : search.feasible)
      dominated = dominated || dominates(a, b);
    EXPECT_EQ(b.pareto, !dominated) << b.part << " " << b.totalLossW << " W";
  }
}

TEST_P(DesignSearchTest, OneThreadAndTwoGiveTheSameRowsInTheSameOrder) {
  const DesignSearch one = Search(1);
  const DesignSearch two = Search(2);
  ASSERT_EQ(one.feasible.size(), two.feasible.size());
  EXPECT_EQ(one.checked, two.checked);
  for (std::size_t i = 0; i < one.feasible.size(); ++i) {
    const SearchCandidate& a = one.feasible[i];
    const SearchCandidate& b = two.feasible[i];
    EXPECT_TRUE(a.part == b.part && a.stack == b.stack && a.material == b.material &&
                a.turns == b.turns && a.wireRow == b.wireRow && a.totalLossW == b.totalLossW &&
                a.pareto == b.pareto)
        << "row " << i;
  }
}

TEST_P(DesignSearchTest, TheRowsComeInTheObjectivesOrder) {
  const DesignSearch search = Search();
  for (std::size_t i = 1; i < search.feasible.size(); ++i) {
    const SearchCandidate& a = search.feasible[i - 1];
    const SearchCandidate& b = search.feasible[i];
    EXPECT_TRUE(a.totalLossW < b.totalLossW ||
                (a.totalLossW == b.totalLossW && a.woundVolumeCm3 <= b.woundVolumeCm3))
        << "row " << i;
  }
}

TEST_P(DesignSearchTest, TheProgressHandsOverEveryFeasibleRowOnce) {
  std::size_t handedOver = 0;
  std::size_t lastDone = 0;
  std::size_t total = 0;
  const DesignSearch search =
      SearchDesigns(EntryTexts{}, tables_.record, tables_.catalogue, tables_.wires,
                    RequestOf(GetParam(), 2), [&](const SearchProgress& p) {
                      handedOver += p.found.size();
                      EXPECT_EQ(p.done, lastDone + 1);
                      lastDone = p.done;
                      total = p.total;
                    });
  EXPECT_EQ(handedOver, search.feasible.size());
  EXPECT_EQ(lastDone, total);
  EXPECT_EQ(search.combinations, total);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignSearchTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// One combination at a time: the turn count the search starts from.
class FewestTurnsTest : public testing::Test {
 protected:
  FewestTurnsTest() {
    const EntryReadings readings = ReadEntries(EntryTexts{});
    initValues(readings, tables_.record);
    ValidateInputs(readings, tables_.record, tables_.catalogue);
    ComputeOperatingPoint(tables_.record);
    methodWire_ = SelectWire(tables_.record.IinRms / 500, tables_.wires);
  }

  CombinationOutcome SearchOne(std::int16_t row, std::int16_t stack, const Material& m,
                               const DesignLimits& limits) {
    DesignRecord r = tables_.record;
    return SearchCombination(
        r,
        CombinationContext{tables_.catalogue, tables_.wires, limits, methodWire_,
                           SearchedWires(tables_.wires, methodWire_)},
        row, stack, m, 0);
  }

  // The low-line inductance at the peak current of `turns` on the core, through the check.
  double ShareAt(std::int16_t row, std::int16_t stack, const Material& m, double turns) {
    DesignRecord r = tables_.record;
    r.CoresToStack = stack;
    LoadCore(r, tables_.catalogue, row);
    EvaluateCore(r, tables_.wires, GivenWinding{turns, methodWire_});
    return CheckLine(r, m, LineVoltage::Low).atIpk.lPercentOfTarget.value_or(-1);
  }

  // Walks one combination as the search should and compares the candidates checked and the
  // feasible ones; false when it has no turn count to start from.
  bool WalkOne(std::int16_t row, std::int16_t stack, const Material& m);

  LoadedTables tables_;
  std::int16_t methodWire_ = 0;
};

TEST_F(FewestTurnsTest, OneTurnFewerMissesTheInductance) {
  const DesignLimits limits[] = {DesignLimits{}, DesignLimits{40, std::nullopt, 155}};
  for (const DesignLimits& l : limits) {
    for (int grade : {14, 60, 160}) {
      for (std::int16_t row = 1; row <= tables_.catalogue.RowCount(); row += 3) {
        const CombinationOutcome o = SearchOne(row, 2, Grade(grade), l);
        if (!o.fewestTurns)
          continue;
        SCOPED_TRACE("row " + std::to_string(row) + " grade " + std::to_string(grade));
        const double n = *o.fewestTurns;
        EXPECT_GE(ShareAt(row, 2, Grade(grade), n), l.inductancePercent);
        if (n > 1) {
          EXPECT_LT(ShareAt(row, 2, Grade(grade), n - 1), l.inductancePercent);
        }
      }
    }
  }
}

TEST_F(FewestTurnsTest, WithoutRolloffTheFewestTurnsFollowTheInductanceFactor) {
  Material flat;
  flat.name = "flat";
  flat.permeability = 60;
  flat.c = 1.5;  // b = 0: the inductance never falls
  for (std::int16_t row = 1; row <= tables_.catalogue.RowCount(); ++row) {
    for (std::int16_t stack : {1, 4}) {
      const CombinationOutcome o = SearchOne(row, stack, flat, DesignLimits{});
      DesignRecord r = tables_.record;
      r.CoresToStack = stack;
      LoadCore(r, tables_.catalogue, row);
      const double expected =
          std::ceil(std::sqrt(r.Inductance / (MaterialAlValue(r, flat) * 1e-9)));
      SCOPED_TRACE("row " + std::to_string(row) + " stack " + std::to_string(stack));
      if (expected <= o.mostTurns)
        EXPECT_EQ(o.fewestTurns, expected);
      else
        EXPECT_FALSE(o.fewestTurns);
    }
  }
}

// With c ≥ 2 more turns lose inductance past a peak; a core whose peak falls short has none.
TEST_F(FewestTurnsTest, PastThePeakOfASteepMaterialNoTurnCountReachesTheTarget) {
  Material steep;
  steep.name = "steep";
  steep.permeability = 90;
  steep.b = 2e-12;  // the peak near 40 turns on a middle core
  steep.c = 2.5;
  for (std::int16_t row = 1; row <= tables_.catalogue.RowCount(); row += 3) {
    const CombinationOutcome o = SearchOne(row, 3, steep, DesignLimits{});
    SCOPED_TRACE("row " + std::to_string(row));
    double best = -1;
    for (double n = 1; n <= std::min(o.mostTurns, 400.0); ++n)
      best = std::max(best, ShareAt(row, 3, steep, n));
    if (o.mostTurns <= 400) {
      EXPECT_EQ(o.fewestTurns.has_value(), best >= 100) << best;
    }
  }
}

// Powders steeper than any grade (c = 3.5): the inductance at the peak current peaks in N
// inside the window and falls fast past it, so that on some cores the most turns the window
// holds miss a target that fewer turns reach.
Material SteepPowder(double b) {
  Material steep;
  steep.name = "steep";
  steep.permeability = 125;
  steep.b = b;
  steep.c = 3.5;
  return steep;
}

TEST_F(FewestTurnsTest, WithASteepPowderTheFewestTurnsAreTheSmallestThatPass) {
  int passedBelowTheWindow = 0;
  for (const double b : {3e-17, 1e-16, 3e-16}) {
    const Material steep = SteepPowder(b);
    for (std::int16_t row = 1; row <= tables_.catalogue.RowCount(); row += 2) {
      for (std::int16_t stack : {1, 3, 6}) {
        const CombinationOutcome o = SearchOne(row, stack, steep, DesignLimits{});
        SCOPED_TRACE("b " + std::to_string(b) + " row " + std::to_string(row) + " stack " +
                     std::to_string(stack));
        std::optional<double> smallest;
        for (double n = 1; n <= o.mostTurns && !smallest; ++n) {
          if (ShareAt(row, stack, steep, n) >= 100)
            smallest = n;
        }
        EXPECT_EQ(o.fewestTurns, smallest);
        if (smallest && ShareAt(row, stack, steep, o.mostTurns) < 100)
          ++passedBelowTheWindow;
      }
    }
  }
  EXPECT_GT(passedBelowTheWindow, 0) << "no core whose most turns miss what fewer reach";
}

// The walk the search makes: from the fewest turns up, each count with the method's wire
// and the thicker ones that fit, until the least loss of a count has risen three times in
// a row. Counts the candidates it checks and the feasible ones at the default limits.
struct Walk {
  std::size_t checked = 0;
  std::size_t feasible = 0;
};

bool FewestTurnsTest::WalkOne(std::int16_t row, std::int16_t stack, const Material& m) {
  const CombinationOutcome o = SearchOne(row, stack, m, DesignLimits{});
  SCOPED_TRACE("row " + std::to_string(row) + " stack " + std::to_string(stack) + " grade " +
               m.name);
  if (!o.fewestTurns)
    return false;
  Walk walk;
  double previous = INFINITY;
  int rises = 0;
  for (double n = *o.fewestTurns; n <= o.mostTurns && rises < 3; ++n) {
    double least = INFINITY;
    int tried = 0;
    for (const WireOption& option : SearchedWires(tables_.wires, methodWire_)) {
      if (tried == kWiresPerTurnCount)
        break;
      DesignRecord r = tables_.record;
      r.CoresToStack = stack;
      LoadCore(r, tables_.catalogue, row);
      const bool wound =
          EvaluateCore(r, tables_.wires, GivenWinding{n, option.wireRow, option.strands}) ==
          Evaluation::Completed;
      if (r.ActualFillFactor > r.FillFactorLimit)
        continue;
      ++tried;
      ++walk.checked;
      if (!wound)
        continue;
      const OperatingCheck check = CheckOperation(r, m);
      least = std::min(least, check.lowLine.totalLossW.value_or(INFINITY));
      const auto verdicts = JudgeCheck(check, DesignLimits{});
      bool passes = check.lowLine.atIpk.lPercentOfTarget.value_or(-1) >= 100;
      for (CheckVerdict v :
           {CheckVerdict::Temperature, CheckVerdict::Steady, CheckVerdict::Saturation})
        passes = passes && verdicts[static_cast<std::size_t>(v)].Passes();
      walk.feasible += passes ? 1 : 0;
    }
    rises = least < previous ? 0 : rises + 1;
    previous = least;
  }
  EXPECT_EQ(o.checked, walk.checked);
  EXPECT_EQ(o.feasible.size(), walk.feasible);
  return true;
}

TEST_F(FewestTurnsTest, TheSearchWalksTheTurnsUntilTheLossRoseThreeTimesInARow) {
  int walked = 0;
  for (std::int16_t row = 1; row <= tables_.catalogue.RowCount(); ++row) {
    for (const RolloffGrade& grade : RolloffGrades()) {
      for (std::int16_t stack = 1; stack <= kMostCoresToStack; ++stack)
        walked += WalkOne(row, stack, Material(grade)) ? 1 : 0;
    }
  }
  EXPECT_GT(walked, 10);
}

// The front by hand: a candidate is off it when another has no more loss and no more volume,
// and less of one; a loss that does not exist is worse than any.
struct ParetoCase {
  const char* part;
  double loss;
  double volume;
  bool pareto;
};

// The options a turn count draws from: every gauge in one to four strands with at least the
// method's copper, the most copper first, so that the first that fit are the thickest.
TEST_F(FewestTurnsTest, TheWiresTriedAreEveryGaugeInUpToFourStrandsWithTheMethodsCopper) {
  const std::vector<WireOption> options = SearchedWires(tables_.wires, methodWire_);
  const double least = tables_.wires.Area[static_cast<std::size_t>(methodWire_)];
  std::size_t expected = 0;
  for (std::int16_t row = 1; row <= tables_.wires.RowCount(); ++row) {
    for (int k = 1; k <= 4; ++k)
      expected += k * tables_.wires.Area[static_cast<std::size_t>(row)] >= least ? 1 : 0;
  }
  EXPECT_EQ(options.size(), expected);
  std::set<double> strands;
  for (std::size_t i = 0; i < options.size(); ++i) {
    const WireOption& o = options[i];
    const auto row = static_cast<std::size_t>(o.wireRow);
    EXPECT_EQ(o.copperArea, o.strands * tables_.wires.Area[row]);
    EXPECT_GE(o.copperArea, least);
    if (i > 0) {
      EXPECT_LE(o.copperArea, options[i - 1].copperArea);
    }
    strands.insert(o.strands);
  }
  EXPECT_EQ(strands, (std::set<double>{1, 2, 3, 4}));
}

TEST(ParetoFront, HandBuiltCandidatesGetTheirFlags) {
  const ParetoCase cases[] = {
      {"least loss, twice", 0.5, 8, true},
      {"least loss, twice ", 0.5, 8, true},  // a duplicate beats neither
      {"equal loss, more volume", 1, 5, false},
      {"equal loss, less volume", 1, 4, true},
      {"equal volume, more loss", 2, 4, false},
      {"least volume", 3, 2, true},
      {"no loss figure", NAN, 2, false},  // the least volume's, with a loss no worse
      {"no loss figure, least volume", NAN, 1, true},
      {"dominated twice", 4, 6, false},
      {"dominated twice ", 4, 6, false},
  };
  for (const SearchObjective objective : {SearchObjective::Loss, SearchObjective::Volume}) {
    std::vector<SearchCandidate> candidates;
    for (const ParetoCase& c : cases) {
      SearchCandidate candidate;
      candidate.part = c.part;
      candidate.totalLossW = c.loss;
      candidate.woundVolumeCm3 = c.volume;
      candidate.pareto = !c.pareto;  // the ranking must set every flag
      candidates.push_back(candidate);
    }
    RankCandidates(candidates, objective);
    ASSERT_EQ(candidates.size(), std::size(cases));
    for (const ParetoCase& c : cases) {
      const auto ranked = std::find_if(candidates.begin(), candidates.end(),
                                       [&c](const SearchCandidate& r) { return r.part == c.part; });
      ASSERT_NE(ranked, candidates.end());
      EXPECT_EQ(ranked->pareto, c.pareto) << c.part;
    }
  }
}

TEST(DesignSearchEdges, NothingFeasibleListsTheNearestMissesNearestFirst) {
  LoadedTables tables;
  SearchRequest request;
  request.materials = {Grade(60)};
  request.lastStack = 1;
  request.limits.temperatureC = 30;  // below the ambient
  const DesignSearch search =
      SearchDesigns(EntryTexts{}, tables.record, tables.catalogue, tables.wires, request);
  EXPECT_TRUE(search.feasible.empty());
  ASSERT_EQ(search.nearMisses.size(), kNearMissesShown);
  for (std::size_t i = 0; i < search.nearMisses.size(); ++i) {
    EXPECT_NE(search.nearMisses[i].broken, 0u);
    if (i > 0) {
      EXPECT_FALSE(NearerMiss(search.nearMisses[i], search.nearMisses[i - 1]));
    }
  }
}

// Under a ripple limit no design meets, the nearest misses are designs that keep the core out
// of saturation and break the fewest limits, not saturating ones that break many.
TEST(DesignSearchEdges, AnUnreachableRippleLimitListsMissesThatDoNotSaturate) {
  LoadedTables tables;
  SearchRequest request;
  request.materials = {Grade(60)};
  request.lastStack = 1;
  request.limits.ripplePercent = 1;
  const DesignSearch search =
      SearchDesigns(EntryTexts{}, tables.record, tables.catalogue, tables.wires, request);
  ASSERT_TRUE(search.feasible.empty());
  ASSERT_FALSE(search.nearMisses.empty());
  for (const SearchCandidate& miss : search.nearMisses) {
    EXPECT_FALSE(miss.Breaks(SearchLimit::Saturation)) << miss.part;
    EXPECT_TRUE(miss.Breaks(SearchLimit::Ripple)) << miss.part;
    EXPECT_LE(std::popcount(miss.broken), 2) << miss.part;
  }
}

// Misses rank by how many limits they break, then by how far the worst of them is missed
// relative to its limit; one that saturates comes after every one that does not.
struct MissOrder {
  const char* label;
  unsigned nearerBroken;
  double nearerShortfall;
  unsigned fartherBroken;
  double fartherShortfall;
};

class NearerMissTest : public testing::TestWithParam<MissOrder> {};

TEST_P(NearerMissTest, RanksTheNearerFirst) {
  SearchCandidate nearer;
  nearer.broken = GetParam().nearerBroken;
  nearer.shortfall = GetParam().nearerShortfall;
  SearchCandidate farther;
  farther.broken = GetParam().fartherBroken;
  farther.shortfall = GetParam().fartherShortfall;
  EXPECT_TRUE(NearerMiss(nearer, farther));
  EXPECT_FALSE(NearerMiss(farther, nearer));
}

constexpr auto kL = static_cast<unsigned>(SearchLimit::Inductance);
constexpr auto kT = static_cast<unsigned>(SearchLimit::Temperature);
constexpr auto kR = static_cast<unsigned>(SearchLimit::Ripple);
constexpr auto kS = static_cast<unsigned>(SearchLimit::Saturation);
constexpr auto kSteady = static_cast<unsigned>(SearchLimit::Steady);
constexpr auto kF = static_cast<unsigned>(SearchLimit::Fill);

INSTANTIATE_TEST_SUITE_P(
    Misses, NearerMissTest,
    testing::Values(MissOrder{"OneLimitFarBeforeTwoNear", kR, 3.0, kL | kT, 0.01},
                    MissOrder{"SameCountSmallerWorstMiss", kL | kR, 0.2, kT | kF, 0.5},
                    MissOrder{"OneLimitBeforeSaturating", kL | kT | kR, 9.0, kS, 1.0},
                    MissOrder{"SaturatingWithFewerLimitsFirst", kS | kL, 1.0,
                              kS | kL | kSteady | kR, 1.0},
                    MissOrder{"OneLimitMissedByLess", kSteady, 1.0, kT, 1.5}),
    [](const testing::TestParamInfo<MissOrder>& info) { return std::string(info.param.label); });

TEST(DesignSearchEdges, ARejectedEntryNamesItsCheckAndSearchesNothing) {
  LoadedTables tables;
  EntryTexts entries;
  entries[Entry::OutputPower] = "abc";
  SearchRequest request;
  request.materials = {Grade(60)};
  const DesignSearch search =
      SearchDesigns(entries, tables.record, tables.catalogue, tables.wires, request);
  EXPECT_TRUE(search.rejected);
  EXPECT_FALSE(search.message.text.empty());
  EXPECT_EQ(search.combinations, 0u);
}

TEST(DesignSearchEdges, ACancelledSearchSaysSoAndKeepsWhatItFound) {
  LoadedTables tables;
  SearchRequest request;
  request.materials = {Grade(60), Grade(90)};
  std::atomic<bool> cancel{false};
  std::size_t found = 0;
  const DesignSearch search = SearchDesigns(
      EntryTexts{}, tables.record, tables.catalogue, tables.wires, request,
      [&](const SearchProgress& p) {
        found += p.found.size();
        if (p.done == 20)
          cancel = true;
      },
      &cancel);
  EXPECT_TRUE(search.cancelled);
  EXPECT_EQ(search.combinations, 20u);
  EXPECT_EQ(search.feasible.size(), found);
}

}  // namespace
}  // namespace pfc
