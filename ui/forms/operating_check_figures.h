#pragma once

#include <array>
#include <string>

#include "engine/design_record.h"
#include "engine/operating_check.h"

// What the "Operating Check" window writes: the checked figures of both line voltages beside
// the method's own, and the verdicts. Numbers are rounded for reading (four significant
// digits, halves to even) with their unit; a number the check does not have reads "—".
namespace pfc::ui {

// Four significant digits, trailing zeros kept ("0.3840"), whole numbers of more digits
// written out; "—" for none.
std::string CheckedText(const CheckedNumber& number, const char* unit, char decimalSeparator);

struct FigureRow {
  std::string caption;
  std::string method;  // the method's figure at Vin Min; empty where it has none
  std::string low;     // checked at the low line
  std::string high;    // checked at the high line
};

inline constexpr int kFigureRows = 20;
std::array<FigureRow, kFigureRows> CheckFigures(const DesignRecord& record,
                                                const OperatingCheck& check, char decimalSeparator);

struct Verdict {
  std::string text;
  bool missed = false;  // the design misses this point: shown in red
};

// Inductance at the peak current, worst ripple, winding temperature, a steady temperature,
// saturation, and the high-line crest against Vout.
inline constexpr int kVerdicts = 6;
std::array<Verdict, kVerdicts> CheckVerdicts(const DesignRecord& record,
                                             const OperatingCheck& check, char decimalSeparator);

// "TD-26 * 2, 31 turns, AWG 12: 1500 W, 85 to 264 V in, 380 V out, 100 kHz, 150 µH".
std::string CheckedDesignName(const DesignRecord& record, char decimalSeparator);

}  // namespace pfc::ui
