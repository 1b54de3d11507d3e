#pragma once

#include <cstdint>
#include <string_view>

#include "engine/method/design_run.h"

// How a fuzz input becomes one press of "&Show Results". The bytes are lines split on '\n'
// (a byte no entry box can hold):
//   line 1: the mode letters, in any order and any number:
//           'S' calculator selects, 'P' designer picks, 'N' no calculator-type box ticked,
//           'X' a calculator type no box sets; 'k' "Pick From List" ticked; 'r' a run with the
//           form's defaults first, so the record carries an earlier design; ',' the comma as
//           the screen's decimal separator. Without a type letter the calculator selects.
//   lines 2 to 15: txtFrequency, cmbfrequency, txtInductance, cmbinductance, txtOutputPower,
//           cmboutputpower, txtEfficiency, txtVinMin, txtVinMax, txtVout, txtAmbientTemp,
//           txtStack, txtFill_Factor, txtCoreSize. A line that is missing keeps the form's
//           default; bytes after the fifteenth line are ignored.
namespace pfc {

struct FuzzRun {
  EntryTexts entries;
  std::int16_t calcType = CalcSelects;
  bool earlierDesign = false;
  char decimalSeparator = '.';
};

FuzzRun DecodeFuzzRun(std::string_view bytes);

}  // namespace pfc
