#include "engine/method/calculator_run.h"

#include "engine/inputs/inputs.h"
#include "engine/method/core_selection.h"

namespace pfc {

EntryTexts CalculatorEntries(const EntryTexts& entries) {
  EntryTexts selecting = entries;
  selecting.pickCore = false;
  selecting[Entry::CoreSize].clear();
  return selecting;
}

CalculatorRun RunCalculator(const EntryTexts& entries, const DesignRecord& record,
                            const CoreCatalogue& catalogue, const WireTable& wires,
                            char decimalSeparator) {
  CalculatorRun run;
  run.record = record;
  run.record.CalcType = CalcSelects;
  run.outcome =
      RunDesign(CalculatorEntries(entries), run.record, catalogue, wires, decimalSeparator);
  return run;
}

DesignRecord CalculatorOperatingPoint(const EntryTexts& entries, const DesignRecord& record,
                                      const CoreCatalogue& catalogue) {
  DesignRecord point = record;
  point.CalcType = CalcSelects;
  const EntryReadings readings = ReadEntries(CalculatorEntries(entries));
  initValues(readings, point);
  ValidateInputs(readings, point, catalogue);  // passed in the run; sets an empty stack to 1
  ComputeOperatingPoint(point);
  return point;
}

}  // namespace pfc
