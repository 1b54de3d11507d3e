#include "ui/forms/compare_cores_designs.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pfc::ui {

CompareCoresDesigns::Subscription::Subscription(Subscription&& other) noexcept
    : designs_(std::exchange(other.designs_, nullptr)), id_(other.id_) {}

CompareCoresDesigns::Subscription& CompareCoresDesigns::Subscription::operator=(
    Subscription&& other) noexcept {
  if (this != &other) {
    if (designs_ != nullptr) {
      designs_->Forget(id_);
    }
    designs_ = std::exchange(other.designs_, nullptr);
    id_ = other.id_;
  }
  return *this;
}

CompareCoresDesigns::Subscription::~Subscription() {
  if (designs_ != nullptr) {
    designs_->Forget(id_);
  }
}

void CompareCoresDesigns::Replace(Exploration exploration, EntryTexts entries) {
  exploration_ = std::move(exploration);
  entries_ = std::move(entries);
  picked_.reset();
  Notify(Change::Designs);
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
  Notify(Change::Filter);
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
  Notify(Change::Pick);
}

CompareCoresDesigns::Subscription CompareCoresDesigns::Listen(Listener listener) const {
  const int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return Subscription(*this, id);
}

void CompareCoresDesigns::Notify(Change change) {
  // A listener may subscribe or unsubscribe others while it runs: each is looked up again
  // before it is called, so none is called after it left.
  std::vector<int> ids;
  ids.reserve(listeners_.size());
  for (const auto& entry : listeners_) {
    ids.push_back(entry.first);
  }
  for (const int id : ids) {
    const auto found = listeners_.find(id);
    if (found != listeners_.end()) {
      const Listener listener = found->second;  // survives its own unsubscription
      listener(change);
    }
  }
}

void CompareCoresDesigns::Forget(int id) const {
  listeners_.erase(id);
}

}  // namespace pfc::ui
