#include "ui/forms/operating_check/operating_check_form.h"

#include <optional>
#include <string>

#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"
#include "reports/check/check_verdict_texts.h"
#include "reports/check/operating_check_csv.h"
#include "reports/files/part_file_name.h"
#include "ui/forms/operating_check/build_sheet_view.h"
#include "ui/forms/operating_check/check_winding_entries.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/operating_check/operating_check_figures.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/limit_entries.h"
#include "ui/forms/session/model_export.h"

namespace pfc::ui {

using namespace check_controls;

namespace {

std::string LineHeading(const char* line, const CheckedNumber& vrms, const Material& grade,
                        char separator) {
  const std::string volts = vrms ? FormatGeneral(*vrms, separator) + " V" : "—";
  return std::string(line) + " " + volts + ", " + MaterialName(grade);
}

// The core in the checked material, and what the method's own figures rest on.
std::string MaterialNote(const OperatingCheck& check, char separator) {
  const std::string material = MaterialName(check.material);
  return "The core is taken in " +
         (material == check.material.name ? material : material + " powder") +
         ", its AL scaled from the catalogue's: " + CheckedMaterialText(check, separator) +
         ". The method's own figures are at Vin Min, on " +
         FormatGeneral(kMethodPermeabilityPercent, separator) +
         " % of the inductance factor at full current and a ripple of " +
         FormatGeneral(kMethodRipplePercent, separator) + " % of the line-peak current.";
}

// The checked part, its material and its winding, as a file name.
std::string CheckedFileName(const CheckedDesign& checked, const char* kind, const char* extension) {
  const DesignRecord& r = checked.Record();
  const Material& material = checked.Result().material;
  BuiltPart part;
  part.partNumber = r.SelectedCoreSize;
  part.stack = r.CoresToStack;
  // The grade the check took is named even where it is the one matching the core.
  if (MaterialName(material) == material.name)
    part.material.own = material;
  else
    part.material.grade = static_cast<int>(material.permeability);
  part.winding = {r.Turns, r.WireGauge, r.Strands};
  return PartFileName(part, kind) + "." + extension;
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

void OperatingCheckForm::ShowCheck() {
  if (!toolkit_.IsLoaded(kOperatingCheckForm)) {
    return;  // unloading: a control touched now would load the window again
  }
  ListOwnMaterials();
  ChooseCheckedGrade();
  ShowCheckedWinding(toolkit_, session_, typing_);
  const CheckedDesign& checked = session_.checked;
  const char separator = session_.decimalSeparator;
  ShowLimitEntries(toolkit_, kOperatingCheckForm, checked.Limits(), separator);
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
  toolkit_.SetText(kOperatingCheckForm, kWorstCase,
                   WorstCaseText(checked.Record(), check, separator));
  toolkit_.SetText(kOperatingCheckForm, kVerdictHeading,
                   "Verdicts, " + MaterialName(check.material));
  ShowVerdicts();
}

// A verdict that is not judged (the ripple without a limit) shows no line: its figure is in
// the table. The next step names the limits missed and leads to the search for designs that
// meet them.
void OperatingCheckForm::ShowVerdicts() {
  const CheckedDesign& checked = session_.checked;
  const char separator = session_.decimalSeparator;
  const auto verdicts =
      CheckVerdictTexts(checked.Record(), checked.Result(), checked.Limits(), separator);
  int index = 0;
  for (const CheckVerdictText& verdict : verdicts) {
    const std::string control = VerdictControl(index++);
    toolkit_.SetText(kOperatingCheckForm, control, verdict.judged ? verdict.text : "");
    toolkit_.SetForeColor(kOperatingCheckForm, control, verdict.passes ? kBlack : kRed);
    toolkit_.SetBold(kOperatingCheckForm, control, !verdict.passes);
  }
  const std::string nextStep = NextStepText(verdicts, checked.Limits(), separator);
  toolkit_.SetText(kOperatingCheckForm, kNextStep, nextStep);
  toolkit_.SetEnabled(kOperatingCheckForm, kFindDesigns, !nextStep.empty());
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
  } else if (control == kBuildSheet) {
    ShowBuildSheet(toolkit_, session_, services_);
  } else if (control == kPublishedWinding) {
    session_.checked.SetWinding({});
  } else if (control == kMaterial) {
    AddMaterialFromFile(toolkit_, session_, services_);
  } else if (control == kFitMaterial && session_.doors.fitMaterial) {
    session_.doors.fitMaterial(
        toolkit_,
        // The checked design outlives the window: closed since, it opens again with the
        // material.
        [&checked = session_.checked](Toolkit&, const Material& material, const std::string&) {
          checked.AddMaterial(material);
        },
        false);
  } else if (control == kFindDesigns) {
    // Alt+D leaves the focus in a limit's box: the search takes what it shows.
    CommitLimitEntries(toolkit_, kOperatingCheckForm, session_.limits, session_.decimalSeparator);
    if (session_.doors.findDesigns) {
      session_.doors.findDesigns(toolkit_);
    }
  } else if (control == kClose) {
    toolkit_.Unload(kOperatingCheckForm);
  }
}

void OperatingCheckForm::LostFocus(std::string_view control) {
  CommitLimitEntry(toolkit_, kOperatingCheckForm, session_.limits, control,
                   session_.decimalSeparator);
}

char32_t OperatingCheckForm::KeyPress(std::string_view control, char32_t key) {
  if (key == U'\r') {
    CommitLimitEntry(toolkit_, kOperatingCheckForm, session_.limits, control,
                     session_.decimalSeparator);
  }
  return key;
}

void OperatingCheckForm::Change(std::string_view control) {
  if (control == kTurns || control == kWire || control == kStrands) {
    typing_ = true;
    WindFromEntries(toolkit_, session_);
    typing_ = false;
  }
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
  // The material shapes every ripple in the file, so the suggested name carries it.
  ExportFile(toolkit_, services_,
             CsvFileRequest("Export Operating Check", CheckedFileName(checked, "check", "csv")),
             OperatingCheckCsv(checked.Result(), checked.Record().Strands));
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
  ExportFile(toolkit_, services_,
             SaveFileRequest{"Save Operating Check as PDF",
                             CheckedFileName(session_.checked, "check", "pdf"), "PDF files", "pdf"},
             *pdf);
}

}  // namespace pfc::ui
