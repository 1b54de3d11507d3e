#include "ui/forms/input/input_form.h"

#include "engine/inputs/pick_list.h"
#include "ui/forms/design_files/catalogue_commands.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/design_files/recent_designs.h"
#include "ui/forms/design_files/unsaved_changes.h"
#include "ui/forms/input/built_part_line.h"
#include "ui/forms/input/input_design.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

namespace {

constexpr Rgb kGreyText{192, 192, 192};

// The form has always left the fill factor without the key filter.
bool IsNumeric(const EntryDescription& entry) {
  return entry.kind != EntryKind::CorePick && entry.entry != Entry::FillFactor;
}

}  // namespace

bool InputForm::IsNumericEntry(std::string_view control) {
  for (const EntryDescription& entry : Entries()) {
    if (entry.control == control) {
      return IsNumeric(entry);
    }
  }
  return false;
}

void InputForm::Form_Load() {
  toolkit_.Centre(kInputForm);
  for (const EntryDescription& entry : Entries()) {
    if (!entry.unitControl.empty()) {
      toolkit_.Choose(kInputForm, entry.unitControl, 0);
    }
  }
  chkCalcCore_Click();         // the box is ticked by design
  LoadDesignTables(session_);  // a catalogue file loaded for the session stays
  // The Operating Check changes the part while this form is in the background; the title's
  // star follows when the form is active again.
  checkedSubscription_ = session_.checked.Listen([this] {
    if (toolkit_.IsLoaded(kInputForm))
      ShowBuiltPart();
  });
  ShowBuiltPart();
}

void InputForm::ShowBuiltPart() {
  ShowBuiltPartLine(toolkit_, session_, partNote_);
}

void InputForm::CoreChanged(std::string_view control) {
  const bool core =
      control == input_controls::CoreList() || control == input_controls::StackBox() ||
      control == input_controls::kChkCalcCore || control == input_controls::kChkPickCore;
  if (core && session_.checked.Winding().Given()) {
    partNote_ = FitWindingToForm(toolkit_, session_);
    ShowBuiltPart();
  }
}

void InputForm::Form_Activate() {
  // Compare Cores may have filled the entries in meanwhile, or a file named at start opened.
  ShowDesignFileTitle(toolkit_, session_);
  RememberDesignFile(session_, services_, rememberedFile_);
}

bool InputForm::QueryUnload() {
  return MayLoseUnsavedChanges(toolkit_, session_, LosingChanges::Closing);
}

void InputForm::Form_Unload() {
  ForgetDesignFile(session_);
  // A run that stopped before publication leaves the summary loaded but hidden; it goes
  // with this form so that the program ends once the last visible window closes.
  if (toolkit_.IsLoaded(kSummaryForm) && !toolkit_.IsVisible(kSummaryForm)) {
    toolkit_.Unload(kSummaryForm);
  }
  // The comparison belongs to these entries and its designs are used through them.
  toolkit_.Unload(kCompareCoresForm);
  toolkit_.Unload(kOperatingCheckForm);  // opened from Compare Cores, it goes with it
  toolkit_.Unload(kDirectionsForm);      // the help on this form
}

void InputForm::Click(std::string_view control) {
  if (control == input_controls::kChkCalcCore) {
    chkCalcCore_Click();
  } else if (control == input_controls::kChkPickCore) {
    chkPickCore_Click();
  } else if (control == input_controls::kCmdProcess) {
    cmdProcess_Click();
  } else if (control == input_controls::kCmdQuit) {
    cmdQuit_Click();
  } else if (control == input_controls::kCmdExit) {
    cmdExit_Click();
  } else if (control == input_controls::kCmdHelp) {
    cmdHelp_Click();
  } else if (control == input_controls::kCmdCompareCores) {
    GoThrough(session_.doors.compareCores, toolkit_);
  } else if (control == kCmdFindDesigns) {
    GoThrough(session_.doors.findDesigns, toolkit_);
  } else if (control == kOpenDesignButton) {
    OpenDesignWithRecent(toolkit_, session_, services_);
  } else if (control == kSaveDesignButton) {
    SaveDesignFromDialog(toolkit_, session_, services_);
  } else if (control == kSaveDesignCommand) {
    SaveDesign(toolkit_, session_, services_);
  } else if (control == kCoreCatalogueButton) {
    LoadCatalogueFromDialog(toolkit_, session_, services_);
  } else if (control == kBuiltInCatalogueButton) {
    UseBuiltInCatalogueOnForm(toolkit_, session_);
  } else if (control == kClearPartButton) {
    partNote_.clear();
    ClearBuiltPart(session_);
  }
  if (control == kOpenDesignButton) {
    partNote_.clear();  // the part is the file's now
    ShowBuiltPart();
  }
  CoreChanged(control);
  // A unit, a calculator type, a core chosen, the entries cleared or a design opened.
  EntriesChanged();
}

void InputForm::Change(std::string_view control) {
  CoreChanged(control);
  EntriesChanged();
}

void InputForm::FilesDropped(const std::vector<std::string>& paths) {
  OpenDroppedFiles(toolkit_, session_, paths, &services_);
  partNote_.clear();
  ShowBuiltPart();
  EntriesChanged();
}

void InputForm::EntriesChanged() {
  ShowDesignFileTitle(toolkit_, session_);
  RememberDesignFile(session_, services_, rememberedFile_);
  GoThrough(session_.doors.keepCompareCoresCurrent, toolkit_);
}

void InputForm::GotFocus(std::string_view control) {
  if (IsNumericEntry(control)) {
    toolkit_.SelectAll(kInputForm, control);  // typing replaces the old value
  }
}

char32_t InputForm::KeyPress(std::string_view control, char32_t key) {
  if (!IsNumericEntry(control)) {
    return key;
  }
  const bool digit = key >= U'0' && key <= U'9';
  return digit || key == U'.' || key == U'\b' ? key : 0;
}

void InputForm::chkCalcCore_Click() {
  if (!toolkit_.IsTicked(kInputForm, input_controls::kChkCalcCore)) {
    return;
  }
  session_.record.CalcType = CalcSelects;
  toolkit_.SetTicked(kInputForm, input_controls::kChkPickCore, false);
  toolkit_.ClearItems(kInputForm, input_controls::CoreList());
  toolkit_.SetForeColor(kInputForm, input_controls::CoreList(), kGreyText);
  toolkit_.SetEnabled(kInputForm, input_controls::CoreList(), false);
}

void InputForm::chkPickCore_Click() {
  if (!toolkit_.IsTicked(kInputForm, input_controls::kChkPickCore)) {
    return;
  }
  session_.record.CalcType = DesignerPicks;
  toolkit_.SetTicked(kInputForm, input_controls::kChkCalcCore, false);
  toolkit_.ClearItems(kInputForm, input_controls::CoreList());
  for (const std::string& entry : PickListEntries(session_.catalogue, session_.decimalSeparator)) {
    toolkit_.AddItem(kInputForm, input_controls::CoreList(), entry);
  }
  toolkit_.SetForeColor(kInputForm, input_controls::CoreList(), kBlack);
  toolkit_.SetEnabled(kInputForm, input_controls::CoreList(), true);
}

void InputForm::cmdProcess_Click() {
  GoThrough(session_.doors.runInputForm, toolkit_);
}

void InputForm::cmdQuit_Click() {
  for (const EntryDescription& entry : Entries()) {
    if (IsNumeric(entry)) {
      toolkit_.SetText(kInputForm, entry.control, "");
    }
  }
}

void InputForm::cmdExit_Click() {
  if (!MayLoseUnsavedChanges(toolkit_, session_, LosingChanges::Closing)) {
    return;
  }
  toolkit_.Unload(kInputForm);
  toolkit_.Show(kEnterForm);
}

void InputForm::cmdHelp_Click() {
  GoThrough(session_.doors.directions, toolkit_);
  toolkit_.SetMousePointer(kInputForm, MousePointer::Normal);
}

}  // namespace pfc::ui
