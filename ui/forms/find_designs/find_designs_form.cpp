#include "ui/forms/find_designs/find_designs_form.h"

#include <string>

#include "reports/check/material_file.h"
#include "reports/files/design_file.h"
#include "reports/files/design_search_csv.h"
#include "reports/files/part_file_name.h"
#include "reports/files/search_texts.h"
#include "ui/forms/find_designs/find_designs.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/limit_entries.h"
#include "ui/forms/session/recent_design_list.h"

namespace pfc::ui {

using namespace find_designs_controls;

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The file goes into the Materials entry beside the grades, where it is read with them.
void ListMaterialFile(Toolkit& toolkit, const std::string& path) {
  const MaterialFileRead read = ReadMaterialFile(path);
  std::string refusal = read.read ? "" : read.Message();
  if (refusal.empty() && path.find(',') != std::string::npos)
    refusal = "The Materials entry cannot list " + path +
              ": commas part its items. Rename the file or its folder without the comma.";
  if (!refusal.empty()) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, refusal});
    return;
  }
  std::string materials = toolkit.Text(kFindDesignsForm, kTxtGrades);
  while (!materials.empty() && (materials.back() == ' ' || materials.back() == ','))
    materials.pop_back();
  toolkit.SetText(kFindDesignsForm, kTxtGrades, materials.empty() ? path : materials + ", " + path);
  toolkit.SetFocus(kFindDesignsForm, kTxtGrades);
}

}  // namespace

void FindDesignsForm::Form_Load() {
  toolkit_.Centre(kFindDesignsForm);
  subscription_ = session_.foundDesigns.Listen([this](FoundDesigns::Change c) { Changed(c); });
  limitsSubscription_ = session_.limits.Listen([this] { LimitsChanged(); });
  ShowLimitEntries(toolkit_, kFindDesignsForm, session_.limits.Get(), session_.decimalSeparator);
  SearchFromWindow(toolkit_, session_);
}

void FindDesignsForm::Form_Unload() {
  session_.foundDesigns.Cancel();
  subscription_ = {};
  limitsSubscription_ = {};
}

// Limits entered here or in the Operating Check: the boxes show them, and the status says
// when the designs shown were found for others.
void FindDesignsForm::LimitsChanged() {
  if (!toolkit_.IsLoaded(kFindDesignsForm))
    return;
  ShowLimitEntries(toolkit_, kFindDesignsForm, session_.limits.Get(), session_.decimalSeparator);
  ShowStatus();
}

void FindDesignsForm::LostFocus(std::string_view control) {
  CommitLimitEntry(toolkit_, kFindDesignsForm, session_.limits, control, session_.decimalSeparator);
}

char32_t FindDesignsForm::KeyPress(std::string_view control, char32_t key) {
  if (key == U'\r')
    CommitLimitEntry(toolkit_, kFindDesignsForm, session_.limits, control,
                     session_.decimalSeparator);
  return key;
}

void FindDesignsForm::Changed(FoundDesigns::Change change) {
  if (!toolkit_.IsLoaded(kFindDesignsForm))
    return;  // unloading: a control touched now would load the window again
  if (change == FoundDesigns::Change::Pick) {
    ShowPickState();
    return;
  }
  ShowStatus();
  ShowPickState();
}

void FindDesignsForm::ShowStatus() {
  const FoundDesigns& found = session_.foundDesigns;
  toolkit_.SetEnabled(kFindDesignsForm, kCmdCancel, found.Running());
  std::string status;
  const std::string ofAll = " of " + std::to_string(found.Total()) + " cores, stacks and materials";
  if (found.Running()) {
    status = "Searching: " + std::to_string(found.Done()) + ofAll + ", " +
             Count(found.Candidates().size(), "design", "designs") + " found so far.";
  } else if (const auto& result = found.Result()) {
    const std::string cancelled =
        result->cancelled ? "Cancelled after " + std::to_string(result->combinations) + ofAll : "";
    if (result->rejected) {
      status = "No search: " + result->message.text;
    } else if (!found.Candidates().empty()) {
      const std::string meet = Count(found.Candidates().size(), "design meets", "designs meet") +
                               " the limits (" + std::to_string(result->checked) + " checked)";
      status = result->cancelled ? cancelled + ": " + meet + "." : meet + ".";
    } else if (result->cancelled) {
      status = cancelled + ", before any design met the limits.";
    } else {
      status = "No design meets the limits.";
      if (!result->nearMisses.empty())
        status += " Nearest: " + CandidateName(result->nearMisses.front()) + ": " +
                  BrokenLimitsText(result->nearMisses.front(), found.Request().limits) + ".";
    }
  }
  if (found.Result() && !found.Result()->rejected &&
      !(found.Request().limits == session_.limits.Get()))
    status += " The limits have changed since this search: press Search to search again.";
  toolkit_.SetText(kFindDesignsForm, kLblStatus, status);
  toolkit_.SetText(kFindDesignsForm, kLblInputs, ComputedForText(found.Entries()));
}

void FindDesignsForm::ShowPickState() {
  const bool picked = session_.foundDesigns.Picked().has_value();
  toolkit_.SetEnabled(kFindDesignsForm, kCmdOperatingCheck, picked);
  toolkit_.SetEnabled(kFindDesignsForm, kCmdSaveDesign, picked);
  toolkit_.SetEnabled(kFindDesignsForm, kCmdExportModel, picked);
}

void FindDesignsForm::Click(std::string_view control) {
  FoundDesigns& found = session_.foundDesigns;
  if (control == kCmdSearch) {
    cmdSearch_Click();
  } else if (control == kCmdCancel) {
    found.Cancel();
  } else if (control == kCmdMaterial) {
    cmdMaterial_Click();
  } else if (control == kCmdFitMaterial && session_.doors.fitMaterial) {
    // The Materials entry lists files: the fitted material is saved before it is listed.
    session_.doors.fitMaterial(
        toolkit_,
        [](Toolkit& toolkit, const Material&, const std::string& file) {
          // Closed since, the window has no entry to list the file in.
          if (toolkit.IsLoaded(kFindDesignsForm))
            ListMaterialFile(toolkit, file);
        },
        true);
  } else if (control == kCmdSaveDesign) {
    cmdSaveDesign_Click();
  } else if (control == kCmdExportCsv) {
    cmdExportCsv_Click();
  } else if (control == kCmdClose) {
    toolkit_.Unload(kFindDesignsForm);
  } else if (control == kCmdOperatingCheck || control == kCmdExportModel) {
    if (const auto picked = found.Picked()) {
      // Copies: the check may show a message, during which the finds may change.
      const SearchCandidate candidate = found.Candidates()[*picked];
      const EntryTexts entries = found.Entries();
      if (control == kCmdOperatingCheck)
        CheckFoundDesign(toolkit_, session_, services_, entries, candidate);
      else
        ExportFoundModel(toolkit_, session_, services_, entries, candidate);
    }
  }
}

void FindDesignsForm::cmdSearch_Click() {
  // Alt+S leaves the focus in a limit's box: the search takes what it shows.
  CommitLimitEntries(toolkit_, kFindDesignsForm, session_.limits, session_.decimalSeparator);
  SearchFromWindow(toolkit_, session_);
}

void FindDesignsForm::cmdMaterial_Click() {
  if (!services_.chooseOpenFile)
    return;
  const std::optional<std::string> path =
      services_.chooseOpenFile(OpenFileRequest{"Add Material", "", "Material files", "json"});
  if (!path)
    return;
  ListMaterialFile(toolkit_, *path);
}

void FindDesignsForm::cmdSaveDesign_Click() {
  const FoundDesigns& found = session_.foundDesigns;
  const auto picked = found.Picked();
  if (!picked)
    return;
  const SearchCandidate& candidate = found.Candidates()[*picked];
  DesignFile file =
      FoundDesignFile(found.Entries(), session_.catalogue, candidate, found.Request().materials);
  file.limits = found.Request().limits;   // the limits it was found to meet
  file.cores = session_.catalogueOrigin;  // and the cores it was found on
  BuiltPart part = file.part;
  part.partNumber = candidate.part;
  part.stack = candidate.stack;
  const std::optional<std::string> saved =
      ExportFileAt(toolkit_, services_,
                   SaveFileRequest{"Save Design", PartFileName(part) + kDesignFileExtension,
                                   "PFC design files", "pfcdesign"},
                   DesignFileText(file));
  if (saved) {
    AddRecentDesign(services_, *saved);
  }
}

void FindDesignsForm::cmdExportCsv_Click() {
  ExportFile(toolkit_, services_, CsvFileRequest("Export Designs", "found-designs.csv"),
             SearchCandidatesCsv(session_.foundDesigns.Candidates()));
}

}  // namespace pfc::ui
