#include "ui/forms/find_designs/find_designs.h"

#include <algorithm>
#include <charconv>
#include <thread>

#include "engine/check/given_winding.h"
#include "engine/check/rolloff_grades.h"
#include "engine/inputs/pick_list.h"
#include "engine/method/calculator_run.h"
#include "reports/files/search_texts.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/operating_check/model_export.h"
#include "ui/forms/session/entry_refusal.h"
#include "ui/forms/session/form_names.h"

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

// "all", or grades separated by commas (blanks allowed).
bool ReadGrades(std::string text, std::vector<Material>& materials) {
  std::erase(text, ' ');
  if (text == "all") {
    for (const RolloffGrade& grade : RolloffGrades())
      materials.emplace_back(grade);
    return true;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::optional<int> grade = Whole(text.substr(start, comma - start));
    const RolloffGrade* found = grade ? FindRolloffGrade(*grade) : nullptr;
    if (found == nullptr)
      return false;
    materials.emplace_back(*found);
    start = comma + 1;
  }
  return !materials.empty();
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
  if (!ReadGrades(grades, request.materials))
    return refuse(kTxtGrades, "Materials: enter \"all\" or grades separated by commas, from " +
                                  RolloffGradeNames() + ".");
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
                           const SearchCandidate& c) {
  DesignFile file;
  file.entries = entries;
  file.entries.pickCore = true;
  file.entries[Entry::CoreSize] = PickListEntry(catalogue, c.row);
  file.entries[Entry::Stack] = std::to_string(c.stack);
  if (FindRolloffGrade(static_cast<int>(c.permeability)) != nullptr &&
      std::to_string(static_cast<int>(c.permeability)) == c.materialName)
    file.part.material.grade = static_cast<int>(c.permeability);
  file.part.winding.turns = c.turns;
  file.part.winding.gauge = c.gauge;
  return file;
}

std::string CheckFoundDesignInto(CheckedDesign& checked, const DesktopSession& session,
                                 const DesktopServices& services, const EntryTexts& entries,
                                 const SearchCandidate& c) {
  const DesignFile file = FoundDesignFile(entries, session.catalogue, c);
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
