#include "engine/design_run.h"

#include "engine/core_selection.h"
#include "engine/engine_messages.h"
#include "engine/inputs.h"
#include "engine/publication.h"

namespace pfc {
namespace {

RunOutcome Stop(RunOutcome outcome, RunEnding ending, const char* check, Message message) {
  outcome.ending = ending;
  outcome.check = check;
  outcome.messages.push_back(std::move(message));
  return outcome;
}

}  // namespace

RunOutcome RunDesign(const EntryTexts& entries, DesignRecord& record,
                     const CoreCatalogue& catalogue, const WireTable& wires,
                     char decimalSeparator) {
  RunOutcome outcome;
  initValues(entries, record, outcome.summary);
  ValidationResult validation = ValidateInputs(entries, record, catalogue);
  outcome.stackTextSetToOne = validation.stackTextSetToOne;
  if (!validation.passed) {
    outcome.ending = RunEnding::Rejected;
    outcome.check = std::move(validation.check);
    outcome.messages.push_back(std::move(validation.message));
    outcome.focus = std::move(validation.focus);
    return outcome;
  }
  outcome.busyPointerSet = true;

  ComputeOperatingPoint(record);
  switch (SelectCore(record, catalogue)) {
    case Selection::Selected:
      break;
    case Selection::AreaProductStop:
      outcome.coreListEmptiedAndDisabled = true;
      return Stop(std::move(outcome), RunEnding::AreaProduct, "AreaProduct", AreaProductMessage());
    case Selection::UnknownCore:
      outcome.focus = "txtCoreSize";
      return Stop(std::move(outcome), RunEnding::UnknownCore, "UnknownCore",
                  UnknownCoreMessage(record.SelectedCoreSize));
  }

  switch (RefineCore(record, catalogue, wires)) {
    case Refinement::Completed:
      break;
    case Refinement::LastRowTooHot:
      outcome.messages.push_back(TemperatureRiseMessage());
      break;
    case Refinement::VpeakStop:
      outcome.coreListEmptiedAndDisabled = true;
      return Stop(std::move(outcome), RunEnding::Vpeak, "Vpeak", VpeakMessage());
  }
  // The designer's part number already names this row; the calculator's choice is named
  // here, so the name and the row always agree.
  record.SelectedCoreSize = catalogue.PartNo[static_cast<std::size_t>(record.CoreIndex)];

  if (PublishResults(record, outcome.summary, outcome.messages, decimalSeparator) ==
      PublishEnding::FieldStrength) {
    outcome.ending = RunEnding::FieldStrength;
    outcome.check = "FieldStrength";
    return outcome;
  }
  outcome.ending = RunEnding::Published;
  outcome.check = "Published";
  return outcome;
}

}  // namespace pfc
