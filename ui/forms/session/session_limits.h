#pragma once

#include <utility>

#include "engine/check/design_limits.h"
#include "ui/forms/session/listeners.h"

namespace pfc::ui {

// The limits every window of the desktop session judges designs by: the Operating Check's
// verdicts, the designs Find Designs finds, Compare Cores' check columns and the summary's
// line on the check. Entered in either window that shows them, they are in force in all.
class SessionLimits {
 public:
  using Listener = Listeners<>::Listener;
  using Subscription = Listeners<>::Subscription;

  SessionLimits() = default;
  SessionLimits(const SessionLimits&) = delete;
  SessionLimits& operator=(const SessionLimits&) = delete;

  const DesignLimits& Get() const { return limits_; }
  // Tells the listeners, when the limits change.
  void Set(const DesignLimits& limits) {
    if (limits == limits_)
      return;
    limits_ = limits;
    listeners_.Notify();
  }

  [[nodiscard]] Subscription Listen(Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  DesignLimits limits_;
  Listeners<> listeners_;
};

}  // namespace pfc::ui
