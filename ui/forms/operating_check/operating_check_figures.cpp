#include "ui/forms/operating_check/operating_check_figures.h"

#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"

namespace pfc::ui {

std::string CheckedDesignName(const DesignRecord& r, char separator) {
  const auto general = [separator](double value) { return FormatGeneral(value, separator); };
  std::string name = CheckedCoreName(r.SelectedCoreSize, r.CoresToStack);
  const std::string frequency =
      r.Frequency >= 1000 ? general(r.Frequency / 1000) + " kHz" : general(r.Frequency) + " Hz";
  name += ", " + general(r.Turns) + " turns, AWG " + general(r.WireGauge) + ": " +
          general(r.OutputPower) + " W, " + general(r.VinMin) + " to " + general(r.VinMax) +
          " V in, " + general(r.Vout) + " V out, " + frequency + ", " +
          general(r.Inductance * 1e6) + " µH";
  return name;
}

}  // namespace pfc::ui
