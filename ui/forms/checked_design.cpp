#include "ui/forms/checked_design.h"

#include <utility>

namespace pfc::ui {

CheckedDesign::CheckedDesign() : grade_(*FindRolloffGrade(kDefaultRolloffGrade)) {}

void CheckedDesign::Check(const DesignRecord& record, std::string origin) {
  record_ = record;
  origin_ = std::move(origin);
  hasDesign_ = true;
  result_ = CheckOperation(record_, grade_);
  listeners_.Notify();
}

void CheckedDesign::SetGrade(const RolloffGrade& grade) {
  grade_ = grade;
  if (hasDesign_) {
    result_ = CheckOperation(record_, grade_);
  }
  listeners_.Notify();
}

void CheckedDesign::SetRippleLimit(double percent) {
  limits_.ripplePercent = percent;
  listeners_.Notify();
}

}  // namespace pfc::ui
