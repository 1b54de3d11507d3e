#include "ui/forms/material_fit/material_fit_form.h"

#include "engine/catalogue/csv_reader.h"
#include "engine/record/number_text.h"
#include "reports/check/material_file.h"
#include "reports/check/material_fit_text.h"
#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace material_fit_controls;

namespace {

// The name the points' messages give the points box, as its caption does.
constexpr const char* kPointsName = "Points";

// The fit of the window's entries, or the control to correct and why.
struct FitReading {
  MaterialFitting::Fitted fitted;
  const char* control = nullptr;  // none when fitted
  std::string problem;
};

FitReading Refused(const char* control, std::string problem) {
  FitReading reading;
  reading.control = control;
  reading.problem = std::move(problem);
  return reading;
}

FitReading FitEntries(Toolkit& toolkit) {
  FitReading reading;
  MaterialFitting::Fitted& fitted = reading.fitted;
  fitted.unit = toolkit.ChosenPosition(kMaterialFitForm, kUnit) == kAmperesPerMetreItem
                    ? FieldUnit::AmperesPerMetre
                    : FieldUnit::Oersted;
  PointsRead<RolloffPoint> read =
      RolloffPointsFromTable(toolkit.Text(kMaterialFitForm, kPoints), kPointsName, fitted.unit);
  if (!read.read)
    return Refused(kPoints, read.problem);
  fitted.points = std::move(read.points);
  fitted.fit = FitRolloff(fitted.points);
  if (!fitted.fit.fitted)
    return Refused(kPoints, std::string(kPointsName) + ": " + fitted.fit.problem);
  const std::string permeability = toolkit.Text(kMaterialFitForm, kPermeability);
  if (CsvNumberProblem(permeability, fitted.material.permeability))
    return Refused(kPermeability, "Initial permeability: enter a number, such as 60.");
  fitted.material.name = std::string(TrimBlanks(toolkit.Text(kMaterialFitForm, kName)));
  fitted.material.b = fitted.fit.b;
  fitted.material.c = fitted.fit.c;
  NewMaterialFile file = NewMaterialFileText(fitted.material, false);
  if (!file.written) {
    // The fit's own numbers are the points' to answer for.
    const char* control = file.key == "name"           ? kName
                          : file.key == "permeability" ? kPermeability
                                                       : kPoints;
    return Refused(control, file.problem);
  }
  fitted.fileText = std::move(file.text);
  return reading;
}

}  // namespace

void MaterialFitForm::Form_Load() {
  toolkit_.Centre(kMaterialFitForm);
  ShowFit();
}

// The points go with the window, so the fit shown on them goes too.
void MaterialFitForm::Form_Unload() {
  fitting_.Clear();
}

void MaterialFitForm::Click(std::string_view control) {
  if (control == kFit) {
    cmdFit_Click();
  } else if (control == kSave) {
    cmdSave_Click();
  } else if (control == kUse) {
    cmdUse_Click();
  } else if (control == kClose) {
    toolkit_.Unload(kMaterialFitForm);
  }
}

void MaterialFitForm::cmdFit_Click() {
  FitReading reading = FitEntries(toolkit_);
  if (reading.control != nullptr) {
    Refuse(reading.control, reading.problem);
    return;
  }
  fitting_.SetFit(std::move(reading.fitted));
  toolkit_.SetText(kMaterialFitForm, kProblem, "");
  ShowFit();
}

void MaterialFitForm::Refuse(const char* control, const std::string& problem) {
  fitting_.Clear();
  ShowFit();
  toolkit_.SetText(kMaterialFitForm, kProblem, problem);
  toolkit_.SetFocus(kMaterialFitForm, control);
}

void MaterialFitForm::ShowFit() {
  const bool fitted = fitting_.HasFit();
  toolkit_.SetEnabled(kMaterialFitForm, kSave, fitted);
  toolkit_.SetEnabled(kMaterialFitForm, kUse, fitted && fitting_.UseOf() != nullptr);
  if (!fitted) {
    toolkit_.SetText(kMaterialFitForm, kDeviations, "");
    return;
  }
  const MaterialFitting::Fitted& f = fitting_.Fit();
  toolkit_.SetText(kMaterialFitForm, kDeviations,
                   RolloffFitText(f.material, f.points, f.unit, f.fit));
}

void MaterialFitForm::cmdSave_Click() {
  Save();
}

bool MaterialFitForm::Save() {
  if (!fitting_.HasFit())
    return false;
  const MaterialFitting::Fitted& f = fitting_.Fit();
  std::optional<std::string> path = ExportFileAt(
      toolkit_, services_,
      SaveFileRequest{"Save Material", f.material.name + ".json", "Material files", "json"},
      f.fileText);
  if (!path)
    return false;
  fitting_.SetSavedTo(std::move(*path));
  return true;
}

void MaterialFitForm::cmdUse_Click() {
  if (!fitting_.HasFit() || fitting_.UseOf() == nullptr)
    return;
  if (fitting_.UseNeedsFile() && fitting_.Fit().savedTo.empty() && !Save())
    return;
  // Copies: the window that takes the material may open this one again.
  const Material material = fitting_.Fit().material;
  const std::string file = fitting_.Fit().savedTo;
  const MaterialFitting::Use use = fitting_.UseOf();
  use(toolkit_, material, file);
}

void OpenMaterialFit(Toolkit& toolkit, MaterialFitting& fitting, MaterialFitting::Use use,
                     bool needsFile) {
  fitting.SetUse(std::move(use), needsFile);
  toolkit.Show(kMaterialFitForm);
  // Opened again from the other window, Use goes there now.
  toolkit.SetEnabled(kMaterialFitForm, kUse, fitting.HasFit());
}

}  // namespace pfc::ui
