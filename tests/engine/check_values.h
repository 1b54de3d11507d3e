#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/record/number_text.h"

namespace pfc {

// Every number of a check as (name, exact text), so that two checks compare figure by figure
// with readable failures.
inline std::vector<std::pair<std::string, std::string>> CheckValues(const OperatingCheck& check) {
  const auto exact = [](const CheckedNumber& number) {
    return number ? FormatShortest(*number) : std::string("none");
  };
  std::vector<std::pair<std::string, std::string>> values{{"al", exact(check.alNh)},
                                                          {"zero_bias", exact(check.zeroBiasUh)}};
  for (const LineCheck* line : {&check.lowLine, &check.highLine}) {
    const std::string prefix = line == &check.lowLine ? "low." : "high.";
    VisitLineFigures(*line, [&](const char* name, const auto& figure) {
      if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
        VisitInductanceFigures(figure, [&](const char* inner, const CheckedNumber& number) {
          values.emplace_back(prefix + name + "." + inner, exact(number));
        });
      } else {
        values.emplace_back(prefix + name, exact(figure));
      }
    });
    for (const CheckedAngle& angle : line->angles) {
      VisitAngleFigures(angle, [&](const char* name, const CheckedNumber& number) {
        values.emplace_back(prefix + std::to_string(angle.deg) + "." + name, exact(number));
      });
    }
  }
  return values;
}

}  // namespace pfc
