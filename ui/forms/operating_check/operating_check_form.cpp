#include "ui/forms/operating_check/operating_check_form.h"

#include <optional>
#include <string>

#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"
#include "reports/check/check_verdict_texts.h"
#include "reports/check/operating_check_csv.h"
#include "ui/forms/operating_check/check_winding_entries.h"
#include "ui/forms/operating_check/model_export.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/operating_check/operating_check_figures.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace check_controls;

namespace {

std::string GradeName(const Material& material) {
  return "grade " + material.name;
}

std::string LineHeading(const char* line, const CheckedNumber& vrms, const Material& grade,
                        char separator) {
  const std::string volts = vrms ? FormatGeneral(*vrms, separator) + " V" : "—";
  return std::string(line) + " " + volts + ", " + GradeName(grade);
}

// The core in the checked material, and what the method's own figures rest on.
std::string MaterialNote(const OperatingCheck& check, char separator) {
  return "The core is taken in " + GradeName(check.material) +
         " powder, its AL scaled from the catalogue's: " + CheckedMaterialText(check, separator) +
         ". The method's own figures are at Vin Min, on " +
         FormatGeneral(kMethodPermeabilityPercent, separator) +
         " % of the inductance factor at full current and a ripple of " +
         FormatGeneral(kMethodRipplePercent, separator) + " % of the line-peak current.";
}

// The limit a text of the entry sets: a plain positive number; none for anything else.
std::optional<double> RippleLimitOf(const std::string& text) {
  if (!IsWellFormedNumber(text)) {
    return std::nullopt;
  }
  const double percent = ValueOfText(text);
  return percent > 0 ? std::optional<double>(percent) : std::nullopt;
}

}  // namespace

void OperatingCheckForm::Form_Load() {
  toolkit_.Centre(kOperatingCheckForm);
  for (const RolloffGrade& grade : RolloffGrades()) {
    toolkit_.AddItem(kOperatingCheckForm, kGrade, std::to_string(grade.permeability));
  }
  ListOwnMaterials();
  // The grade belongs to the design, not to the window: a window opened again, or a design
  // file opened, brings the grade chosen last.
  subscription_ = session_.checked.Listen([this] { ShowCheck(); });
  ShowCheck();
}

void OperatingCheckForm::ListOwnMaterials() {
  const auto& own = session_.checked.OwnMaterials();
  const int grades = static_cast<int>(RolloffGrades().size());
  for (int position = toolkit_.ItemCount(kOperatingCheckForm, kGrade) - grades;
       position < static_cast<int>(own.size()); ++position) {
    toolkit_.AddItem(kOperatingCheckForm, kGrade, own[static_cast<std::size_t>(position)].name);
  }
}

void OperatingCheckForm::ChooseCheckedGrade() {
  const auto grades = RolloffGrades();
  int chosen = -1;
  if (session_.checked.ChosenMaterial() >= 0)
    chosen = static_cast<int>(grades.size()) + session_.checked.ChosenMaterial();
  const RolloffGrade* checked = session_.checked.Grade();
  for (std::size_t position = 0; position < grades.size(); ++position) {
    if (checked != nullptr && grades[position].permeability == checked->permeability) {
      chosen = static_cast<int>(position);
    }
  }
  if (toolkit_.ChosenPosition(kOperatingCheckForm, kGrade) != chosen) {
    toolkit_.Choose(kOperatingCheckForm, kGrade, chosen);
  }
}

void OperatingCheckForm::ShowRippleLimit() {
  const double limit = session_.checked.Limits().ripplePercent;
  if (RippleLimitOf(toolkit_.Text(kOperatingCheckForm, kRippleLimit)) != limit) {
    toolkit_.SetText(kOperatingCheckForm, kRippleLimit, FormatGeneral(limit));
  }
  toolkit_.SetText(kOperatingCheckForm, kRippleLimitNote, "");
}

void OperatingCheckForm::ShowCheck() {
  if (!toolkit_.IsLoaded(kOperatingCheckForm)) {
    return;  // unloading: a control touched now would load the window again
  }
  ListOwnMaterials();
  ChooseCheckedGrade();
  ShowCheckedWinding(toolkit_, session_, typing_);
  ShowRippleLimit();
  const CheckedDesign& checked = session_.checked;
  const char separator = session_.decimalSeparator;
  if (!checked.HasDesign()) {
    toolkit_.SetText(kOperatingCheckForm, kDesign, "No published design to check.");
    return;
  }
  const OperatingCheck& check = checked.Result();
  toolkit_.SetText(
      kOperatingCheckForm, kDesign,
      CheckedDesignName(checked.Record(), separator) + " (" +
          CheckedWindingOrigin(checked.Published(), checked.Record(), checked.Origin(), separator) +
          ")");
  toolkit_.SetText(kOperatingCheckForm, kLowHeading,
                   LineHeading("Low line", check.lowLine.vrms, check.material, separator));
  toolkit_.SetText(kOperatingCheckForm, kHighHeading,
                   LineHeading("High line", check.highLine.vrms, check.material, separator));
  int row = 0;
  for (const CheckFigureRow& figure : CheckFigureRows(checked.Record(), check)) {
    toolkit_.SetText(kOperatingCheckForm, FigureControl(row, FigureColumn::Caption),
                     figure.caption);
    const std::pair<FigureColumn, const FigureCell*> cells[] = {
        {FigureColumn::Method, &figure.method},
        {FigureColumn::Low, &figure.low},
        {FigureColumn::High, &figure.high}};
    for (const auto& [column, cell] : cells) {
      toolkit_.SetText(kOperatingCheckForm, FigureControl(row, column),
                       FigureTextWithUnit(*cell, figure.unit, separator));
    }
    ++row;
  }
  toolkit_.SetText(kOperatingCheckForm, kAssumption, MaterialNote(check, separator));
  toolkit_.SetText(kOperatingCheckForm, kVerdictHeading, "Verdicts, " + GradeName(check.material));
  int index = 0;
  for (const CheckVerdictText& verdict :
       CheckVerdictTexts(checked.Record(), check, checked.Limits(), separator)) {
    const std::string control = VerdictControl(index++);
    toolkit_.SetText(kOperatingCheckForm, control, verdict.text);
    toolkit_.SetForeColor(kOperatingCheckForm, control, verdict.passes ? kBlack : kRed);
    toolkit_.SetBold(kOperatingCheckForm, control, !verdict.passes);
  }
}

void OperatingCheckForm::Click(std::string_view control) {
  if (control == kGrade) {
    cboGrade_Click();
  } else if (control == kExportCsv) {
    cmdExportCsv_Click();
  } else if (control == kSavePdf) {
    cmdSavePdf_Click();
  } else if (control == kExportModel) {
    cmdExportModel_Click();
  } else if (control == kPublishedWinding) {
    session_.checked.SetWinding({});
  } else if (control == kMaterial) {
    AddMaterialFromFile(toolkit_, session_, services_);
  } else if (control == kClose) {
    toolkit_.Unload(kOperatingCheckForm);
  }
}

void OperatingCheckForm::Change(std::string_view control) {
  if (control == kRippleLimit) {
    txtRippleLimit_Change();
  } else if (control == kTurns || control == kWire) {
    typing_ = true;
    WindFromEntries(toolkit_, session_);
    typing_ = false;
  }
}

void OperatingCheckForm::txtRippleLimit_Change() {
  const double limit = session_.checked.Limits().ripplePercent;
  const std::optional<double> typed =
      RippleLimitOf(toolkit_.Text(kOperatingCheckForm, kRippleLimit));
  if (typed && *typed != limit) {
    session_.checked.SetRippleLimit(*typed);
    return;
  }
  // The entry keeps what is typed, so that a number being written is not taken from under
  // the keys; the note says which limit the verdict uses meanwhile.
  toolkit_.SetText(kOperatingCheckForm, kRippleLimitNote,
                   typed ? std::string()
                         : "Not a positive number: the verdict keeps " +
                               FormatGeneral(limit, session_.decimalSeparator) + " %.");
}

void OperatingCheckForm::cboGrade_Click() {
  const int position = toolkit_.ChosenPosition(kOperatingCheckForm, kGrade);
  const auto grades = RolloffGrades();
  if (position >= 0 && static_cast<std::size_t>(position) >= grades.size()) {
    const auto own = static_cast<std::size_t>(position) - grades.size();
    if (static_cast<int>(own) != session_.checked.ChosenMaterial())
      session_.checked.ChooseMaterial(own);
    return;
  }
  if (position < 0) {
    return;
  }
  const RolloffGrade& grade = grades[static_cast<std::size_t>(position)];
  const RolloffGrade* checked = session_.checked.Grade();
  if (checked == nullptr || grade.permeability != checked->permeability ||
      session_.checked.ChosenMaterial() >= 0) {
    session_.checked.SetGrade(grade);
  }
}

void OperatingCheckForm::cmdExportCsv_Click() {
  const CheckedDesign& checked = session_.checked;
  if (!checked.HasDesign()) {
    return;
  }
  // The grade shapes every ripple in the file, so the suggested name carries it.
  ExportFile(toolkit_, services_,
             CsvFileRequest("Export Operating Check",
                            "operating-check-grade-" + checked.Result().material.name + ".csv"),
             OperatingCheckCsv(checked.Result()));
}

void OperatingCheckForm::cmdExportModel_Click() {
  ExportCheckedModel(toolkit_, services_, session_.checked);
}

void OperatingCheckForm::cmdSavePdf_Click() {
  if (!services_.drawFormAsPdf) {
    return;
  }
  const std::optional<std::string> pdf = services_.drawFormAsPdf(kOperatingCheckForm);
  if (!pdf) {
    toolkit_.ShowMessage(Message{kCautionTitle, MessageIcon::Information,
                                 "The window could not be drawn as a PDF document."});
    return;
  }
  ExportFile(
      toolkit_, services_,
      SaveFileRequest{"Save Operating Check as PDF",
                      "operating-check-grade-" + session_.checked.Result().material.name + ".pdf",
                      "PDF files", "pdf"},
      *pdf);
}

}  // namespace pfc::ui
