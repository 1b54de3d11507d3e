#include "ui/forms/operating_check/check_winding_entries.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/record/number_text.h"
#include "reports/check/material_file.h"
#include "reports/check/method_limit_texts.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace check_controls;

namespace {

struct EntryNumber {
  std::optional<double> value;  // empty for an empty entry
  bool malformed = false;
};

EntryNumber ReadEntryNumber(std::string text, char separator) {
  if (separator != '.')
    std::replace(text.begin(), text.end(), separator, '.');
  if (TrimBlanks(text).empty())
    return {};
  if (!IsWellFormedNumber(text))
    return {std::nullopt, true};
  return {ValueOfText(text)};
}

std::string EntryText(double value, char separator) {
  return FormatGeneral(value, separator);
}

// Why a given winding was refused, else how it stands against the method's limits (which the
// method's own published winding meets by being published).
void ShowWindingProblem(Toolkit& toolkit, const DesktopSession& session) {
  const CheckedDesign& checked = session.checked;
  std::string text = checked.WindingProblem();
  bool missed = !text.empty();
  if (text.empty() && checked.HasDesign() && checked.Winding().Given()) {
    text = MethodLimitsLine(checked.Record(), session.decimalSeparator);
    for (const MethodLimitOutcome& limit : JudgeMethodLimits(checked.Record()))
      missed = missed || limit.misses;
  }
  toolkit.SetText(kOperatingCheckForm, kWindingProblem, text);
  toolkit.SetForeColor(kOperatingCheckForm, kWindingProblem, missed ? kRed : kNavy);
}

}  // namespace

void ShowCheckedWinding(Toolkit& toolkit, const DesktopSession& session, bool typing) {
  const CheckedDesign& checked = session.checked;
  if (!typing && checked.HasDesign()) {
    const DesignRecord& wound = checked.Record();
    toolkit.SetText(kOperatingCheckForm, kTurns, EntryText(wound.Turns, session.decimalSeparator));
    toolkit.SetText(kOperatingCheckForm, kWire,
                    EntryText(wound.WireGauge, session.decimalSeparator));
    toolkit.SetText(kOperatingCheckForm, kStrands,
                    EntryText(wound.Strands, session.decimalSeparator));
  }
  if (!typing)
    ShowWindingProblem(toolkit, session);
  toolkit.SetEnabled(kOperatingCheckForm, kPublishedWinding, checked.Winding().Given());
}

void WindFromEntries(Toolkit& toolkit, DesktopSession& session) {
  const char separator = session.decimalSeparator;
  const std::string turnsText = toolkit.Text(kOperatingCheckForm, kTurns);
  const std::string wireText = toolkit.Text(kOperatingCheckForm, kWire);
  const std::string strandsText = toolkit.Text(kOperatingCheckForm, kStrands);
  const EntryNumber turns = ReadEntryNumber(turnsText, separator);
  const EntryNumber wire = ReadEntryNumber(wireText, separator);
  const EntryNumber strands = ReadEntryNumber(strandsText, separator);
  if (turns.malformed || wire.malformed || strands.malformed) {
    const std::string what = turns.malformed  ? "turns \"" + turnsText + "\" are"
                             : wire.malformed ? "wire size \"" + wireText + "\" is"
                                              : "strands \"" + strandsText + "\" are";
    toolkit.SetText(kOperatingCheckForm, kWindingProblem, "The " + what + " not a number.");
    toolkit.SetForeColor(kOperatingCheckForm, kWindingProblem, kRed);
    return;
  }
  // One strand is the published winding's, as an empty entry is.
  const std::optional<double> parallel = strands.value == 1.0 ? std::nullopt : strands.value;
  session.checked.SetWinding(WindingRequest{turns.value, wire.value, parallel}, separator);
  ShowWindingProblem(toolkit, session);
}

void AddMaterialFromFile(Toolkit& toolkit, DesktopSession& session,
                         const DesktopServices& services) {
  if (!services.chooseOpenFile)
    return;
  const std::optional<std::string> path =
      services.chooseOpenFile(OpenFileRequest{"Add Material", "", "Material files", "json"});
  if (!path)
    return;
  const MaterialFileRead read = ReadMaterialFile(*path);
  if (!read.read) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, read.Message()});
    return;
  }
  session.checked.AddMaterial(read.material);
}

}  // namespace pfc::ui
