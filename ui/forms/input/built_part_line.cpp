#include "ui/forms/input/built_part_line.h"

#include "engine/check/built_part.h"
#include "engine/method/design_run.h"
#include "reports/check/check_figures.h"
#include "reports/check/part_texts.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {
namespace {

BuiltPart GivenPart(const CheckedDesign& checked) {
  BuiltPart part;
  part.material = checked.ChosenPartMaterial();
  part.winding = checked.Winding();
  return part;
}

}  // namespace

std::string BuiltPartLineText(const DesktopSession& session, const std::string& note) {
  const CheckedDesign& checked = session.checked;
  const BuiltPart part = GivenPart(checked);
  std::string text;
  if (part.Given())
    text = GivenPartText(part, session.decimalSeparator);
  if (!note.empty())
    text += (text.empty() ? "the method's part; " : "; ") + note;
  if (part.winding.Given() && !checked.WindingProblem().empty())
    text += "; not wound on the checked core: " + checked.WindingProblem();
  return text.empty() ? text : "Checked as built: " + text;
}

void ShowBuiltPartLine(Toolkit& toolkit, const DesktopSession& session, const std::string& note) {
  const std::string text = BuiltPartLineText(session, note);
  if (toolkit.Text(kInputForm, kBuiltPartLabel) != text)
    toolkit.SetText(kInputForm, kBuiltPartLabel, text);
  const bool given = GivenPart(session.checked).Given();
  if (toolkit.IsEnabled(kInputForm, kClearPartButton) != given)
    toolkit.SetEnabled(kInputForm, kClearPartButton, given);
}

std::string FitWindingToForm(Toolkit& toolkit, DesktopSession& session) {
  CheckedDesign& checked = session.checked;
  const WindingRequest winding = checked.Winding();
  if (!winding.Given())
    return {};
  // A run on a copy: the form's design stays unrun until "Show Results".
  DesignRecord record = session.record;
  const RunOutcome outcome = RunDesign(ReadInputEntries(toolkit), record, session.catalogue,
                                       session.wires, session.decimalSeparator);
  if (outcome.ending != RunEnding::Published)
    return {};
  const BuiltPart part = PartOfRecord(record, checked.ChosenPartMaterial(), winding);
  const PartWound wound = WindPart(record, session.wires, part, true, session.decimalSeparator);
  const std::string core = CheckedCoreName(part.partNumber, part.stack);
  if (!wound.setAside)
    return wound.applied.Wound() ? core + " takes the winding" : std::string();
  checked.SetWinding({}, session.decimalSeparator);
  return WindingRequestText(winding, session.decimalSeparator) + " set aside, as " + core +
         " does not take it: " + wound.applied.message;
}

void ClearBuiltPart(DesktopSession& session) {
  session.checked.SetWinding({}, session.decimalSeparator);
  session.checked.SetGrade(kDefaultRolloffGrade);
}

}  // namespace pfc::ui
