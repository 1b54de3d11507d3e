#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/check/built_part.h"
#include "engine/check/check_verdicts.h"
#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/design_record.h"
#include "ui/forms/session/listeners.h"
#include "ui/forms/session/session_limits.h"

namespace pfc::ui {

// The design the "Operating Check" window shows, a copy taken when it was opened, wound as
// the user says, and its check in the chosen material. The window's logic and its charts
// read this one object and hear of every change. Owned by the application.
class CheckedDesign {
 public:
  using Listener = Listeners<>::Listener;
  // Unsubscribes when destroyed.
  using Subscription = Listeners<>::Subscription;

  // The wires a given winding is wound with and the limits the check is judged by, which it
  // follows; both must outlive the object.
  CheckedDesign(const WireTable& wires, const SessionLimits& limits);
  CheckedDesign(const CheckedDesign&) = delete;
  CheckedDesign& operator=(const CheckedDesign&) = delete;

  // Checks a published design with the current winding and material; `origin` says where it
  // was published ("the summary", "a pick in Compare Cores"). A given winding the design
  // cannot take is set aside (WindingProblem says why) and the published one is checked.
  void Check(const DesignRecord& record, std::string origin);
  // Checks the design again at another grade; kDefaultRolloffGrade takes the one that
  // matches the core.
  void SetGrade(int grade);
  void SetGrade(const RolloffGrade& grade) { SetGrade(grade.permeability); }
  // Adds a material of the user's own for the session (replacing one of the same name) and
  // checks the design in it.
  void AddMaterial(Material material);
  // Checks the design in an added material, by its position in OwnMaterials().
  void ChooseMaterial(std::size_t position);
  // Winds the design with the request and checks it again; an empty request puts the
  // published winding back. A refused request keeps the check as it was and says why, with
  // numbers written with the given decimal separator.
  void SetWinding(const WindingRequest& request, char decimalSeparator = '.');

  bool HasDesign() const { return hasDesign_; }
  // The design as it was published, and as it is checked: wound with the given winding.
  const DesignRecord& Published() const { return published_; }
  const DesignRecord& Record() const { return record_; }
  const std::string& Origin() const { return origin_; }
  // The grade the user chose, kDefaultRolloffGrade for none.
  int ChosenGrade() const { return grade_; }
  // The grade the check takes: the chosen one, else the one that matches the core; nullptr
  // for an own material, or for none chosen and no design yet.
  const RolloffGrade* Grade() const;
  const std::vector<Material>& OwnMaterials() const { return ownMaterials_; }
  // The position of the own material the check takes; -1 for a grade.
  int ChosenMaterial() const { return chosenMaterial_; }
  // The chosen grade or own material as the part to be built carries it.
  PartMaterial ChosenPartMaterial() const;
  // The winding asked for, empty for the published one, and why it could not be wound
  // (empty when it was).
  const WindingRequest& Winding() const { return winding_; }
  const std::string& WindingProblem() const { return windingProblem_; }
  const OperatingCheck& Result() const { return result_; }
  const DesignLimits& Limits() const { return limits_.Get(); }

  [[nodiscard]] Subscription Listen(Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  Material CheckedMaterial() const;
  void Wind();  // the published design with the winding asked for, into record_
  void Recheck();

  const WireTable& wires_;
  bool hasDesign_ = false;
  DesignRecord published_;
  DesignRecord record_;
  std::string origin_;
  int grade_ = kDefaultRolloffGrade;
  std::vector<Material> ownMaterials_;
  int chosenMaterial_ = -1;
  WindingRequest winding_;
  std::string windingProblem_;
  char separator_ = '.';
  const SessionLimits& limits_;
  OperatingCheck result_;
  Listeners<> listeners_;
  SessionLimits::Subscription limitsSubscription_;
};

}  // namespace pfc::ui
