#include "ui/forms/checked_design.h"

#include <utility>
#include <vector>

namespace pfc::ui {

CheckedDesign::Subscription::Subscription(Subscription&& other) noexcept
    : design_(std::exchange(other.design_, nullptr)), id_(other.id_) {}

CheckedDesign::Subscription& CheckedDesign::Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    if (design_ != nullptr) {
      design_->Forget(id_);
    }
    design_ = std::exchange(other.design_, nullptr);
    id_ = other.id_;
  }
  return *this;
}

CheckedDesign::Subscription::~Subscription() {
  if (design_ != nullptr) {
    design_->Forget(id_);
  }
}

CheckedDesign::CheckedDesign() : grade_(*FindRolloffGrade(kDefaultRolloffGrade)) {}

void CheckedDesign::Check(const DesignRecord& record, std::string origin) {
  record_ = record;
  origin_ = std::move(origin);
  hasDesign_ = true;
  result_ = CheckOperation(record_, grade_);
  Notify();
}

void CheckedDesign::SetGrade(const RolloffGrade& grade) {
  grade_ = grade;
  if (hasDesign_) {
    result_ = CheckOperation(record_, grade_);
  }
  Notify();
}

CheckedDesign::Subscription CheckedDesign::Listen(Listener listener) const {
  const int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return Subscription(*this, id);
}

void CheckedDesign::Notify() {
  // A listener may unsubscribe others while it runs: each is looked up again before it is
  // called.
  std::vector<int> ids;
  ids.reserve(listeners_.size());
  for (const auto& entry : listeners_) {
    ids.push_back(entry.first);
  }
  for (const int id : ids) {
    const auto found = listeners_.find(id);
    if (found != listeners_.end()) {
      const Listener listener = found->second;
      listener();
    }
  }
}

void CheckedDesign::Forget(int id) const {
  listeners_.erase(id);
}

}  // namespace pfc::ui
