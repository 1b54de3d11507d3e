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

Edit Set(std::string EntryTexts::*field, std::string text) {
  return [field, text](EntryTexts& e, DesignRecord&) { e.*field = text; };
}

Edit SetWithUnit(std::string EntryTexts::*field, std::string text,
                 std::string EntryTexts::*unitField, std::string unit) {
  return [=](EntryTexts& e, DesignRecord&) {
    e.*field = text;
    e.*unitField = unit;
  };
}

Edit Pick(std::string coreText) {
  return [coreText](EntryTexts& e, DesignRecord& r) {
    r.CalcType = DesignerPicks;
    e.chkPickCore = true;
    e.txtCoreSize = coreText;
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
using E = EntryTexts;

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidateInputsTest,
    testing::ValuesIn(std::vector<CheckCase>{
        {"defaults pass", Set(&E::txtVinMax, "264"), "", std::nullopt, ""},
        {"frequency empty", Set(&E::txtFrequency, "  "), "1a", Entry::Frequency,
         "Enter the Frequency Value"},
        {"frequency lone point", Set(&E::txtFrequency, "."), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency two points", Set(&E::txtFrequency, "1.2.3"), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency exponent", Set(&E::txtFrequency, "1e5"), "1n", Entry::Frequency,
         Malformed("Frequency")},
        {"frequency non-ASCII digits", Set(&E::txtFrequency, "\xd9\xa1\xd9\xa2"), "1n",
         Entry::Frequency, Malformed("Frequency")},
        {"frequency overflowing digits", Set(&E::txtFrequency, kNines), "1n", Entry::Frequency,
         TooLarge("Frequency")},
        {"frequency 1e330", Set(&E::txtFrequency, "1" + std::string(330, '0')), "1n",
         Entry::Frequency, TooLarge("Frequency")},
        {"vin min 1e330 with a point", Set(&E::txtVinMin, " 1" + std::string(330, '0') + ".5 "),
         "5n", Entry::VinMin, TooLarge("Vin Min")},
        {"overflowing digits after a second point", Set(&E::txtFrequency, kNines + ".1.2"), "1n",
         Entry::Frequency, Malformed("Frequency")},
        {"frequency zero", Set(&E::txtFrequency, "0"), "1b", Entry::Frequency,
         "Enter the Frequency Value greater than 0"},
        {"frequency negative", Set(&E::txtFrequency, "-100000"), "1b", Entry::Frequency,
         "Enter the Frequency Value greater than 0"},
        {"frequency above 1 MHz", Set(&E::txtFrequency, "1000001"), "1c", Entry::Frequency,
         "Enter Frequency value lower than 1000000 Hz"},
        {"frequency 1001 kHz", SetWithUnit(&E::txtFrequency, "1001", &E::cmbfrequency, "kHz"), "1c",
         Entry::Frequency, "Enter Frequency value lower than 1000000 Hz"},
        {"frequency 1 MHz passes", Set(&E::txtFrequency, "1000000"), "", std::nullopt, ""},
        {"frequency 1000 kHz passes",
         SetWithUnit(&E::txtFrequency, "1000", &E::cmbfrequency, "kHz"), "", std::nullopt, ""},
        {"inductance empty", Set(&E::txtInductance, ""), "2a", Entry::Inductance,
         "Enter Inductance Value"},
        {"inductance malformed", Set(&E::txtInductance, "0.00.15"), "2n", Entry::Inductance,
         Malformed("Inductance")},
        {"inductance zero", Set(&E::txtInductance, "00"), "2b", Entry::Inductance,
         "Enter Inductance Value greater than 0"},
        {"inductance negative", Set(&E::txtInductance, "-0.00015"), "2b", Entry::Inductance,
         "Enter Inductance Value greater than 0"},
        {"inductance 0.2 H", Set(&E::txtInductance, "0.2"), "2c", Entry::Inductance,
         "Enter Inductance value lower than 0.1 Henries"},
        {"inductance 101 mH",
         SetWithUnit(&E::txtInductance, "101", &E::cmbinductance, "millihenry"), "2c",
         Entry::Inductance, "Enter Inductance value lower than 0.1 Henries"},
        {"inductance 0.1 H passes", Set(&E::txtInductance, "0.1"), "", std::nullopt, ""},
        {"output power empty", Set(&E::txtOutputPower, ""), "3a", Entry::OutputPower,
         "Enter Output Power Value"},
        {"output power malformed", Set(&E::txtOutputPower, "1500W"), "3n", Entry::OutputPower,
         Malformed("Output Power")},
        {"output power zero", Set(&E::txtOutputPower, "0.0"), "3b", Entry::OutputPower,
         "Enter Output Power value greater than 0 watts"},
        {"output power negative", Set(&E::txtOutputPower, "-1"), "3b", Entry::OutputPower,
         "Enter Output Power value greater than 0 watts"},
        {"output power above 5000", Set(&E::txtOutputPower, "5000.001"), "3c", Entry::OutputPower,
         "Enter Output Power value lower than 5000 watts"},
        {"output power 6 kW",
         SetWithUnit(&E::txtOutputPower, "6", &E::cmboutputpower, "Kilo Watts"), "3c",
         Entry::OutputPower, "Enter Output Power value lower than 5000 watts"},
        {"output power 5000 passes", Set(&E::txtOutputPower, "5000"), "", std::nullopt, ""},
        {"efficiency empty", Set(&E::txtEfficiency, ""), "4a", Entry::Efficiency,
         "Enter Efficiency value"},
        {"efficiency malformed", Set(&E::txtEfficiency, "9.5.0"), "4n", Entry::Efficiency,
         Malformed("Efficiency")},
        {"efficiency 89.9", Set(&E::txtEfficiency, "89.9"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency 100.1", Set(&E::txtEfficiency, "100.1"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency negative", Set(&E::txtEfficiency, "-95"), "4b", Entry::Efficiency,
         "Enter the efficiency value only between 90% to 100%"},
        {"efficiency 90 passes", Set(&E::txtEfficiency, "90"), "", std::nullopt, ""},
        {"efficiency 100 passes", Set(&E::txtEfficiency, "100"), "", std::nullopt, ""},
        {"vin min empty", Set(&E::txtVinMin, ""), "5a", Entry::VinMin, "Enter Minimum Voltage"},
        {"vin min malformed", Set(&E::txtVinMin, "8 5v"), "5n", Entry::VinMin,
         Malformed("Vin Min")},
        {"vin min zero", Set(&E::txtVinMin, "0"), "5b", Entry::VinMin,
         "Enter Minimum Voltage value greater than 0"},
        {"vin min negative", Set(&E::txtVinMin, "-85"), "5b", Entry::VinMin,
         "Enter Minimum Voltage value greater than 0"},
        {"vin max empty", Set(&E::txtVinMax, ""), "6", Entry::VinMax, "Enter Maximum Voltage"},
        {"vin max malformed", Set(&E::txtVinMax, "2.6.4"), "6n", Entry::VinMax,
         Malformed("Vin Max")},
        {"vin max negative passes", Set(&E::txtVinMax, "-264"), "", std::nullopt, ""},
        {"vout empty", Set(&E::txtVout, ""), "7a", Entry::Vout, "Enter Out Voltage Value"},
        {"vout malformed", Set(&E::txtVout, "."), "7n", Entry::Vout, Malformed("Vout")},
        {"vout above 420", Set(&E::txtVout, "420.5"), "7b", Entry::Vout,
         "Enter the Out Voltage value below 420 volts"},
        {"vout 420 passes", Set(&E::txtVout, "420"), "", std::nullopt, ""},
        {"vout zero passes", Set(&E::txtVout, "0"), "", std::nullopt, ""},
        {"ambient empty", Set(&E::txtAmbientTemp, ""), "8a", Entry::AmbientTemp,
         "Enter Ambient Temperature Value"},
        {"ambient malformed", Set(&E::txtAmbientTemp, "5O"), "8n", Entry::AmbientTemp,
         Malformed("Ambient Temperature")},
        {"ambient above 75", Set(&E::txtAmbientTemp, "75.1"), "8b", Entry::AmbientTemp,
         "Enter a temperature value below 75 °C"},
        {"ambient 75 passes", Set(&E::txtAmbientTemp, "75"), "", std::nullopt, ""},
        {"ambient below zero passes", Set(&E::txtAmbientTemp, "-40"), "", std::nullopt, ""},
        {"fill factor empty", Set(&E::txtFill_Factor, ""), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor comma", Set(&E::txtFill_Factor, "0,4"), "9n", Entry::FillFactor,
         Malformed("Window Fill Factor")},
        {"fill factor zero", Set(&E::txtFill_Factor, "0"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor underflowing to zero",
         Set(&E::txtFill_Factor, "0." + std::string(400, '0') + "1"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor negative", Set(&E::txtFill_Factor, "-.4"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor .95", Set(&E::txtFill_Factor, ".95"), "9", Entry::FillFactor,
         "Enter a Window Fill Factor between 0 and .9"},
        {"fill factor .9 passes", Set(&E::txtFill_Factor, ".9"), "", std::nullopt, ""},
        {"fill factor just above 0 passes", Set(&E::txtFill_Factor, ".001"), "", std::nullopt, ""},
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
        {"stack malformed", Set(&E::txtStack, "1.2.3"), "12n", Entry::Stack,
         Malformed("Cores To Stack")},
        {"stack overflowing digits", Set(&E::txtStack, kNines), "12n", Entry::Stack,
         TooLarge("Cores To Stack")},
        {"stack zero", Set(&E::txtStack, "0"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack ten", Set(&E::txtStack, "10"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 0.4 rounds to 0", Set(&E::txtStack, "0.4"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 9.5 rounds to 10", Set(&E::txtStack, "9.5"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack beyond 16 bits", Set(&E::txtStack, "99999999999999999999"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack negative", Set(&E::txtStack, "-3"), "12", Entry::Stack,
         "Please select to stack between 1 and 9 cores."},
        {"stack 9 passes", Set(&E::txtStack, "9"), "", std::nullopt, ""},
        {"stack 1.5 rounds to 2", Set(&E::txtStack, "1.5"), "", std::nullopt, ""},
    }));

TEST(ValidateInputs, AllEmptyShowsOnlyTheFrequencyMessage) {
  LoadedTables tables;
  EntryTexts entries;
  for (std::string* text :
       {&entries.txtFrequency, &entries.txtInductance, &entries.txtOutputPower,
        &entries.txtEfficiency, &entries.txtVinMin, &entries.txtVinMax, &entries.txtVout,
        &entries.txtAmbientTemp, &entries.txtStack, &entries.txtFill_Factor}) {
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
  entries.txtStack = " ";
  tables.record.CoresToStack = 5;
  const ValidationResult result = ReadAndValidate(entries, tables);
  EXPECT_TRUE(result.passed);
  EXPECT_TRUE(result.emptyStackTakenAsOne);
  EXPECT_EQ(tables.record.CoresToStack, 1);
}

TEST(ValidateInputs, AnEarlierFailureHidesALaterOne) {
  LoadedTables tables;
  EntryTexts entries;
  entries.txtVout = "500";
  entries.txtEfficiency = "80";
  entries.txtStack = "12";
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
  entries.txtFrequency = GetParam().text;
  entries.cmbfrequency = GetParam().unit;
  EXPECT_DOUBLE_EQ(Read(entries).Frequency, GetParam().value);
}

TEST_P(InductanceUnitTest, ConvertsToHenry) {
  EntryTexts entries;
  entries.txtInductance = GetParam().text;
  entries.cmbinductance = GetParam().unit;
  EXPECT_DOUBLE_EQ(Read(entries).Inductance, GetParam().value);
}

TEST_P(PowerUnitTest, ConvertsToWatts) {
  EntryTexts entries;
  entries.txtOutputPower = GetParam().text;
  entries.cmboutputpower = GetParam().unit;
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
  entries.txtEfficiency = "95";
  entries.txtStack = "2.5";
  entries.txtFill_Factor = " .4 ";
  DesignRecord record = Read(entries);
  EXPECT_DOUBLE_EQ(record.Efficiency, 0.95);
  EXPECT_EQ(record.VinMin, 85);
  EXPECT_EQ(record.VinMax, 264);
  EXPECT_EQ(record.Vout, 380);
  EXPECT_EQ(record.AmbientTemp, 50);
  EXPECT_EQ(record.CoresToStack, 2) << "2.5 rounds to the even 2";
  EXPECT_DOUBLE_EQ(record.FillFactorLimit, 0.4);
  entries.txtStack = "3.5";
  EXPECT_EQ(Read(entries).CoresToStack, 4);
  entries.txtEfficiency = "100";
  EXPECT_EQ(Read(entries).Efficiency, 1.0);
}

TEST(InitValues, HugeStackCountsArePinnedToSixteenBits) {
  EntryTexts entries;
  entries.txtStack = std::string(400, '9');
  EXPECT_EQ(Read(entries).CoresToStack, 32767);
  entries.txtStack = "-" + std::string(400, '9');
  EXPECT_EQ(Read(entries).CoresToStack, -32768);
  entries.txtStack = std::string(10000, '9');  // infinite value
  EXPECT_EQ(Read(entries).CoresToStack, 32767);
}

TEST(InitValues, SetsTheSelectedCoreByCalculatorType) {
  EntryTexts entries;
  entries.txtCoreSize = "TD-03 (OD 17.03mm, ID 8.99mm, HT 4.70mm)";
  DesignRecord record;
  record.SelectedCoreSize = "TD-10";

  record.CalcType = 0;  // no box ticked yet: kept
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-10");

  record.CalcType = DesignerPicks;
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-03");

  entries.txtCoreSize = "   ";  // an empty core text keeps the previous pick
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "TD-03");

  record.CalcType = CalcSelects;
  initValues(ReadEntries(entries), record);
  EXPECT_EQ(record.SelectedCoreSize, "");
}

}  // namespace
}  // namespace pfc
