#include "ui/forms/session/listeners.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace pfc::ui {
namespace {

using Heard = std::vector<std::string>;

TEST(Listeners, DroppedOrMovedSubscriptionsDecideWhoHears) {
  const Listeners<int> listeners;
  Heard heard;
  auto first = listeners.Add([&heard](int n) { heard.push_back("first " + std::to_string(n)); });
  std::optional<Listeners<int>::Subscription> second =
      listeners.Add([&heard](int n) { heard.push_back("second " + std::to_string(n)); });
  listeners.Notify(1);
  Listeners<int>::Subscription moved = std::move(first);  // still one registration
  second.reset();
  listeners.Notify(2);
  moved = Listeners<int>::Subscription();  // assigning over it leaves
  listeners.Notify(3);
  EXPECT_EQ(heard, (Heard{"first 1", "second 1", "first 2"}));
}

// What a listener may do to the list while it is being called.
TEST(Listeners, ChangesDuringANotificationTakeEffectAtOnce) {
  const Listeners<> listeners;
  Heard heard;
  std::optional<Listeners<>::Subscription> self;
  std::optional<Listeners<>::Subscription> later;
  std::optional<Listeners<>::Subscription> added;
  self = listeners.Add([&] {
    heard.push_back("self");
    self.reset();   // its own function must survive this
    later.reset();  // so the one after it is not called any more
    added = listeners.Add([&heard] { heard.push_back("added"); });
  });
  later = listeners.Add([&heard] { heard.push_back("later"); });
  listeners.Notify();
  listeners.Notify();
  EXPECT_EQ(heard, (Heard{"self", "added"}));
}

}  // namespace
}  // namespace pfc::ui
