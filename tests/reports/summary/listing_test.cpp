#include "reports/summary/listing.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/reports/report_fixtures.h"

namespace pfc {
namespace {

const ListingLine& Line(const std::array<ListingLine, kListingLineCount>& lines,
                        const std::string& id) {
  for (const ListingLine& line : lines) {
    if (line.line == id)
      return line;
  }
  ADD_FAILURE() << "no line " << id;
  return lines[0];
}

// The accepted core of the default design (row 26, one core), as the engine leaves it.
DesignRecord WorkedExample() {
  ResultSummary summary;
  DesignRecord r;
  test::DefaultDesign(summary, r);
  r.InputPower = 1500 / 0.95;
  r.ActualFillFactor = 0.29935;
  r.IinRms = 18.5759;
  r.Iripple = 2.6270;
  r.IinPeak = 27.5837;
  r.Energy = 0.0570647;
  r.Tstep = 10;
  r.HMax = 101.853;
  r.ConductorArea = 0.0371517;
  r.WireArea = 35.64 / 1000;
  r.WireDia = 0.213;
  r.WireResistance = 52.09 / 1000000;
  r.MLT = 6.618;
  r.ConductorLength = 205.158;
  r.MarginLength = 225.674;
  r.WindingResistance = 0.0117553;
  r.Vpeak = 120.19;
  r.Dmax = 0.683711;
  r.DeltaB = 1410.006;
  r.DeltaBavg = 1019.4354;
  r.Bac = 509.717;
  r.CoreLossDensity = 25.0147;
  return r;
}

TEST(Listing, ShowsTheWorkedExampleLineByLineInScreenOrder) {
  struct Want {
    const char* line;
    const char* caption;
    const char* value;
  };
  const Want want[] = {
      {"A1", "Input power", "1578.95 Watt"},
      {"A2", "Actual Fill Factor", "0.299"},
      {"A3", "Iin RMS", "18.58 Amps"},
      {"A4", "Iripple", "2.63 Amps"},
      {"A5", "Iin Peak", "27.58 Amps"},
      {"A6", "Energy", "0.05706 Watt-sec"},
      {"A7", "OD", "4.67 cm"},
      {"A8", "ID", "2.17 cm"},
      {"A9", "HT", "2.06 cm"},
      {"A10", "Core Area", "1.88 cm²"},
      {"A11", "Window Area", "3.69 cm²"},
      {"A12", "Lm", "10.55 cm"},
      {"A13", "Total Loss", "7.62 Watt"},
      {"B1", "Al", "224 nH/turn²"},
      {"B2", "Mass", "142.3 g"},
      {"B3", "Tstep", "10 µs"},
      {"B4", "70% of Al", "156.8 nH/turn²"},
      {"B5", "Turns", "31 turns"},
      {"B6", "H at Max Current", "101.85 Oe"},
      {"B7", "Zero Bias L", "215.26 µH"},
      {"B8", "Conductor Area", "0.0372 cm²"},
      {"B9", "Wire Size", "12 AWG"},
      {"B10", "Wire Area", "0.04 cm²"},
      {"B11", "Wire Dia", "0.21 cm"},
      {"B12", "Wire Resistance", "0.000052 ohm/cm"},
      {"B13", "Temp Rise", "70 °C"},
      {"C1", "MLT", "6.62"},
      {"C2", "Conductor Length", "205.16 cm"},
      {"C3", "Margin Length", "225.67 cm"},
      {"C4", "Resistance", "0.011755 Ohms"},
      {"C5", "Copper Loss", "4.06 Watt"},
      {"C6", "Vpeak", "120.19 Volts"},
      {"C7", "Dmax", "0.68"},
      {"C8", "Delta B", "1410.01 G"},
      {"C9", "Delta Bavg", "1019.44 G"},
      {"C10", "Bac", "509.72 G"},
      {"C11", "Core Loss", "25.01 W/Kg"},
      {"C12", "Core Loss", "3.56 W"},
  };
  const auto lines = BuildListing(WorkedExample());
  ASSERT_EQ(std::size(want), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(want[i].line);
    EXPECT_EQ(lines[i].line, want[i].line);
    EXPECT_EQ(lines[i].caption, want[i].caption);
    EXPECT_EQ(lines[i].value, want[i].value);
    EXPECT_EQ(lines[i].captionBold, i != 0) << "only the A1 caption is in plain weight";
  }
  EXPECT_EQ(Line(lines, "A2").colour, ListingColour::Black);
}

struct FormatCase {
  const char* name;
  double DesignRecord::*field;
  double value;
  const char* line;
  const char* shown;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
  *out << c.name;
}

class ListingFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ListingFormat, RoundsHalvesToEvenAndAppendsTheUnit) {
  DesignRecord record;
  record.*GetParam().field = GetParam().value;
  EXPECT_EQ(Line(BuildListing(record), GetParam().line).value, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ListingFormat,
    ::testing::Values(
        FormatCase{"TempRiseHalfUp", &DesignRecord::TempRise, 41.5, "B13", "42 °C"},
        FormatCase{"TempRiseHalfDown", &DesignRecord::TempRise, 40.5, "B13", "40 °C"},
        FormatCase{"TempRiseBelowHalf", &DesignRecord::TempRise, 38.49, "B13", "38 °C"},
        FormatCase{"SixPlaces", &DesignRecord::WindingResistance, 0.0123456, "C4", "0.012346 Ohms"},
        FormatCase{"NoTrailingZeroNoUnit", &DesignRecord::ActualFillFactor, 0.35, "A2", "0.35"},
        FormatCase{"AlOnB1", &DesignRecord::AlValue, 123.456, "B1", "123.46 nH/turn²"},
        FormatCase{"SeventyPercentOfUnroundedAl", &DesignRecord::AlValue, 123.456, "B4",
                   "86.42 nH/turn²"},
        FormatCase{"RoundsToZeroWithUnit", &DesignRecord::CoreLoss, 0.004, "C12", "0 W"},
        FormatCase{"RoundsToZeroWithoutUnit", &DesignRecord::MLT, 0.001, "C1", "0"},
        FormatCase{"NegativeKeepsItsSign", &DesignRecord::Dmax, -0.25, "C7", "-0.25"},
        FormatCase{"UntouchedFieldIsZero", &DesignRecord::Vpeak, 0, "C6", "0 Volts"},
        FormatCase{"FiveDecimals", &DesignRecord::Energy, 0.123456, "A6", "0.12346 Watt-sec"},
        FormatCase{"SuperscriptOnArea", &DesignRecord::CoreArea, 1.5, "A10", "1.5 cm²"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Listing, WritesTheGivenDecimalSeparator) {
  DesignRecord record;
  record.IinRms = 18.5759;
  record.AlValue = 123.456;
  const auto lines = BuildListing(record, ',');
  EXPECT_EQ(Line(lines, "A3").value, "18,58 Amps");
  EXPECT_EQ(Line(lines, "B4").value, "86,42 nH/turn²");
}

TEST(Listing, ColoursTheFillFactorRedOnlyAboveItsLimit) {
  DesignRecord record;
  record.FillFactorLimit = 0.4;
  struct Case {
    double fill;
    ListingColour colour;
  };
  for (const Case c : {Case{0.4, ListingColour::Black}, Case{0.4000001, ListingColour::Red},
                       Case{0.39, ListingColour::Black}, Case{0.9, ListingColour::Red},
                       Case{0.3, ListingColour::Black}}) {
    record.ActualFillFactor = c.fill;
    const auto lines = BuildListing(record);
    EXPECT_EQ(Line(lines, "A2").colour, c.colour) << "fill " << c.fill;
    for (const ListingLine& line : lines) {
      if (line.line != "A2") {
        EXPECT_EQ(line.colour, ListingColour::Black) << line.line;
      }
    }
  }
}

TEST(Listing, FillsA1ThenEachColumnAndTheLastRowsOfAAndBAtTheEnd) {
  const auto lines = BuildListing(DesignRecord{});
  std::vector<std::string> filled;
  for (const std::size_t index : ListingFillOrder())
    filled.push_back(lines.at(index).line);
  std::vector<std::string> want;
  for (int row = 1; row <= 12; ++row)
    want.push_back("A" + std::to_string(row));
  for (int row = 1; row <= 12; ++row)
    want.push_back("B" + std::to_string(row));
  for (int row = 1; row <= 12; ++row)
    want.push_back("C" + std::to_string(row));
  want.push_back("A13");
  want.push_back("B13");
  EXPECT_EQ(filled, want);
}

}  // namespace
}  // namespace pfc
