#include "ui/input_form.h"

#include <array>

#include "ui/directions_texts.h"
#include "ui/form_names.h"
#include "ui/pick_list.h"
#include "ui/run_playback.h"

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
  toolkit_.Move(kInputForm, 700, 600);
  toolkit_.Choose(kInputForm, "cmbfrequency", 0);
  toolkit_.Choose(kInputForm, "cmbinductance", 0);
  toolkit_.Choose(kInputForm, "cmboutputpower", 0);
  chkCalcCore_Click();  // the box is ticked by design
  DataLoad(session_.wires);
  ArrayData_PFC_Load(session_.catalogue, session_.record);
}

void InputForm::Form_Unload() {
  // A run that stopped before publication leaves the summary loaded but hidden; it goes
  // with this form so that the program ends once the last visible window closes.
  if (toolkit_.IsLoaded(kSummaryForm) && !toolkit_.IsVisible(kSummaryForm)) {
    toolkit_.Unload(kSummaryForm);
  }
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
  }
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

EntryTexts InputForm::ReadEntries() {
  EntryTexts entries;
  entries.txtFrequency = toolkit_.Text(kInputForm, "txtFrequency");
  entries.cmbfrequency = toolkit_.ChosenText(kInputForm, "cmbfrequency");
  entries.txtInductance = toolkit_.Text(kInputForm, "txtInductance");
  entries.cmbinductance = toolkit_.ChosenText(kInputForm, "cmbinductance");
  entries.txtOutputPower = toolkit_.Text(kInputForm, "txtOutputPower");
  entries.cmboutputpower = toolkit_.ChosenText(kInputForm, "cmboutputpower");
  entries.txtEfficiency = toolkit_.Text(kInputForm, "txtEfficiency");
  entries.txtVinMin = toolkit_.Text(kInputForm, "txtVinMin");
  entries.txtVinMax = toolkit_.Text(kInputForm, "txtVinMax");
  entries.txtVout = toolkit_.Text(kInputForm, "txtVout");
  entries.txtAmbientTemp = toolkit_.Text(kInputForm, "txtAmbientTemp");
  entries.txtStack = toolkit_.Text(kInputForm, "txtStack");
  entries.txtFill_Factor = toolkit_.Text(kInputForm, "txtFill_Factor");
  entries.txtCoreSize = toolkit_.ChosenText(kInputForm, "txtCoreSize");
  entries.chkPickCore = toolkit_.IsTicked(kInputForm, "chkPickCore");
  return entries;
}

void InputForm::cmdProcess_Click() {
  const EntryTexts entries = ReadEntries();
  const RunOutcome outcome = services_.runDesign(entries, session_.record, session_.catalogue,
                                                 session_.wires, session_.decimalSeparator);
  PlayRunOutcome(toolkit_, outcome);
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
