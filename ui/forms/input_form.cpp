#include "ui/forms/input_form.h"

#include <array>

#include "engine/pick_list.h"
#include "ui/forms/compare_cores.h"
#include "ui/forms/design_file_commands.h"
#include "ui/forms/directions_texts.h"
#include "ui/forms/form_names.h"
#include "ui/forms/run_playback.h"

namespace pfc::ui {

namespace {

constexpr std::array<std::string_view, 9> kNumericEntries{
    "txtFrequency", "txtInductance", "txtOutputPower", "txtEfficiency", "txtVinMin",
    "txtVinMax",    "txtVout",       "txtAmbientTemp", "txtStack"};

constexpr Rgb kGreyText{192, 192, 192};

}  // namespace

bool InputForm::IsNumericEntry(std::string_view control) {
  for (const std::string_view entry : kNumericEntries) {
    if (entry == control) {
      return true;
    }
  }
  return false;
}

void InputForm::Form_Load() {
  toolkit_.Centre(kInputForm);
  toolkit_.Choose(kInputForm, "cmbfrequency", 0);
  toolkit_.Choose(kInputForm, "cmbinductance", 0);
  toolkit_.Choose(kInputForm, "cmboutputpower", 0);
  chkCalcCore_Click();  // the box is ticked by design
  DataLoad(session_.wires);
  ArrayData_PFC_Load(session_.catalogue, session_.record);
}

void InputForm::Form_Activate() {
  // Compare Cores may have filled the entries in meanwhile.
  ShowDesignFileTitle(toolkit_, session_);
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
  toolkit_.Unload(kDirectionsForm);  // the help on this form
}

void InputForm::Click(std::string_view control) {
  if (control == "chkCalcCore") {
    chkCalcCore_Click();
  } else if (control == "chkPickCore") {
    chkPickCore_Click();
  } else if (control == "cmdProcess") {
    cmdProcess_Click();
  } else if (control == "cmdQuit") {
    cmdQuit_Click();
  } else if (control == "cmdExit") {
    cmdExit_Click();
  } else if (control == "cmdHelp") {
    cmdHelp_Click();
  } else if (control == "cmdCompareCores") {
    OpenCompareCores(toolkit_, session_);
  } else if (control == kOpenDesignButton) {
    OpenDesignFromDialog(toolkit_, session_, services_);
  } else if (control == kSaveDesignButton) {
    SaveDesignFromDialog(toolkit_, session_, services_);
  }
  // A unit, a calculator type, a core chosen or the entries cleared.
  ShowDesignFileTitle(toolkit_, session_);
}

void InputForm::Change(std::string_view /*control*/) {
  ShowDesignFileTitle(toolkit_, session_);
}

void InputForm::FilesDropped(const std::vector<std::string>& paths) {
  OpenDroppedFiles(toolkit_, session_, paths);
}

void InputForm::GotFocus(std::string_view control) {
  if (IsNumericEntry(control)) {
    toolkit_.SelectAll(kInputForm, control);  // typing replaces the old value
  }
}

void InputForm::LostFocus(std::string_view control) {
  if (control == "cmdExit") {
    cmdExit_LostFocus();
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
  if (!toolkit_.IsTicked(kInputForm, "chkCalcCore")) {
    return;
  }
  session_.record.CalcType = CalcSelects;
  toolkit_.SetTicked(kInputForm, "chkPickCore", false);
  toolkit_.ClearItems(kInputForm, "txtCoreSize");
  toolkit_.SetForeColor(kInputForm, "txtCoreSize", kGreyText);
  toolkit_.SetEnabled(kInputForm, "txtCoreSize", false);
}

void InputForm::chkPickCore_Click() {
  if (!toolkit_.IsTicked(kInputForm, "chkPickCore")) {
    return;
  }
  session_.record.CalcType = DesignerPicks;
  toolkit_.SetTicked(kInputForm, "chkCalcCore", false);
  toolkit_.ClearItems(kInputForm, "txtCoreSize");
  for (const std::string& entry : PickListEntries(session_.catalogue, session_.decimalSeparator)) {
    toolkit_.AddItem(kInputForm, "txtCoreSize", entry);
  }
  toolkit_.SetForeColor(kInputForm, "txtCoreSize", kBlack);
  toolkit_.SetEnabled(kInputForm, "txtCoreSize", true);
}

EntryTexts ReadInputEntries(Toolkit& toolkit) {
  EntryTexts entries;
  entries.txtFrequency = toolkit.Text(kInputForm, "txtFrequency");
  entries.cmbfrequency = toolkit.ChosenText(kInputForm, "cmbfrequency");
  entries.txtInductance = toolkit.Text(kInputForm, "txtInductance");
  entries.cmbinductance = toolkit.ChosenText(kInputForm, "cmbinductance");
  entries.txtOutputPower = toolkit.Text(kInputForm, "txtOutputPower");
  entries.cmboutputpower = toolkit.ChosenText(kInputForm, "cmboutputpower");
  entries.txtEfficiency = toolkit.Text(kInputForm, "txtEfficiency");
  entries.txtVinMin = toolkit.Text(kInputForm, "txtVinMin");
  entries.txtVinMax = toolkit.Text(kInputForm, "txtVinMax");
  entries.txtVout = toolkit.Text(kInputForm, "txtVout");
  entries.txtAmbientTemp = toolkit.Text(kInputForm, "txtAmbientTemp");
  entries.txtStack = toolkit.Text(kInputForm, "txtStack");
  entries.txtFill_Factor = toolkit.Text(kInputForm, "txtFill_Factor");
  entries.txtCoreSize = toolkit.ChosenText(kInputForm, "txtCoreSize");
  entries.chkPickCore = toolkit.IsTicked(kInputForm, "chkPickCore");
  return entries;
}

void RunInputForm(Toolkit& toolkit, DesignSession& session, const DesktopServices& services) {
  const EntryTexts entries = ReadInputEntries(toolkit);
  const RunOutcome outcome = services.runDesign(entries, session.record, session.catalogue,
                                                session.wires, session.decimalSeparator);
  PlayRunOutcome(toolkit, outcome);
}

void InputForm::cmdProcess_Click() {
  RunInputForm(toolkit_, session_, services_);
}

void InputForm::cmdQuit_Click() {
  for (const std::string_view entry : kNumericEntries) {
    toolkit_.SetText(kInputForm, entry, "");
  }
}

void InputForm::cmdExit_Click() {
  toolkit_.Unload(kInputForm);
  toolkit_.Show(kEnterForm);
}

void InputForm::cmdExit_LostFocus() {
  toolkit_.SetFocus(kInputForm, "txtFrequency");
}

void InputForm::cmdHelp_Click() {
  toolkit_.SetText(kDirectionsForm, "txtHelp", HelpText());
  toolkit_.SetText(kDirectionsForm, "TxtHelp2", ContactText());
  toolkit_.Show(kDirectionsForm);
  toolkit_.SetMousePointer(kInputForm, MousePointer::Normal);
}

}  // namespace pfc::ui
