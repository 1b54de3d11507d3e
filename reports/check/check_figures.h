#pragma once

#include <string>
#include <vector>

#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

// The operating check's figures as people read them, as data: each row a caption, a unit and
// the method's figure beside the checked ones of both line voltages. The command line's table
// and the Operating Check window both write these rows, each in its own layout; a figure is
// added to both here.
namespace pfc {

// How a number of a cell is written.
enum class FigureFormat {
  Significant,  // four significant digits, halves to even, trailing zeros kept ("0.3840")
  Degrees,      // whole degrees
  Entered,      // as the user entered it or as the method rounds it ("150", "0.7")
};

// One cell: a number, or a word where the figure is a state ("steady", "none").
struct FigureCell {
  CheckedNumber number;
  FigureFormat format = FigureFormat::Significant;
  const char* word = nullptr;  // written instead of the number when set
};

struct CheckFigureRow {
  const char* caption;  // led by two spaces: a detail of the row above
  const char* unit;     // "" for none
  FigureCell method;    // the method's own figure, at Vin Min; empty where it has none
  FigureCell low;       // checked at Vin Min
  FigureCell high;      // checked at Vin Max
};

// What a cell without a number or word reads.
inline constexpr const char* kNoFigure = "—";

// The cell's text without its unit; kNoFigure for an empty cell. Beyond a plain decimal's
// reach (from 1e15 up, below 1e-6) the four digits are written in exponent form ("1.235E+20").
std::string FigureText(const FigureCell& cell, char decimalSeparator);

// The cell's text and, for a number, its unit: "93.65 µH", "steady", "—".
std::string FigureTextWithUnit(const FigureCell& cell, const char* unit, char decimalSeparator);

// The rows of a check of this record, in the order they are shown.
std::vector<CheckFigureRow> CheckFigureRows(const DesignRecord& record,
                                            const OperatingCheck& check);

// With a worst-case core (an AL tolerance above 0), its rows below the others: the tolerance,
// the inductance at the line-peak and peak currents, the peak current and the crest ripple,
// of both line voltages. None without one.
std::vector<CheckFigureRow> WorstCaseFigureRows(const DesignRecord& record,
                                                const OperatingCheck& check);

// What the check takes the core to be: "the catalogue's AL implies µ = 100.0, so in grade 90
// the core's AL is 201.5 nH/turn²".
std::string CheckedMaterialText(const OperatingCheck& check, char decimalSeparator);

// A material as the check's texts name it: "grade 90" for a built-in grade, a material file's
// own name ("Supplier 60 µ") for any other.
std::string MaterialName(const Material& material);

// A checked core as every face of the check names it: "TD-31" alone, "TD-31 × 3" stacked.
std::string CheckedCoreName(const std::string& coreSize, int coresToStack);

// A given winding as people name it: "22 turns of AWG 8", "22 turns", "AWG 8", "22 turns of
// 2 strands of AWG 11", "2 strands"; empty for none.
std::string WindingRequestText(const WindingRequest& winding, char decimalSeparator = '.');

// Which winding a check shows, for its header: `origin` ("the published design") when the
// checked record has the published record's winding, else the given winding with the
// published one beside it ("22 turns of AWG 8 as given; the published design has 31 turns
// of AWG 13").
std::string CheckedWindingOrigin(const DesignRecord& published, const DesignRecord& checked,
                                 const std::string& origin, char decimalSeparator);

// How many rows CheckFigureRows gives, for a layout made before any check.
int CheckFigureRowCount();

}  // namespace pfc
