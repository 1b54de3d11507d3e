#include "cli/limit_options.h"

#include <string>

#include "cli/number_option.h"

namespace pfc {
namespace {

std::string OptionOf(const char* name) {
  return std::string("--") + name;
}

// The limit's range, which a design file and the windows admit as well.
constexpr NumberBounds BoundsOf(const LimitRange& range) {
  return {range.low, range.high, range.lowIncluded, false, range.unit};
}

bool Given(const CLI::App& command, const char* name) {
  const CLI::Option* option = command.get_option_no_throw(OptionOf(name));
  return option != nullptr && option->count() > 0;
}

}  // namespace

std::array<CLI::Option*, 4> AddLimitOptions(CLI::App& command, DesignLimits& limits) {
  CLI::Option* inductance =
      AddNumberOption(command, OptionOf(kMinInductanceName), limits.inductancePercent,
                      BoundsOf(kMinInductanceRange),
                      "The least inductance at the peak current, % of the target")
          ->type_name("PERCENT");
  CLI::Option* ripple =
      AddNumberOption(command, OptionOf(kRippleLimitName), limits.ripplePercent,
                      BoundsOf(kRippleLimitRange),
                      "The largest ripple at the low-line crest, % of the line-peak current "
                      "(default: not judged)")
          ->type_name("PERCENT");
  CLI::Option* temperature =
      AddNumberOption(command, OptionOf(kMaxTemperatureName), limits.temperatureC,
                      BoundsOf(kMaxTemperatureRange), "The highest checked winding temperature, °C")
          ->type_name("CELSIUS");
  CLI::Option* tolerance =
      AddNumberOption(command, OptionOf(kAlToleranceName), limits.alTolerancePercent,
                      BoundsOf(kAlToleranceRange),
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
