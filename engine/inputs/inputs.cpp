#include "engine/inputs/inputs.h"

#include <string_view>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

constexpr std::string_view kBlanks = " \t";

double ToRecordUnit(const EntryDescription& entry, const EntryTexts& entries, double value) {
  if (entry.units.empty())
    return value;
  UnitChoice unit = entry.units.front();
  if (entry.HasUnitList()) {
    const std::string_view chosen = TrimBlanks(entries.Unit(entry.entry));
    for (const UnitChoice& choice : entry.units) {
      if (choice.text == chosen)
        unit = choice;
    }
  }
  return value * unit.multiplier / unit.divisor;
}

double StackCount(double value) {
  const double rounded = RoundHalfEven(value, 0);
  if (rounded > 32767)
    return 32767;
  if (rounded < -32768)
    return -32768;
  return rounded;
}

// A pick-list entry reads the part number, a blank and the dimensions.
std::string_view PartNumberOf(std::string_view coreText) {
  return coreText.substr(0, coreText.find_first_of(kBlanks));
}

struct Failure {
  std::string check;
  std::string text;
};

bool Below(const EntryLimit& low, double value) {
  return !low.check.empty() && (low.valueAllowed ? value < low.value : value <= low.value);
}

bool Above(const EntryLimit& high, double value) {
  return !high.check.empty() && value > high.value;
}

std::optional<Failure> CheckNumber(const EntryDescription& entry, const EntryReading& reading) {
  const EntryChecks& checks = entry.checks;
  if (reading.empty) {
    if (checks.emptyCheck.empty())
      return std::nullopt;
    return Failure{std::string(checks.emptyCheck), std::string(checks.emptyMessage)};
  }
  if (reading.tooLarge) {
    std::string text = "The ";
    text.append(entry.caption)
        .append(
            " value is too large. Enter a number of at most 308 digits before the decimal "
            "point.");
    return Failure{std::string(checks.malformedCheck), std::move(text)};
  }
  if (!reading.wellFormed) {
    std::string text = "The ";
    text.append(entry.caption)
        .append(" value is not a valid number. Enter digits with at most one decimal point.");
    return Failure{std::string(checks.malformedCheck), std::move(text)};
  }
  const EntryLimit* crossed = Below(checks.low, reading.value)    ? &checks.low
                              : Above(checks.high, reading.value) ? &checks.high
                                                                  : nullptr;
  if (crossed == nullptr)
    return std::nullopt;
  return Failure{std::string(crossed->check), std::string(crossed->message)};
}

std::optional<Failure> CheckCorePick(const EntryReadings& readings, const DesignRecord& record,
                                     const CoreCatalogue& catalogue) {
  const std::string_view coreText = readings.coreText;
  if (readings.pickCore && coreText.empty())
    return Failure{"10", "Please select Core size from list of values. "};
  if (record.CalcType != DesignerPicks || coreText.empty())
    return std::nullopt;
  if (coreText.find_first_of(kBlanks) == std::string_view::npos) {
    std::string text = "The core size \"";
    text.append(coreText).append(
        "\" is not an entry of the core size list. Please select Core size from list of "
        "values.");
    return Failure{"10p", std::move(text)};
  }
  const std::string_view partNo = PartNumberOf(coreText);
  if (catalogue.FindPartNo(partNo) == 0) {
    std::string text = "The core size \"";
    text.append(partNo).append(
        "\" is not in the Toridyne catalogue. Please select Core size from list of values.");
    return Failure{"10c", std::move(text)};
  }
  return std::nullopt;
}

}  // namespace

EntryReadings ReadEntries(const EntryTexts& entries) {
  EntryReadings read;
  for (const EntryDescription& entry : Entries()) {
    const std::string_view text = TrimBlanks(entries[entry.entry]);
    EntryReading& reading = read.readings[static_cast<std::size_t>(entry.entry)];
    reading.empty = text.empty();
    if (entry.kind == EntryKind::CorePick) {
      read.coreText = text;
      continue;
    }
    reading.wellFormed = IsWellFormedNumber(text);
    reading.tooLarge = !reading.wellFormed && IsDecimalNumeral(text);
    const double value = ValueOfText(text);
    reading.value =
        entry.kind == EntryKind::Count ? StackCount(value) : ToRecordUnit(entry, entries, value);
  }
  read.pickCore = entries.pickCore;
  return read;
}

void initValues(const EntryReadings& read, DesignRecord& record) {
  record.Frequency = read[Entry::Frequency].value;
  record.Inductance = read[Entry::Inductance].value;
  record.OutputPower = read[Entry::OutputPower].value;
  record.Efficiency = read[Entry::Efficiency].value / 100;
  record.VinMin = read[Entry::VinMin].value;
  record.VinMax = read[Entry::VinMax].value;
  record.Vout = read[Entry::Vout].value;
  record.CoresToStack = static_cast<std::int16_t>(read[Entry::Stack].value);
  record.AmbientTemp = read[Entry::AmbientTemp].value;
  record.FillFactorLimit = read[Entry::FillFactor].value;
  if (record.CalcType == CalcSelects) {
    record.SelectedCoreSize.clear();
  } else if (record.CalcType == DesignerPicks && !read.coreText.empty()) {
    record.SelectedCoreSize = PartNumberOf(read.coreText);
  }
}

ValidationResult ValidateInputs(const EntryReadings& read, DesignRecord& record,
                                const CoreCatalogue& catalogue) {
  ValidationResult result;
  for (const EntryDescription& entry : Entries()) {
    const EntryReading& reading = read[entry.entry];
    std::optional<Failure> failure = entry.kind == EntryKind::CorePick
                                         ? CheckCorePick(read, record, catalogue)
                                         : CheckNumber(entry, reading);
    if (failure) {
      result.check = std::move(failure->check);
      result.message = Message{kCautionTitle, MessageIcon::Information, std::move(failure->text)};
      result.focus = entry.entry;
      return result;
    }
    if (entry.entry == Entry::Stack && reading.empty) {
      result.emptyStackTakenAsOne = true;
      record.CoresToStack = 1;
    }
  }
  result.passed = true;
  return result;
}

}  // namespace pfc
