#include <algorithm>
#include <bit>
#include <limits>
#include <tuple>

#include "engine/search/design_search.h"

namespace pfc {
namespace {

// A figure that does not exist ranks after every one that does.
double Ranked(double value) {
  return value == value ? value : std::numeric_limits<double>::infinity();
}

double Objective(const SearchCandidate& c, SearchObjective objective) {
  return Ranked(objective == SearchObjective::Loss ? c.totalLossW : c.woundVolumeCm3);
}

double Other(const SearchCandidate& c, SearchObjective objective) {
  return Ranked(objective == SearchObjective::Loss ? c.woundVolumeCm3 : c.totalLossW);
}

// A candidate is on the front when no other has at most its loss and at most its volume, and
// less of one. In order of loss (then volume), a candidate is dominated exactly when an
// earlier one of less loss has no more volume, or one of the same loss has less volume.
void MarkParetoFront(std::vector<SearchCandidate>& candidates) {
  std::vector<SearchCandidate*> order;
  order.reserve(candidates.size());
  for (SearchCandidate& c : candidates)
    order.push_back(&c);
  std::sort(order.begin(), order.end(), [](const SearchCandidate* a, const SearchCandidate* b) {
    return std::make_tuple(Ranked(a->totalLossW), Ranked(a->woundVolumeCm3)) <
           std::make_tuple(Ranked(b->totalLossW), Ranked(b->woundVolumeCm3));
  });
  double leastVolumeBefore = std::numeric_limits<double>::infinity();  // of strictly less loss
  std::size_t i = 0;
  while (i < order.size()) {
    const double loss = Ranked(order[i]->totalLossW);
    const double groupLeast = Ranked(order[i]->woundVolumeCm3);  // sorted: the group's first
    std::size_t end = i;
    for (; end < order.size() && Ranked(order[end]->totalLossW) == loss; ++end) {
      const double volume = Ranked(order[end]->woundVolumeCm3);
      const bool dominated = leastVolumeBefore <= volume || groupLeast < volume;
      order[end]->pareto = !dominated;
    }
    leastVolumeBefore = std::min(leastVolumeBefore, groupLeast);
    i = end;
  }
}

}  // namespace

bool NearerMiss(const SearchCandidate& a, const SearchCandidate& b) {
  const auto key = [](const SearchCandidate& c) {
    return std::make_tuple(c.Breaks(SearchLimit::Saturation), std::popcount(c.broken),
                           Ranked(c.shortfall));
  };
  return key(a) < key(b);
}

void RankCandidates(std::vector<SearchCandidate>& candidates, SearchObjective objective) {
  std::sort(candidates.begin(), candidates.end(),
            [objective](const SearchCandidate& a, const SearchCandidate& b) {
              return std::forward_as_tuple(Objective(a, objective), Other(a, objective), a.part,
                                           a.stack, a.materialName, a.turns, a.gauge, a.strands) <
                     std::forward_as_tuple(Objective(b, objective), Other(b, objective), b.part,
                                           b.stack, b.materialName, b.turns, b.gauge, b.strands);
            });
  MarkParetoFront(candidates);
}

}  // namespace pfc
