#pragma once

#include <string>
#include <utility>

#include "engine/check_verdicts.h"
#include "engine/design_record.h"
#include "engine/operating_check.h"
#include "engine/rolloff_grades.h"
#include "ui/forms/listeners.h"

namespace pfc::ui {

// The design the "Operating Check" window shows, a copy taken when it was opened, and its
// check at the chosen roll-off grade. The window's logic and its charts read this one object
// and hear of every change. Owned by the application.
class CheckedDesign {
 public:
  using Listener = Listeners<>::Listener;
  // Unsubscribes when destroyed.
  using Subscription = Listeners<>::Subscription;

  CheckedDesign();
  CheckedDesign(const CheckedDesign&) = delete;
  CheckedDesign& operator=(const CheckedDesign&) = delete;

  // Checks a published design at the current grade; `origin` says where it was published
  // ("the summary", "a pick in Compare Cores").
  void Check(const DesignRecord& record, std::string origin);
  // Checks the design again at another grade; kDefaultRolloffGrade takes the one that
  // matches the core.
  void SetGrade(int grade);
  void SetGrade(const RolloffGrade& grade) { SetGrade(grade.permeability); }
  // Judges the check against another ripple limit, % of the line-peak current.
  void SetRippleLimit(double percent);

  bool HasDesign() const { return hasDesign_; }
  const DesignRecord& Record() const { return record_; }
  const std::string& Origin() const { return origin_; }
  // The grade the user chose, kDefaultRolloffGrade for none.
  int ChosenGrade() const { return grade_; }
  // The grade the check takes: the chosen one, else the one that matches the core; nullptr
  // for none chosen and no design yet.
  const RolloffGrade* Grade() const;
  const OperatingCheck& Result() const { return result_; }
  const CheckLimits& Limits() const { return limits_; }

  [[nodiscard]] Subscription Listen(Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  bool hasDesign_ = false;
  DesignRecord record_;
  std::string origin_;
  int grade_ = kDefaultRolloffGrade;
  CheckLimits limits_;
  OperatingCheck result_;
  Listeners<> listeners_;
};

}  // namespace pfc::ui
