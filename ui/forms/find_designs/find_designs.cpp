#include "ui/forms/find_designs/find_designs.h"

#include <algorithm>
#include <charconv>
#include <thread>

#include "engine/check/given_winding.h"
#include "engine/check/rolloff_grades.h"
#include "engine/inputs/pick_list.h"
#include "engine/method/calculator_run.h"
#include "reports/check/material_file.h"
#include "reports/files/search_texts.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/session/entry_refusal.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/model_export.h"

namespace pfc::ui {

using namespace find_designs_controls;

namespace {

// The search uses every core the machine has; the window's thread only takes the finds.
int SearchThreads() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The input form's entries as a search takes them: the calculator picks no core.
EntryTexts SearchedEntries(Toolkit& toolkit) {
  return CalculatorEntries(ReadInputEntries(toolkit));
}

std::optional<int> Whole(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (parsed.ec != std::errc() || parsed.ptr != end)
    return std::nullopt;
  return value;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One item of the list: "all", a grade, or the path of a material file. Empty when it reads;
// else why not.
std::string ReadMaterial(const std::string& item, std::vector<Material>& materials) {
  if (item == "all") {
    for (const RolloffGrade& grade : RolloffGrades())
      materials.emplace_back(grade);
    return {};
  }
  if (!item.empty() && AllDigits(item)) {
    const std::optional<int> grade = Whole(item);
    const RolloffGrade* found = grade ? FindRolloffGrade(*grade) : nullptr;
    if (found == nullptr)
      return "there is no grade " + item + ".";
    materials.emplace_back(*found);
    return {};
  }
  if (item.empty())
    return "an item of the list is empty.";
  const MaterialFileRead read = ReadMaterialFile(item);
  if (!read.read)
    return read.Message();
  materials.push_back(read.material);
  return {};
}

// "all", grades and material files, separated by commas (blanks around them allowed).
std::string ReadMaterials(const std::string& text, std::vector<Material>& materials) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    std::string why =
        ReadMaterial(Trimmed(std::string_view(text).substr(start, comma - start)), materials);
    if (!why.empty())
      return why;
    start = comma + 1;
  }
  return {};
}

bool ReadStacks(const std::string& text, SearchRequest& request) {
  const std::size_t dash = text.find('-');
  const std::optional<int> first = Whole(text.substr(0, dash));
  const std::optional<int> last = dash == std::string::npos ? first : Whole(text.substr(dash + 1));
  if (!first || !last || *first < 1 || *first > *last || *last > 9)
    return false;
  request.firstStack = static_cast<std::int16_t>(*first);
  request.lastStack = static_cast<std::int16_t>(*last);
  return true;
}

}  // namespace

SearchSettings ReadSearchSettings(const std::string& grades, const std::string& stacks,
                                  const DesignLimits& limits) {
  SearchSettings settings;
  SearchRequest request;
  const auto refuse = [&settings](const char* control, std::string text) {
    settings.control = control;
    settings.refusal = std::move(text);
    return settings;
  };
  if (const std::string why = ReadMaterials(grades, request.materials); !why.empty())
    return refuse(
        kTxtGrades,
        "Materials: enter \"all\", grades from " + RolloffGradeNames() +
            ", or material files, separated by commas (\"Material…\" adds a file).\r\n\r\n" + why);
  if (!ReadStacks(stacks, request))
    return refuse(kTxtStacks, "Stacks: enter a range such as 1-9, from 1 to 9.");
  request.limits = limits;
  settings.request = std::move(request);
  return settings;
}

void SearchFromWindow(Toolkit& toolkit, DesktopSession& session) {
  SearchSettings settings =
      ReadSearchSettings(toolkit.Text(kFindDesignsForm, kTxtGrades),
                         toolkit.Text(kFindDesignsForm, kTxtStacks), session.limits.Get());
  if (!settings.request) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, settings.refusal});
    toolkit.SetFocus(kFindDesignsForm, settings.control);
    return;
  }
  settings.request->threads = SearchThreads();
  session.foundDesigns.Start(SearchedEntries(toolkit), session.record, session.catalogue,
                             session.wires, std::move(*settings.request));
}

void OpenFindDesigns(Toolkit& toolkit, DesktopSession& session) {
  const EntryTexts entries = SearchedEntries(toolkit);
  const CalculatorRun calculator = RunCalculator(entries, session.record, session.catalogue,
                                                 session.wires, session.decimalSeparator);
  if (calculator.Rejected()) {
    ShowEntryRefusal(toolkit, calculator.outcome.messages.front(), calculator.outcome.focus);
    return;
  }
  const FoundDesigns& found = session.foundDesigns;
  const bool stale =
      toolkit.IsLoaded(kFindDesignsForm) &&
      (found.Entries().texts != entries.texts || found.Entries().units != entries.units ||
       !(found.Request().limits == session.limits.Get()));
  toolkit.Show(kFindDesignsForm);
  if (stale)
    SearchFromWindow(toolkit, session);
}

DesignFile FoundDesignFile(const EntryTexts& entries, const CoreCatalogue& catalogue,
                           const SearchCandidate& c, const std::vector<Material>& materials) {
  DesignFile file;
  file.entries = entries;
  file.entries.pickCore = true;
  file.entries[Entry::CoreSize] = PickListEntry(catalogue, c.row);
  file.entries[Entry::Stack] = std::to_string(c.stack);
  if (FindRolloffGrade(static_cast<int>(c.permeability)) != nullptr &&
      std::to_string(static_cast<int>(c.permeability)) == c.materialName)
    file.part.material.grade = static_cast<int>(c.permeability);
  else if (c.material < materials.size())
    file.part.material.own = materials[c.material];
  file.part.winding.turns = c.turns;
  file.part.winding.gauge = c.gauge;
  if (c.strands != 1)
    file.part.winding.strands = c.strands;
  return file;
}

std::string CheckFoundDesignInto(CheckedDesign& checked, const DesktopSession& session,
                                 const DesktopServices& services, const EntryTexts& entries,
                                 const SearchCandidate& c) {
  const DesignFile file =
      FoundDesignFile(entries, session.catalogue, c, session.foundDesigns.Request().materials);
  DesignRecord pick = session.record;
  pick.CalcType = DesignerPicks;
  const RunOutcome outcome = services.runDesign(file.entries, pick, session.catalogue,
                                                session.wires, session.decimalSeparator);
  // The method may stop a pick at its own field limit; the winding is the found one anyway.
  std::string reason;
  if (outcome.ending != RunEnding::Published && outcome.ending != RunEnding::FieldStrength) {
    reason =
        outcome.messages.empty() ? "its run ends without a design" : outcome.messages.back().text;
  } else {
    DesignRecord wound = pick;  // the check winds its own copy of the pick
    reason =
        ApplyWinding(wound, session.wires, file.part.winding, session.decimalSeparator).message;
  }
  if (!reason.empty())
    return CandidateName(c) + " has no operating check.\r\n\r\n" + reason;
  checked.Check(pick, "found by Find Designs");
  if (file.part.material.own)
    checked.AddMaterial(*file.part.material.own);
  else
    checked.SetGrade(file.part.material.grade);
  checked.SetWinding(file.part.winding, session.decimalSeparator);
  return {};
}

void CheckFoundDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                      const EntryTexts& entries, const SearchCandidate& candidate) {
  const std::string refusal =
      CheckFoundDesignInto(session.checked, session, services, entries, candidate);
  if (!refusal.empty()) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, refusal});
    return;
  }
  toolkit.Show(kOperatingCheckForm);
}

void ExportFoundModel(Toolkit& toolkit, const DesktopSession& session,
                      const DesktopServices& services, const EntryTexts& entries,
                      const SearchCandidate& candidate) {
  // A check of its own: the Operating Check window keeps the design it shows.
  CheckedDesign checked(session.wires, session.limits);
  const std::string refusal = CheckFoundDesignInto(checked, session, services, entries, candidate);
  if (!refusal.empty()) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, refusal});
    return;
  }
  ExportCheckedModel(toolkit, services, checked);
}

}  // namespace pfc::ui
