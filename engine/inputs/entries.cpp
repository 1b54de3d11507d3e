#include "engine/inputs/entries.h"

#include <algorithm>
#include <array>

namespace pfc {
namespace {

constexpr UnitChoice kFrequencyUnits[] = {{"Hz"}, {"kHz", 1000}};
constexpr UnitChoice kInductanceUnits[] = {
    {"Henry"}, {"millihenry", 1, 1000}, {"microhenry", 1, 1000000}};
constexpr UnitChoice kPowerUnits[] = {{"Watts"}, {"Kilo Watts", 1000}};
constexpr UnitChoice kPercent[] = {{"%"}};
constexpr UnitChoice kVolts[] = {{"Volts"}};
constexpr UnitChoice kDegreesCelsius[] = {{"°C"}};

constexpr std::string_view kEfficiencyRange = "Enter the efficiency value only between 90% to 100%";
constexpr std::string_view kFillFactorRange = "Enter a Window Fill Factor between 0 and .9";
constexpr std::string_view kStackRange = "Please select to stack between 1 and 9 cores.";

constexpr std::array<EntryDescription, kEntryCount> kEntries{{
    {.entry = Entry::Frequency,
     .kind = EntryKind::Quantity,
     .control = "txtFrequency",
     .caption = "Frequency",
     .tabIndex = 0,
     .defaultText = "100000",
     .toolTip = " Frequency should not be greater than 1000000 Hz.",
     .option = "frequency",
     .optionHelp = "Switching frequency",
     .units = kFrequencyUnits,
     .unitControl = "cmbfrequency",
     .checks = {"1a",
                "Enter the Frequency Value",
                "1n",
                {0, false, "1b", "Enter the Frequency Value greater than 0"},
                {1000000, true, "1c", "Enter Frequency value lower than 1000000 Hz"}}},
    {.entry = Entry::Inductance,
     .kind = EntryKind::Quantity,
     .control = "txtInductance",
     .caption = "Inductance",
     .tabIndex = 2,
     .defaultText = "0.00015",
     .toolTip = "Inductance should not be greater than 0.1 Henries",
     .option = "inductance",
     .optionHelp = "Full-load inductance",
     .units = kInductanceUnits,
     .unitControl = "cmbinductance",
     .checks = {"2a",
                "Enter Inductance Value",
                "2n",
                {0, false, "2b", "Enter Inductance Value greater than 0"},
                {0.1, true, "2c", "Enter Inductance value lower than 0.1 Henries"}}},
    {.entry = Entry::OutputPower,
     .kind = EntryKind::Quantity,
     .control = "txtOutputPower",
     .caption = "Output Power",
     .tabIndex = 4,
     .defaultText = "1500",
     .toolTip = "Output Power should not be greater than 5000 watts",
     .option = "output-power",
     .optionHelp = "Output power",
     .units = kPowerUnits,
     .unitControl = "cmboutputpower",
     .checks = {"3a",
                "Enter Output Power Value",
                "3n",
                {0, false, "3b", "Enter Output Power value greater than 0 watts"},
                {5000, true, "3c", "Enter Output Power value lower than 5000 watts"}}},
    {.entry = Entry::Efficiency,
     .kind = EntryKind::Quantity,
     .control = "txtEfficiency",
     .caption = "Efficiency",
     .tabIndex = 6,
     .defaultText = "95",
     .toolTip = "Efficiency should be between 90% to 100 %.",
     .option = "efficiency",
     .optionHelp = "Efficiency in percent, 90 to 100",
     .units = kPercent,
     .checks = {"4a",
                "Enter Efficiency value",
                "4n",
                {90, true, "4b", kEfficiencyRange},
                {100, true, "4b", kEfficiencyRange}}},
    {.entry = Entry::VinMin,
     .kind = EntryKind::Quantity,
     .control = "txtVinMin",
     .caption = "Vin Min",
     .tabIndex = 7,
     .defaultText = "85",
     .option = "vin-min",
     .optionHelp = "Minimum RMS line voltage; the design line",
     .units = kVolts,
     // A negative line would give a negative flux swing, whose loss power is undefined.
     .checks = {"5a",
                "Enter Minimum Voltage",
                "5n",
                {0, false, "5b", "Enter Minimum Voltage value greater than 0"},
                {}}},
    {.entry = Entry::VinMax,
     .kind = EntryKind::Quantity,
     .control = "txtVinMax",
     .caption = "Vin Max",
     .tabIndex = 8,
     .defaultText = "264",
     .option = "vin-max",
     .optionHelp = "Maximum RMS line voltage (shown only)",
     .units = kVolts,
     .checks = {"6", "Enter Maximum Voltage", "6n", {}, {}}},
    {.entry = Entry::Vout,
     .kind = EntryKind::Quantity,
     .control = "txtVout",
     .caption = "Vout",
     .tabIndex = 9,
     .defaultText = "380",
     .toolTip = "Out Voltage (Vout) should not be greater than 380 volts.",
     .option = "vout",
     .optionHelp = "Output voltage, at most 420",
     .units = kVolts,
     .checks = {"7a",
                "Enter Out Voltage Value",
                "7n",
                {},
                {420, true, "7b", "Enter the Out Voltage value below 420 volts"}}},
    {.entry = Entry::AmbientTemp,
     .kind = EntryKind::Quantity,
     .control = "txtAmbientTemp",
     .caption = "Ambient Temperature",
     .tabIndex = 10,
     .defaultText = "50",
     .toolTip = "Ambient Temperature should not be greater than 75 degree centigrade",
     .option = "ambient",
     .optionHelp = "Ambient temperature in °C, at most 75",
     .units = kDegreesCelsius,
     .checks = {"8a",
                "Enter Ambient Temperature Value",
                "8n",
                {},
                {75, true, "8b", "Enter a temperature value below 75 °C"}}},
    {.entry = Entry::FillFactor,
     .kind = EntryKind::Quantity,
     .control = "txtFill_Factor",
     .caption = "Window Fill Factor",
     .tabIndex = 19,
     .defaultText = ".4",
     .option = "fill-factor",
     .optionHelp = "Window fill factor, above 0 to .9",
     // The fill factor divides the area product: zero and below never get that far.
     .checks = {"9",
                kFillFactorRange,
                "9n",
                {0, false, "9", kFillFactorRange},
                {0.9, true, "9", kFillFactorRange}}},
    // Judged by the catalogue, not as a number; its checks are the core pick's own.
    {.entry = Entry::CoreSize,
     .kind = EntryKind::CorePick,
     .control = "txtCoreSize",
     .caption = "Core Size List",
     .tabIndex = 14},
    {.entry = Entry::Stack,
     .kind = EntryKind::Count,
     .control = "txtStack",
     .caption = "Cores To Stack",
     .tabIndex = 11,
     .defaultText = "1",
     .toolTip = "Number of Cores to Stack In Calculations",
     .option = "stack",
     .optionHelp = "Number of identical cores stacked, 1 to 9",
     // Left empty, the stack reads as one core and its box is filled in.
     .checks = {{}, {}, "12n", {1, true, "12", kStackRange}, {9, true, "12", kStackRange}}},
}};

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (static_cast<std::size_t>(kEntries[i].entry) != i)
      return false;
  }
  return true;
}
static_assert(InEnumOrder(), "the table is indexed by Entry");

}  // namespace

EntryTexts::EntryTexts() {
  for (const EntryDescription& entry : kEntries) {
    (*this)[entry.entry] = entry.defaultText;
    if (entry.HasUnitList())
      Unit(entry.entry) = entry.units.front().text;
  }
}

std::span<const EntryDescription> Entries() {
  return kEntries;
}

const EntryDescription& DescriptionOf(Entry entry) {
  return kEntries[static_cast<std::size_t>(entry)];
}

std::span<const NamedEntryText> NamedEntryTexts() {
  static const std::vector<NamedEntryText> named = [] {
    std::vector<const EntryDescription*> inTabOrder;
    for (const EntryDescription& entry : kEntries) {
      if (!entry.option.empty())
        inTabOrder.push_back(&entry);
    }
    std::sort(inTabOrder.begin(), inTabOrder.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<NamedEntryText> texts;
    for (const EntryDescription* entry : inTabOrder) {
      texts.push_back({std::string(entry->option), entry, false});
      if (entry->HasUnitList())
        texts.push_back({std::string(entry->option) + "-unit", entry, true});
    }
    return texts;
  }();
  return named;
}

}  // namespace pfc
