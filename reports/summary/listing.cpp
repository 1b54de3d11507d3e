#include "reports/summary/listing.h"

#include <string_view>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

using ValueOf = double (*)(const DesignRecord&);

struct LineLayout {
  std::string_view line;
  std::string_view caption;
  ValueOf value;
  int places;
  std::string_view unit;  // empty when the line has none
};

// Units as the window prints them; "Watt" and "W", "Ohms" and "ohm/cm" differ on purpose.
constexpr std::array<LineLayout, kListingLineCount> kLayout = {{
    {"A1", "Input power", [](const DesignRecord& r) { return r.InputPower; }, 2, "Watt"},
    {"A2", "Actual Fill Factor", [](const DesignRecord& r) { return r.ActualFillFactor; }, 3, ""},
    {"A3", "Iin RMS", [](const DesignRecord& r) { return r.IinRms; }, 2, "Amps"},
    {"A4", "Iripple", [](const DesignRecord& r) { return r.Iripple; }, 2, "Amps"},
    {"A5", "Iin Peak", [](const DesignRecord& r) { return r.IinPeak; }, 2, "Amps"},
    {"A6", "Energy", [](const DesignRecord& r) { return r.Energy; }, 5, "Watt-sec"},
    {"A7", "OD", [](const DesignRecord& r) { return r.CoreOD; }, 2, "cm"},
    {"A8", "ID", [](const DesignRecord& r) { return r.CoreID; }, 2, "cm"},
    {"A9", "HT", [](const DesignRecord& r) { return r.CoreHT; }, 2, "cm"},
    {"A10", "Core Area", [](const DesignRecord& r) { return r.CoreArea; }, 2, "cm²"},
    {"A11", "Window Area", [](const DesignRecord& r) { return r.WindowArea; }, 2, "cm²"},
    {"A12", "Lm", [](const DesignRecord& r) { return r.PathLength; }, 2, "cm"},
    {"A13", "Total Loss", [](const DesignRecord& r) { return r.TotalLoss; }, 2, "Watt"},
    {"B1", "Al", [](const DesignRecord& r) { return r.AlValue; }, 2, "nH/turn²"},
    {"B2", "Mass", [](const DesignRecord& r) { return r.CoreMass; }, 2, "g"},
    {"B3", "Tstep", [](const DesignRecord& r) { return r.Tstep; }, 2, "µs"},
    // The turns are sized on 70 % of the inductance factor; the product is rounded only for
    // display, like every other value.
    {"B4", "70% of Al", [](const DesignRecord& r) { return 0.7 * r.AlValue; }, 2, "nH/turn²"},
    {"B5", "Turns", [](const DesignRecord& r) { return r.Turns; }, 2, "turns"},
    {"B6", "H at Max Current", [](const DesignRecord& r) { return r.HMax; }, 2, "Oe"},
    {"B7", "Zero Bias L", [](const DesignRecord& r) { return r.ZeroBiasL; }, 2, "µH"},
    {"B8", "Conductor Area", [](const DesignRecord& r) { return r.ConductorArea; }, 4, "cm²"},
    {"B9", "Wire Size", [](const DesignRecord& r) { return r.WireGauge; }, 2, "AWG"},
    {"B10", "Wire Area", [](const DesignRecord& r) { return r.WireArea; }, 2, "cm²"},
    {"B11", "Wire Dia", [](const DesignRecord& r) { return r.WireDia; }, 2, "cm"},
    {"B12", "Wire Resistance", [](const DesignRecord& r) { return r.WireResistance; }, 6, "ohm/cm"},
    {"B13", "Temp Rise", [](const DesignRecord& r) { return r.TempRise; }, 0, "°C"},
    {"C1", "MLT", [](const DesignRecord& r) { return r.MLT; }, 2, ""},
    {"C2", "Conductor Length", [](const DesignRecord& r) { return r.ConductorLength; }, 2, "cm"},
    {"C3", "Margin Length", [](const DesignRecord& r) { return r.MarginLength; }, 2, "cm"},
    {"C4", "Resistance", [](const DesignRecord& r) { return r.WindingResistance; }, 6, "Ohms"},
    {"C5", "Copper Loss", [](const DesignRecord& r) { return r.CopperLoss; }, 2, "Watt"},
    {"C6", "Vpeak", [](const DesignRecord& r) { return r.Vpeak; }, 2, "Volts"},
    {"C7", "Dmax", [](const DesignRecord& r) { return r.Dmax; }, 2, ""},
    {"C8", "Delta B", [](const DesignRecord& r) { return r.DeltaB; }, 2, "G"},
    {"C9", "Delta Bavg", [](const DesignRecord& r) { return r.DeltaBavg; }, 2, "G"},
    {"C10", "Bac", [](const DesignRecord& r) { return r.Bac; }, 2, "G"},
    {"C11", "Core Loss", [](const DesignRecord& r) { return r.CoreLossDensity; }, 2, "W/Kg"},
    {"C12", "Core Loss", [](const DesignRecord& r) { return r.CoreLoss; }, 2, "W"},
}};

constexpr std::size_t kFillFactorLine = 1;  // A2

std::string ValueText(const LineLayout& layout, const DesignRecord& record, char separator) {
  std::string text = FormatPlaces(layout.value(record), layout.places, separator);
  if (!layout.unit.empty()) {
    text += ' ';
    text += layout.unit;
  }
  return text;
}

}  // namespace

std::array<ListingLine, kListingLineCount> BuildListing(const DesignRecord& record,
                                                        char decimalSeparator) {
  std::array<ListingLine, kListingLineCount> lines;
  for (std::size_t i = 0; i < kListingLineCount; ++i) {
    const LineLayout& layout = kLayout[i];
    lines[i].line = layout.line;
    lines[i].caption = layout.caption;
    lines[i].value = ValueText(layout, record, decimalSeparator);
    lines[i].number = layout.value(record);
    lines[i].unit = layout.unit;
    lines[i].captionBold = i != 0;  // the first caption belongs to the layout, in plain weight
  }
  // A fill exactly at the limit is within it.
  if (record.ActualFillFactor > record.FillFactorLimit) {
    lines[kFillFactorLine].colour = ListingColour::Red;
  }
  return lines;
}

const std::array<std::size_t, kListingLineCount>& ListingFillOrder() {
  static constexpr std::array<std::size_t, kListingLineCount> kOrder = {
      0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  // A1 .. A12
      13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,  // B1 .. B12
      26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37,  // C1 .. C12
      12, 25};                                         // A13, B13
  return kOrder;
}

}  // namespace pfc
