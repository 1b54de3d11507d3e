#include "engine/method/design_run.h"

#include <cmath>
#include <type_traits>

#include "engine/inputs/inputs.h"
#include "engine/method/core_selection.h"
#include "engine/method/engine_messages.h"
#include "engine/method/publication.h"
#include "engine/record/design_record.h"

namespace pfc {
namespace {

bool AllNumbersFinite(const DesignRecord& record) {
  bool finite = true;
  VisitRecordFields(record, [&finite](const char*, const auto& field) {
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(field)>>) {
      finite = finite && std::isfinite(field);
    }
  });
  return finite;
}

// The checks pass any positive value, but a line voltage or a frequency a few hundred orders of
// magnitude below the usual overflows the currents or the flux swing, and the summary would
// show "Infinity" or "NaN" as a loss. Such a design is refused as an input error, naming the
// entry that caused it: the line current (and everything it drives) comes from Vin Min, the
// rest of the overflow from the switching period.
bool RefuseUncomputable(const DesignRecord& r, RunOutcome& outcome) {
  if (AllNumbersFinite(r))
    return false;
  const bool fromCurrent = !std::isfinite(r.IinPeak) || !std::isfinite(r.Energy) ||
                           !std::isfinite(r.HMax) || !std::isfinite(r.CopperLoss);
  const char* field = fromCurrent ? "Minimum Voltage" : "Frequency";
  std::string text = "The ";
  text.append(field).append(" value is too small for the design to be calculated. Enter a larger ");
  text.append(field).append(" value.");
  outcome.ending = RunEnding::Rejected;
  outcome.check = fromCurrent ? "5r" : "1r";
  outcome.focus = fromCurrent ? Entry::VinMin : Entry::Frequency;
  outcome.messages.push_back(Message{kCautionTitle, MessageIcon::Information, std::move(text)});
  return true;
}

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
  const EntryReadings readings = ReadEntries(entries);
  initValues(readings, record);
  ValidationResult validation = ValidateInputs(readings, record, catalogue);
  outcome.emptyStackTakenAsOne = validation.emptyStackTakenAsOne;
  if (!validation.passed) {
    outcome.ending = RunEnding::Rejected;
    outcome.check = std::move(validation.check);
    outcome.messages.push_back(std::move(validation.message));
    outcome.focus = validation.focus;
    return outcome;
  }
  outcome.entriesPassedChecks = true;

  ComputeOperatingPoint(record);
  switch (SelectCore(record, catalogue)) {
    case Selection::Selected:
      break;
    case Selection::AreaProductStop:
      return Stop(std::move(outcome), RunEnding::AreaProduct, "AreaProduct", AreaProductMessage());
    case Selection::UnknownCore:
      outcome.focus = Entry::CoreSize;
      return Stop(std::move(outcome), RunEnding::UnknownCore, "UnknownCore",
                  UnknownCoreMessage(record.SelectedCoreSize));
  }

  const Refinement refinement = RefineCore(record, catalogue, wires);
  if (refinement == Refinement::VpeakStop) {
    return Stop(std::move(outcome), RunEnding::Vpeak, "Vpeak", VpeakMessage());
  }
  if (RefuseUncomputable(record, outcome))
    return outcome;
  if (refinement == Refinement::LastRowTooHot) {
    outcome.messages.push_back(TemperatureRiseMessage());
  }
  // The designer's part number already names this row; the calculator's choice is named
  // here, so the name and the row always agree.
  record.SelectedCoreSize = catalogue.PartNo[static_cast<std::size_t>(record.CoreIndex)];

  if (PublishResults(record, outcome.messages, decimalSeparator) == PublishEnding::FieldStrength) {
    outcome.ending = RunEnding::FieldStrength;
    outcome.check = "FieldStrength";
    return outcome;
  }
  outcome.ending = RunEnding::Published;
  outcome.check = "Published";
  return outcome;
}

const char* RunEndingName(RunEnding ending) {
  switch (ending) {
    case RunEnding::Published:
      return "published";
    case RunEnding::Rejected:
      return "rejected";
    case RunEnding::AreaProduct:
      return "area-product";
    case RunEnding::Vpeak:
      return "vpeak";
    case RunEnding::FieldStrength:
      return "field-strength";
    case RunEnding::UnknownCore:
      return "unknown-core";
  }
  return "unknown";
}

}  // namespace pfc
