#include "ui/forms/find_designs/find_designs.h"

#include <charconv>
#include <cmath>

#include "engine/check/given_winding.h"
#include "engine/check/rolloff_grades.h"
#include "engine/inputs/pick_list.h"
#include "reports/files/search_texts.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/operating_check/model_export.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace find_designs_controls;

namespace {

std::optional<double> Number(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(value))
    return std::nullopt;
  return value;
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
                                  const std::string& maxTemperature, const std::string& rippleLimit,
                                  const std::string& minInductance) {
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
  const std::optional<double> temperature = Number(maxTemperature);
  if (!temperature)
    return refuse(kTxtMaxTemperature, "Max winding °C: enter a number.");
  request.limits.temperatureC = *temperature;
  if (!rippleLimit.empty()) {
    const std::optional<double> ripple = Number(rippleLimit);
    if (!ripple || !(*ripple > 0))
      return refuse(kTxtRippleLimit,
                    "Max ripple at crest: enter a percentage above 0, or leave it empty for "
                    "no limit.");
    request.limits.ripplePercent = ripple;
  }
  const std::optional<double> inductance = Number(minInductance);
  if (!inductance || !(*inductance > 0))
    return refuse(kTxtMinInductance, "Min L at Ipk: enter a percentage above 0.");
  request.limits.inductancePercent = *inductance;
  settings.request = std::move(request);
  return settings;
}

void OpenFindDesigns(Toolkit& toolkit, DesktopSession& session) {
  EntryTexts entries = ReadInputEntries(toolkit);
  entries.pickCore = false;
  entries[Entry::CoreSize].clear();
  DesignRecord calculator = session.record;
  calculator.CalcType = CalcSelects;
  const RunOutcome outcome =
      RunDesign(entries, calculator, session.catalogue, session.wires, session.decimalSeparator);
  if (outcome.ending == RunEnding::Rejected) {
    toolkit.ShowMessage(outcome.messages.front());
    if (outcome.focus && toolkit.IsVisible(kInputForm))
      toolkit.SetFocus(kInputForm, DescriptionOf(*outcome.focus).control);
    return;
  }
  toolkit.Show(kFindDesignsForm);
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
  CheckedDesign checked(session.wires);
  const std::string refusal = CheckFoundDesignInto(checked, session, services, entries, candidate);
  if (!refusal.empty()) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, refusal});
    return;
  }
  ExportCheckedModel(toolkit, services, checked);
}

}  // namespace pfc::ui
