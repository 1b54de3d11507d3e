#include "ui/forms/session/compare_cores_designs.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pfc::ui {

void CompareCoresDesigns::Replace(Exploration exploration, EntryTexts entries) {
  exploration_ = std::move(exploration);
  entries_ = std::move(entries);
  picked_.reset();
  listeners_.Notify(Change::Designs);
}

std::optional<std::size_t> CompareCoresDesigns::CalculatorChoice() const {
  const auto& designs = exploration_.designs;
  const auto found = std::find_if(designs.begin(), designs.end(),
                                  [](const ExploredDesign& d) { return d.CalculatorChoice; });
  if (found == designs.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - designs.begin());
}

std::size_t CompareCoresDesigns::PassingCount() const {
  return static_cast<std::size_t>(
      std::count_if(exploration_.designs.begin(), exploration_.designs.end(),
                    [](const ExploredDesign& d) { return d.PassesAll(); }));
}

void CompareCoresDesigns::SetPassingOnly(bool passingOnly) {
  if (passingOnly == passingOnly_) {
    return;
  }
  passingOnly_ = passingOnly;
  listeners_.Notify(Change::Filter);
  if (picked_ && !Listed(*picked_)) {
    Pick(std::nullopt);
  }
}

bool CompareCoresDesigns::Listed(std::size_t design) const {
  return design < exploration_.designs.size() &&
         (!passingOnly_ || exploration_.designs[design].PassesAll());
}

void CompareCoresDesigns::Pick(std::optional<std::size_t> design) {
  if (design && !Listed(*design)) {
    design.reset();
  }
  if (design == picked_) {
    return;
  }
  picked_ = design;
  listeners_.Notify(Change::Pick);
}

}  // namespace pfc::ui
