#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "engine/search/explorer.h"
#include "ui/forms/session/listeners.h"

namespace pfc::ui {

// The designs the "Compare Cores" window shows and the user's place among them. The window's
// logic, its table and its charts all work on this one object and hear of every change, so
// each stays Qt-free or toolkit-free as it needs to be. Owned by the application.
class CompareCoresDesigns {
 public:
  enum class Change {
    Designs,  // a new exploration replaced the old one; the pick is gone
    Filter,   // "passing only" changed
    Pick,     // another design (or none) is picked
  };
  using Listener = Listeners<Change>::Listener;
  // Unsubscribes when destroyed; a view keeps it as long as it shows the designs.
  using Subscription = Listeners<Change>::Subscription;

  CompareCoresDesigns() = default;
  CompareCoresDesigns(const CompareCoresDesigns&) = delete;
  CompareCoresDesigns& operator=(const CompareCoresDesigns&) = delete;

  // `entries` are the input form's entries the designs were computed for.
  void Replace(Exploration exploration, EntryTexts entries = {});
  const Exploration& Current() const { return exploration_; }
  const EntryTexts& Entries() const { return entries_; }
  const std::vector<ExploredDesign>& Designs() const { return exploration_.designs; }
  // The design the calculator itself publishes for the entered stack count.
  std::optional<std::size_t> CalculatorChoice() const;
  std::size_t PassingCount() const;

  void SetPassingOnly(bool passingOnly);
  bool PassingOnly() const { return passingOnly_; }
  // Whether the table lists this design under the current filter.
  bool Listed(std::size_t design) const;

  // An index into Designs(), or none. A design the filter hides cannot be picked.
  void Pick(std::optional<std::size_t> design);
  std::optional<std::size_t> Picked() const { return picked_; }

  [[nodiscard]] Subscription Listen(Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  Exploration exploration_;
  EntryTexts entries_;
  bool passingOnly_ = false;
  std::optional<std::size_t> picked_;
  Listeners<Change> listeners_;
};

}  // namespace pfc::ui
