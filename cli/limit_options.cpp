#include "cli/limit_options.h"

#include <string>

namespace pfc {
namespace {

// The range of each limit is the engine's; CLI11's validators have read the number.
CLI::Validator InRange(const char* name) {
  return CLI::Validator(
      [name](std::string& text) -> std::string {
        double value = 0;
        if (!CLI::detail::lexical_cast(text, value))
          return text + " is not a number";
        const std::string problem = LimitRangeProblem(name, value);
        return problem.empty() ? std::string() : text + " " + problem;
      },
      "");
}

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
      command
          .add_option(OptionOf(kMinInductanceName), limits.inductancePercent,
                      "The least inductance at the peak current, % of the target")
          ->type_name("PERCENT")
          ->check(InRange(kMinInductanceName))
          ->capture_default_str();
  CLI::Option* ripple =
      command
          .add_option(OptionOf(kRippleLimitName), limits.ripplePercent,
                      "The largest ripple at the low-line crest, % of the line-peak current "
                      "(default: not judged)")
          ->type_name("PERCENT")
          ->check(InRange(kRippleLimitName));
  CLI::Option* temperature = command
                                 .add_option(OptionOf(kMaxTemperatureName), limits.temperatureC,
                                             "The highest checked winding temperature, °C")
                                 ->type_name("CELSIUS")
                                 ->check(InRange(kMaxTemperatureName))
                                 ->capture_default_str();
  CLI::Option* tolerance =
      command
          .add_option(OptionOf(kAlToleranceName), limits.alTolerancePercent,
                      "The core's AL tolerance, %: the inductance and ripple are also judged with "
                      "AL·(1 − tolerance)")
          ->type_name("PERCENT")
          ->check(InRange(kAlToleranceName))
          ->capture_default_str();
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
