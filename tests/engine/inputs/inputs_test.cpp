#include "engine/inputs/inputs.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

using Edit = std::function<void(EntryTexts&, DesignRecord&)>;

// The entries as a run reads them into the record and checks them.
ValidationResult ReadAndValidate(const EntryTexts& entries, LoadedTables& tables) {
  const EntryReadings readings = ReadEntries(entries);
  initValues(readings, tables.record);
  return ValidateInputs(readings, tables.record, tables.catalogue);
}

Edit Set(Entry field, std::string text) {
  return [field, text](EntryTexts& e, DesignRecord&) { e[field] = text; };
}

Edit SetWithUnit(Entry field, std::string text, Entry unitField, std::string unit) {
  return [=](EntryTexts& e, DesignRecord&) {
    e[field] = text;
    e.Unit(unitField) = unit;
  };
}

Edit Pick(std::string coreText) {
  return [coreText](EntryTexts& e, DesignRecord& r) {
    r.CalcType = DesignerPicks;
    e.pickCore = true;
    e[Entry::CoreSize] = coreText;
  };
}

std::string Malformed(const char* field) {
  return std::string("The ") + field +
         " value is not a valid number. Enter digits with at most one decimal point.";
}

std::string TooLarge(const char* field) {
  return std::string("The ") + field +
         " value is too large. Enter a number of at most 308 digits before the decimal point.";
}

struct CheckCase {
  const char* label;
  Edit edit;
  const char* check;  // empty: passes
  std::optional<Entry> focus;
  std::string message;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.label;
}

class ValidateInputsTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ValidateInputsTest, StopsAtTheFirstFailedCheckWithItsMessageAndFocus) {
  LoadedTables tables;
  EntryTexts entries;
  GetParam().edit(entries, tables.record);
  const ValidationResult result = ReadAndValidate(entries, tables);
  if (*GetParam().check == '\0') {
    EXPECT_TRUE(result.passed) << result.check << ": " << result.message.text;
    EXPECT_TRUE(result.check.empty());
    return;
  }
  EXPECT_FALSE(result.passed);
  EXPECT_EQ(result.check, GetParam().check);
  EXPECT_EQ(result.focus, GetParam().focus);
  EXPECT_EQ(result.message.text, GetParam().message);
  EXPECT_EQ(result.message.title, "Caution");
  EXPECT_EQ(result.message.icon, MessageIcon::Information);
}

const std::string kNines(10000, '9');
INSTANTIATE_TEST_SUITE_P(
    Checks, ValidateInputsTest,
    testing::ValuesIn(std::vector<CheckCase>{
        {"defaults pass", Set(Entry::VinMax, "264"), "", std::nullopt, ""},
        {"frequency empty", Set(Entry::Frequency, "  "), "1a", Entry::Frequency,
         "Enter the Frequency Value"},
        {"frequency lone point", Set(Entry::Frequency, "."), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency two points", Set(Entry::Frequency, "1.2.3"), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency exponent", Set(Entry::Frequency, "1e5"), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency non-ASCII digits", Set(Entry::Frequency, "\xd9\xa1\xd9\xa2"), "1n",
         Entry::Frequency, Malformed("Frequency")},
        {"frequency overflowing digits", Set(Entry::Frequency, kNines), "1n", Entry::Frequency,
         TooLarge("Frequency")},
        {"frequency 1e330", Set(Entry::Frequency, "1" + std::string(330, '0')), "1n",
         Entry::Frequency, TooLarge("Frequency")},
        {"vin min 1e330 with a point", Set(Entry::VinMin, " 1" + std::string(330, '0') + ".5 "),
         "5n", Entry::VinMin, TooLarge("Vin Min")},
        {"overflowing digits after a second point", Set(Entry::Frequency, kNines + ".1.2"), "1n",
         Entry::Frequency, Malformed("Frequency")},
        {"frequency zero", Set(Entry::Frequency, "0"), "1b", Entry::Frequency,
         "Enter the Frequency Value greater than 0"},
        {"frequency negative", Set(Entry::Frequency, "-100000"), "1b", Entry::Frequency,
         "Enter the Frequency Value greater than 0"},
        {"frequency above 1 MHz", Set(Entry::Frequency, "1000001"), "1c", Entry::Frequency,
         "Enter Frequency value lower than 1000000 Hz"},
        {"frequency 1001 kHz", SetWithUnit(Entry::Frequency, "1001", Entry::Frequency, "kHz"), "1c",
         Entry::Frequency, "Enter Frequency value lower than 1000000 Hz"},
        {"frequency 1 MHz passes", Set(Entry::Frequency, "1000000"), "", std::nullopt, ""},
        {"frequency 1000 kHz passes",
         SetWithUnit(Entry::Frequency, "1000", Entry::Frequency, "kHz"), "", std::nullopt, ""},
        {"inductance empty", Set(Entry::Inductance, ""), "2a", Entry::Inductance,
         "Enter Inductance Value"},
        {"inductance malformed", Set(Entry::Inductance, "0.00.15"), "2n", Entry::Inductance,
         Malformed("Inductance")},
        {"inductance zero", Set(Entry::Inductance, "00"), "2b", Entry::Inductance,
         "Enter Inductance Value greater than 0"},
        {"inductance negative", Set(Entry::Inductance, "-0.00015"), "2b", Entry::Inductance,
         "Enter Inductance Value greater than 0"},
        {"inductance 0.2 H", Set(Entry::Inductance, "0.2"), "2c", Entry::Inductance,
         "Enter Inductance value lower than 0.1 Henries"},
        {"inductance 101 mH",
         SetWithUnit(Entry::Inductance, "101", Entry::Inductance, "millihenry"), "2c",
         Entry::Inductance, "Enter Inductance value lower than 0.1 Henries"},
        {"inductance 0.1 H passes", Set(Entry::Inductance, "0.1"), "", std::nullopt, ""},
        {"output power empty", Set(Entry::OutputPower, ""), "3a", Entry::OutputPower,
         "Enter Output Power Value"},
        {"output power malformed", Set(Entry::OutputPower, "1500W"), "3n", Entry::OutputPower,
         Malformed("Output Power")},
        {"output power zero", Set(Entry::OutputPower, "0.0"), "3b", Entry::OutputPower,
         "Enter Output Power value greater than 0 watts"},
        {"output power negative", Set(Entry::OutputPower, "-1"), "3b", Entry::OutputPower,
         "Enter Output Power value greater than 0 watts"},
        {"output power above 5000", Set(Entry::OutputPower, "5000.001"), "3c", Entry::OutputPower,
         "Enter Output Power value lower than 5000 watts"},
        {"output power 6 kW",
         SetWithUnit(Entry::OutputPower, "6", Entry::OutputPower, "Kilo Watts"), "3c",
         Entry::OutputPower, "Enter Output Power value lower than 5000 watts"},
        {"output power 5000 passes", Set(Entry::OutputPower, "5000"), "", std::nullopt, ""},
        {"efficiency empty", Set(Entry::Efficiency, ""), "4a", Entry::Efficiency,
         "Enter Efficiency value"},
        {"efficiency malformed", Set(Entry::Efficiency, "9.5.0"), "4n", Entry::Efficiency,
         Malformed("Efficiency")},
        {"efficiency 89.9", Set(Entry::Efficiency, "89.9"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency 100.1", Set(Entry::Efficiency, "100.1"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency negative", Set(Entry::Efficiency, "-95"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency 90 passes", Set(Entry::Efficiency, "90"), "", std::nullopt, ""},
        {"efficiency 100 passes", Set(Entry::Efficiency, "100"), "", std::nullopt, ""},
        {"vin min empty", Set(Entry::VinMin, ""), "5a", Entry::VinMin, "Enter Minimum Voltage"},
        {"vin min malformed", Set(Entry::VinMin, "8 5v"), "5n", Entry::VinMin,
         Malformed("Vin Min")},
        {"vin min zero", Set(Entry::VinMin, "0"), "5b", Entry::VinMin,
         "Enter Minimum Voltage value greater than 0"},
        {"vin min negative", Set(Entry::VinMin, "-85"), "5b", Entry::VinMin,
         "Enter Minimum Voltage value greater than 0"},
        {"vin max empty", Set(Entry::VinMax, ""), "6", Entry::VinMax, "Enter Maximum Voltage"},
        {"vin max malformed", Set(Entry::VinMax, "2.6.4"), "6n", Entry::VinMax,
         Malformed("Vin Max")},
        {"vin max negative passes", Set(Entry::VinMax, "-264"), "", std::nullopt, ""},
        {"vout empty", Set(Entry::Vout, ""), "7a", Entry::Vout, "Enter Out Voltage Value"},
        {"vout malformed", Set(Entry::Vout, "."), "7n", Entry::Vout, Malformed("Vout")},
        {"vout above 420", Set(Entry::Vout, "420.5"), "7b", Entry::Vout,
         "Enter the Out Voltage value below 420 volts"},
        {"vout 420 passes", Set(Entry::Vout, "420"), "", std::nullopt, ""},
        {"vout zero passes", Set(Entry::Vout, "0"), "", std::nullopt, ""},
        {"ambient empty", Set(Entry::AmbientTemp, ""), "8a", Entry::AmbientTemp,
         "Enter Ambient Temperature Value"},
        {"ambient malformed", Set(Entry::AmbientTemp, "5O"), "8n", Entry::AmbientTemp,
         Malformed("Ambient Temperature")},
        {"ambient above 75", Set(Entry::AmbientTemp, "75.1"), "8b", Entry::AmbientTemp,
         "Enter a temperature value below 75 °C"},
        {"ambient 75 passes", Set(Entry::AmbientTemp, "75"), "", std::nullopt, ""},
        {"ambient below zero passes", Set(Entry::AmbientTemp, "-40"), "", std::nullopt, ""},
        {"fill factor empty", Set(Entry::FillFactor, ""), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor comma", Set(Entry::FillFactor, "0,4"), "9n", Entry::FillFactor,
         Malformed("Window Fill Factor")},
        {"fill factor zero", Set(Entry::FillFactor, "0"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor underflowing to zero",
         Set(Entry::FillFactor, "0." + std::string(400, '0') + "1"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor negative", Set(Entry::FillFactor, "-.4"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor .95", Set(Entry::FillFactor, ".95"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor .9 passes", Set(Entry::FillFactor, ".9"), "", std::nullopt, ""},
        {"fill factor just above 0 passes", Set(Entry::FillFactor, ".001"), "", std::nullopt, ""},
        {"pick with the blank entry", Pick(" "), "10", Entry::CoreSize,
         "Please select Core size from list of values. "},
        {"pick text without dimensions", Pick("TD-26"), "10p", Entry::CoreSize,
         "The core size \"TD-26\" is not an entry of the core size list. Please select Core "
         "size from list of values."},
        {"pick unknown part", Pick("TD-99 (OD 1.00mm, ID 1.00mm, HT 1.00mm)"), "10c",
         Entry::CoreSize,
         "The core size \"TD-99\" is not in the Toridyne catalogue. Please select Core size "
         "from list of values."},
        {"pick wrong case", Pick("td-26 (OD)"), "10c", Entry::CoreSize,
         "The core size \"td-26\" is not in the Toridyne catalogue. Please select Core size "
         "from list of values."},
        {"pick list entry passes", Pick("TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)"), "",
         std::nullopt, ""},
        {"stack malformed", Set(Entry::Stack, "1.2.3"), "12n", Entry::Stack,
         Malformed("Cores To Stack")},
        {"stack overflowing digits", Set(Entry::Stack, kNines), "12n", Entry::Stack,
         TooLarge("Cores To Stack")},
        {"stack zero", Set(Entry::Stack, "0"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack ten", Set(Entry::Stack, "10"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 0.4 rounds to 0", Set(Entry::Stack, "0.4"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 9.5 rounds to 10", Set(Entry::Stack, "9.5"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack beyond 16 bits", Set(Entry::Stack, "99999999999999999999"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack negative", Set(Entry::Stack, "-3"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 9 passes", Set(Entry::Stack, "9"), "", std::nullopt, ""},
        {"stack 1.5 rounds to 2", Set(Entry::Stack, "1.5"), "", std::nullopt, ""},
    }));

TEST(ValidateInputs, AllEmptyShowsOnlyTheFrequencyMessage) {
  LoadedTables tables;
  EntryTexts entries;
  for (std::string* text :
       {&entries[Entry::Frequency], &entries[Entry::Inductance], &entries[Entry::OutputPower],
        &entries[Entry::Efficiency], &entries[Entry::VinMin], &entries[Entry::VinMax],
        &entries[Entry::Vout], &entries[Entry::AmbientTemp], &entries[Entry::Stack],
        &entries[Entry::FillFactor]}) {
    text->clear();
  }
  const ValidationResult result = ReadAndValidate(entries, tables);
  EXPECT_EQ(result.check, "1a");
  EXPECT_EQ(result.focus, Entry::Frequency);
  EXPECT_FALSE(result.emptyStackTakenAsOne) << "the run stopped before the stack was read";
}

TEST(ValidateInputs, AnEmptyStackBecomesOneCoreAndSkipsTheRangeCheck) {
  LoadedTables tables;
  EntryTexts entries;
  entries[Entry::Stack] = " ";
  tables.record.CoresToStack = 5;
  const ValidationResult result = ReadAndValidate(entries, tables);
  EXPECT_TRUE(result.passed);
  EXPECT_TRUE(result.emptyStackTakenAsOne);
  EXPECT_EQ(tables.record.CoresToStack, 1);
}

TEST(ValidateInputs, AnEarlierFailureHidesALaterOne) {
  LoadedTables tables;
  EntryTexts entries;
  entries[Entry::Vout] = "500";
  entries[Entry::Efficiency] = "80";
  entries[Entry::Stack] = "12";
  EXPECT_EQ(ReadAndValidate(entries, tables).check, "4b");
}

struct UnitCase {
  const char* text;
  const char* unit;
  double value;
};

class FrequencyUnitTest : public testing::TestWithParam<UnitCase> {};
class InductanceUnitTest : public testing::TestWithParam<UnitCase> {};
class PowerUnitTest : public testing::TestWithParam<UnitCase> {};

DesignRecord Read(const EntryTexts& entries) {
  DesignRecord record;
  initValues(ReadEntries(entries), record);
  return record;
}

TEST_P(FrequencyUnitTest, ConvertsToHertz) {
  EntryTexts entries;
  entries[Entry::Frequency] = GetParam().text;
  entries.Unit(Entry::Frequency) = GetParam().unit;
  EXPECT_DOUBLE_EQ(Read(entries).Frequency, GetParam().value);
}

TEST_P(InductanceUnitTest, ConvertsToHenry) {
  EntryTexts entries;
  entries[Entry::Inductance] = GetParam().text;
  entries.Unit(Entry::Inductance) = GetParam().unit;
  EXPECT_DOUBLE_EQ(Read(entries).Inductance, GetParam().value);
}

TEST_P(PowerUnitTest, ConvertsToWatts) {
  EntryTexts entries;
  entries[Entry::OutputPower] = GetParam().text;
  entries.Unit(Entry::OutputPower) = GetParam().unit;
  EXPECT_DOUBLE_EQ(Read(entries).OutputPower, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Units, FrequencyUnitTest,
                         testing::Values(UnitCase{"100", "kHz", 100000},
                                         UnitCase{"100", " kHz ", 100000},
                                         UnitCase{"100", "khz", 100},
                                         UnitCase{"100000", "Hz", 100000},
                                         UnitCase{"1001", "kHz", 1001000}));
INSTANTIATE_TEST_SUITE_P(Units, InductanceUnitTest,
                         testing::Values(UnitCase{"150", "microhenry", 0.00015},
                                         UnitCase{"150", "millihenry", 0.15},
                                         UnitCase{"0.2", "Henry", 0.2},
                                         UnitCase{"150", "Microhenry", 150}));
INSTANTIATE_TEST_SUITE_P(Units, PowerUnitTest,
                         testing::Values(UnitCase{"1.5", "Kilo Watts", 1500},
                                         UnitCase{"6", "Kilo Watts", 6000},
                                         UnitCase{"1500", "Watts", 1500},
                                         UnitCase{"1.5", "kilo watts", 1.5}));

TEST(InitValues, ConvertsTheOtherFields) {
  EntryTexts entries;
  entries[Entry::Efficiency] = "95";
  entries[Entry::Stack] = "2.5";
  entries[Entry::FillFactor] = " .4 ";
  DesignRecord record = Read(entries);
  EXPECT_DOUBLE_EQ(record.Efficiency, 0.95);
  EXPECT_EQ(record.VinMin, 85);
  EXPECT_EQ(record.VinMax, 264);
  EXPECT_EQ(record.Vout, 380);
  EXPECT_EQ(record.AmbientTemp, 50);
  EXPECT_EQ(record.CoresToStack, 2) << "2.5 rounds to the even 2";
  EXPECT_DOUBLE_EQ(record.FillFactorLimit, 0.4);
  entries[Entry::Stack] = "3.5";
  EXPECT_EQ(Read(entries).CoresToStack, 4);
  entries[Entry::Efficiency] = "100";
  EXPECT_EQ(Read(entries).Efficiency, 1.0);
}

TEST(InitValues, HugeStackCountsArePinnedToSixteenBits) {
  EntryTexts entries;
  entries[Entry::Stack] = std::string(400, '9');
  EXPECT_EQ(Read(entries).CoresToStack, 32767);
  entries[Entry::Stack] = "-" + std::string(400, '9');
  EXPECT_EQ(Read(entries).CoresToStack, -32768);
  entries[Entry::Stack] = std::string(10000, '9');  // infinite value
  EXPECT_EQ(Read(entries).CoresToStack, 32767);
}

TEST(InitValues, SetsTheSelectedCoreByCalculatorType) {
  EntryTexts entries;
  entries[Entry::CoreSize] = "TD-03 (OD 17.03mm, ID 8.99mm, HT 4.70mm)";
  DesignRecord record;
  record.SelectedCoreSize = "TD-10";

  record.CalcType = 0;  // no box ticked yet: kept
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-10");

  record.CalcType = DesignerPicks;
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-03");

  entries[Entry::CoreSize] = "   ";  // an empty core text keeps the previous pick
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-03");

  record.CalcType = CalcSelects;
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "");
}

}  // namespace
}  // namespace pfc
