#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace pfc::ui {

// The views that watch one shared object of a window's logic (Compare Cores' designs, the
// checked design). A view holds its Subscription as long as it shows the object; dropping it
// unsubscribes. The list is owned by the watched object and neither copied nor moved, since
// subscriptions point at it.
template <typename... Args>
class Listeners {
 public:
  using Listener = std::function<void(Args...)>;

  class Subscription {
   public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept
        : owner_(std::exchange(other.owner_, nullptr)), id_(other.id_) {}
    Subscription& operator=(Subscription&& other) noexcept {
      if (this != &other) {
        Leave();
        owner_ = std::exchange(other.owner_, nullptr);
        id_ = other.id_;
      }
      return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { Leave(); }

   private:
    friend class Listeners;
    Subscription(const Listeners& owner, int id) : owner_(&owner), id_(id) {}
    void Leave() {
      if (owner_ != nullptr)
        owner_->listeners_.erase(id_);
      owner_ = nullptr;
    }

    const Listeners* owner_ = nullptr;
    int id_ = 0;
  };

  Listeners() = default;
  Listeners(const Listeners&) = delete;
  Listeners& operator=(const Listeners&) = delete;

  // Listening changes nothing in the watched object, so views that only read it may listen.
  [[nodiscard]] Subscription Add(Listener listener) const {
    const int id = nextId_++;
    listeners_.emplace(id, std::move(listener));
    return Subscription(*this, id);
  }

  // A listener may subscribe or unsubscribe others while it runs: each is looked up again
  // before it is called, so none is called after it left, and the call runs on a copy that
  // survives its own unsubscription.
  void Notify(Args... args) const {
    std::vector<int> ids;
    ids.reserve(listeners_.size());
    for (const auto& entry : listeners_)
      ids.push_back(entry.first);
    for (const int id : ids) {
      const auto found = listeners_.find(id);
      if (found != listeners_.end()) {
        const Listener listener = found->second;
        listener(args...);
      }
    }
  }

 private:
  mutable std::map<int, Listener> listeners_;
  mutable int nextId_ = 1;
};

}  // namespace pfc::ui
