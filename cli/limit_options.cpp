#include "cli/limit_options.h"

#include <string>

#include "cli/check/grade_option.h"
#include "cli/number_option.h"

namespace pfc {
namespace {

std::string OptionOf(const char* name) {
  return std::string("--") + name;
}

bool Given(const CLI::App& command, const char* name) {
  const CLI::Option* option = command.get_option_no_throw(OptionOf(name));
  return option != nullptr && option->count() > 0;
}

}  // namespace

std::array<CLI::Option*, 4> AddLimitOptions(CLI::App& command, DesignLimits& limits) {
  CLI::Option* inductance =
      AddNumberOption(command, OptionOf(kMinInductanceName), limits.inductancePercent,
                      kMinInductanceBounds,
                      "The least inductance at the peak current, % of the target")
          ->type_name("PERCENT");
  CLI::Option* ripple =
      AddNumberOption(command, OptionOf(kRippleLimitName), limits.ripplePercent, kRippleLimitBounds,
                      "The largest ripple at the low-line crest, % of the line-peak current "
                      "(default: not judged)")
          ->type_name("PERCENT");
  CLI::Option* temperature =
      AddNumberOption(command, OptionOf(kMaxTemperatureName), limits.temperatureC,
                      kMaxTemperatureBounds, "The highest checked winding temperature, °C")
          ->type_name("CELSIUS");
  CLI::Option* tolerance =
      AddNumberOption(command, OptionOf(kAlToleranceName), limits.alTolerancePercent,
                      kAlToleranceBounds,
                      "The core's AL tolerance, %: the inductance and ripple are also judged with "
                      "AL·(1 − tolerance)")
          ->type_name("PERCENT");
  return {inductance, ripple, temperature, tolerance};
}

void TakeUngivenLimits(const CLI::App& command, const DesignLimits& file, DesignLimits& limits) {
  if (!Given(command, kMinInductanceName))
    limits.inductancePercent = file.inductancePercent;
  if (!Given(command, kRippleLimitName))
    limits.ripplePercent = file.ripplePercent;
  if (!Given(command, kMaxTemperatureName))
    limits.temperatureC = file.temperatureC;
  if (!Given(command, kAlToleranceName))
    limits.alTolerancePercent = file.alTolerancePercent;
}

}  // namespace pfc
