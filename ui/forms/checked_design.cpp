#include "ui/forms/checked_design.h"

#include <utility>

namespace pfc::ui {

CheckedDesign::CheckedDesign() = default;

void CheckedDesign::Check(const DesignRecord& record, std::string origin) {
  record_ = record;
  origin_ = std::move(origin);
  hasDesign_ = true;
  result_ = CheckOperation(record_, GradeMaterialFor(record_, grade_));
  listeners_.Notify();
}

void CheckedDesign::SetGrade(int grade) {
  grade_ = grade;
  if (hasDesign_) {
    result_ = CheckOperation(record_, GradeMaterialFor(record_, grade_));
  }
  listeners_.Notify();
}

void CheckedDesign::SetRippleLimit(double percent) {
  limits_.ripplePercent = percent;
  listeners_.Notify();
}

const RolloffGrade* CheckedDesign::Grade() const {
  if (const RolloffGrade* chosen = FindRolloffGrade(grade_)) {
    return chosen;
  }
  return hasDesign_ ? &DefaultGradeFor(record_) : nullptr;
}

}  // namespace pfc::ui
