#include "ui/forms/compare_cores/compare_cores_form.h"

#include <string>

#include "reports/files/explorer_csv.h"
#include "ui/forms/compare_cores/compare_cores.h"
#include "ui/forms/compare_cores/compare_cores_design.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {

using namespace compare_cores_controls;

namespace {

// "TD-26" for one core, "TD-26 * 2" for a stack, as the summary writes a stacked core.
std::string DesignName(const ExploredDesign& design) {
  std::string name = design.SelectedCoreSize;
  if (design.CoresToStack != 1) {
    name += " * " + std::to_string(design.CoresToStack);
  }
  return name;
}

std::string NoChoiceReason(RunEnding ending) {
  switch (ending) {
    case RunEnding::AreaProduct:
      return "the required area product exceeds the largest core of the stack";
    case RunEnding::Vpeak:
      return "the output voltage is below the line peak";
    case RunEnding::FieldStrength:
      return "no core of the stack keeps H at max current within 115 Oe";
    case RunEnding::UnknownCore:
    case RunEnding::Rejected:
    case RunEnding::Published:
      break;
  }
  return "its run ends without a design";
}

}  // namespace

void CompareCoresForm::Form_Load() {
  toolkit_.Centre(kCompareCoresForm);
  // A window loads with its design-time choices: every design listed, none picked.
  session_.compareCores.SetPassingOnly(false);
  session_.compareCores.Pick(std::nullopt);
  subscription_ =
      session_.compareCores.Listen([this](CompareCoresDesigns::Change c) { Changed(c); });
  limitsSubscription_ = session_.limits.Listen([this] { FollowSessionLimits(session_); });
  ShowCounts();
  ShowPickState();
}

void CompareCoresForm::Form_Activate() {
  // Back from the input form, whose entries may have changed meanwhile.
  FollowInputEntries(toolkit_, session_);
}

void CompareCoresForm::Changed(CompareCoresDesigns::Change change) {
  if (!toolkit_.IsLoaded(kCompareCoresForm)) {
    return;  // unloading: a control touched now would load the window again
  }
  if (change == CompareCoresDesigns::Change::Designs) {
    ShowCounts();
  }
  ShowPickState();
}

void CompareCoresForm::ShowCounts() {
  const CompareCoresDesigns& compareCores = session_.compareCores;
  toolkit_.SetText(kCompareCoresForm, kLblInputs, ComputedForText(compareCores.Entries()));
  toolkit_.SetText(kCompareCoresForm, kLblCount,
                   std::to_string(compareCores.PassingCount()) + " of " +
                       std::to_string(compareCores.Designs().size()) +
                       " designs pass every limit.");
  std::string choice;
  if (const auto chosen = compareCores.CalculatorChoice()) {
    const ExploredDesign& design = compareCores.Designs()[*chosen];
    choice = "Highlighted: " + DesignName(design) +
             ", the core the calculator chooses for this stack count.";
  } else {
    choice =
        "No design is highlighted: the calculator's own run for this stack count finds "
        "none, as " +
        NoChoiceReason(compareCores.Current().calculatorEnding) + ".";
  }
  toolkit_.SetText(kCompareCoresForm, kLblChoice, choice);
}

void CompareCoresForm::ShowPickState() {
  toolkit_.SetEnabled(kCompareCoresForm, kCmdUseDesign, session_.compareCores.Picked().has_value());
  toolkit_.SetEnabled(kCompareCoresForm, kOpenOperatingCheckButton,
                      session_.compareCores.Picked().has_value());
}

void CompareCoresForm::Click(std::string_view control) {
  if (control == kChkPassingOnly) {
    chkPassingOnly_Click();
  } else if (control == kCmdUseDesign) {
    cmdUseDesign_Click();
  } else if (control == kCmdExportCsv) {
    cmdExportCsv_Click();
  } else if (control == kCmdClose) {
    toolkit_.Unload(kCompareCoresForm);
  } else if (control == kOpenOperatingCheckButton) {
    if (const auto picked = session_.compareCores.Picked()) {
      // A copy: the pick's run may show a message, during which the designs may change.
      const ExploredDesign design = session_.compareCores.Designs()[*picked];
      GoThrough(session_.doors.checkExploredDesign, toolkit_, design);
    }
  }
}

void CompareCoresForm::chkPassingOnly_Click() {
  session_.compareCores.SetPassingOnly(toolkit_.IsTicked(kCompareCoresForm, kChkPassingOnly));
}

void CompareCoresForm::cmdUseDesign_Click() {
  // A pick among designs of other entries than the form's would run a design other than
  // the row shows: the window follows the form instead, and the pick is gone.
  const auto picked = session_.compareCores.Picked();
  if (!picked || !FollowInputEntries(toolkit_, session_)) {
    return;
  }
  // A copy: the run may replace what the window shows.
  const ExploredDesign design = session_.compareCores.Designs()[*picked];
  UseExploredDesign(toolkit_, session_, design);
}

void CompareCoresForm::cmdExportCsv_Click() {
  // The designs as the table lists them, in catalogue order.
  const CompareCoresDesigns& compareCores = session_.compareCores;
  Exploration listed = compareCores.Current();
  listed.designs.clear();
  for (std::size_t i = 0; i < compareCores.Designs().size(); ++i) {
    if (compareCores.Listed(i)) {
      listed.designs.push_back(compareCores.Designs()[i]);
    }
  }
  ExportFile(toolkit_, services_, CsvFileRequest("Export Designs", "compare-cores.csv"),
             ExplorationCsv(listed));
}

}  // namespace pfc::ui
