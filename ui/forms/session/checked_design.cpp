#include "ui/forms/session/checked_design.h"

#include <utility>

namespace pfc::ui {

CheckedDesign::CheckedDesign(const WireTable& wires, const SessionLimits& limits)
    : wires_(wires), limits_(limits), limitsSubscription_(limits.Listen([this] { Recheck(); })) {}

void CheckedDesign::Check(const DesignRecord& record, std::string origin) {
  published_ = record;
  record_ = record;
  origin_ = std::move(origin);
  hasDesign_ = true;
  Wind();
  Recheck();
}

void CheckedDesign::SetGrade(int grade) {
  grade_ = grade;
  chosenMaterial_ = -1;
  Recheck();
}

void CheckedDesign::AddMaterial(Material material) {
  std::size_t position = 0;
  while (position < ownMaterials_.size() && ownMaterials_[position].name != material.name)
    ++position;
  if (position == ownMaterials_.size())
    ownMaterials_.push_back(std::move(material));
  else
    ownMaterials_[position] = std::move(material);
  ChooseMaterial(position);
}

void CheckedDesign::ChooseMaterial(std::size_t position) {
  if (position >= ownMaterials_.size())
    return;
  chosenMaterial_ = static_cast<int>(position);
  Recheck();
}

void CheckedDesign::SetWinding(const WindingRequest& request, char decimalSeparator) {
  winding_ = request;
  separator_ = decimalSeparator;
  Wind();
  Recheck();
}

const RolloffGrade* CheckedDesign::Grade() const {
  if (chosenMaterial_ >= 0)
    return nullptr;
  if (const RolloffGrade* chosen = FindRolloffGrade(grade_)) {
    return chosen;
  }
  return hasDesign_ ? &DefaultGradeFor(record_) : nullptr;
}

PartMaterial CheckedDesign::ChosenPartMaterial() const {
  PartMaterial material;
  material.grade = grade_;
  if (chosenMaterial_ >= 0)
    material.own = ownMaterials_[static_cast<std::size_t>(chosenMaterial_)];
  return material;
}

Material CheckedDesign::CheckedMaterial() const {
  if (chosenMaterial_ >= 0)
    return ownMaterials_[static_cast<std::size_t>(chosenMaterial_)];
  return GradeMaterialFor(record_, grade_);
}

void CheckedDesign::Wind() {
  if (!hasDesign_)
    return;
  DesignRecord wound = published_;
  const WindingApplied applied = ApplyWinding(wound, wires_, winding_, separator_);
  windingProblem_ = applied.message;
  // A refused winding leaves the last one that was wound: the published one at first.
  if (applied.Wound())
    record_ = std::move(wound);
}

void CheckedDesign::Recheck() {
  if (hasDesign_)
    result_ = CheckOperation(record_, CheckedMaterial(), Limits().alTolerancePercent);
  listeners_.Notify();
}

}  // namespace pfc::ui
