#include "fuzz/run_input.h"

#include <array>
#include <string>

namespace pfc {

FuzzRun DecodeFuzzRun(std::string_view bytes) {
  FuzzRun run;
  const std::array<std::string*, 14> texts = {
      &run.entries[Entry::Frequency],   &run.entries.Unit(Entry::Frequency),
      &run.entries[Entry::Inductance],  &run.entries.Unit(Entry::Inductance),
      &run.entries[Entry::OutputPower], &run.entries.Unit(Entry::OutputPower),
      &run.entries[Entry::Efficiency],  &run.entries[Entry::VinMin],
      &run.entries[Entry::VinMax],      &run.entries[Entry::Vout],
      &run.entries[Entry::AmbientTemp], &run.entries[Entry::Stack],
      &run.entries[Entry::FillFactor],  &run.entries[Entry::CoreSize]};

  const std::size_t modeEnd = bytes.find('\n');
  for (const char letter : bytes.substr(0, modeEnd)) {
    switch (letter) {
      case 'S':
        run.calcType = CalcSelects;
        break;
      case 'P':
        run.calcType = DesignerPicks;
        break;
      case 'N':
        run.calcType = 0;
        break;
      case 'X':
        run.calcType = 7;
        break;
      case 'k':
        run.entries.pickCore = true;
        break;
      case 'r':
        run.earlierDesign = true;
        break;
      case ',':
        run.decimalSeparator = ',';
        break;
      default:
        break;
    }
  }
  if (modeEnd == std::string_view::npos)
    return run;
  bytes.remove_prefix(modeEnd + 1);

  for (std::string* text : texts) {
    const std::size_t end = bytes.find('\n');
    text->assign(bytes.substr(0, end));
    if (end == std::string_view::npos)
      break;
    bytes.remove_prefix(end + 1);
  }
  return run;
}

}  // namespace pfc
