#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// The one reader of every number typed as a command-line option. It reads a number as the
// input form reads an entry (an optional sign, digits with at most one full stop, blanks at
// the ends ignored) and refuses in the entries' words, so an option gets the same answer on
// every command that has it.
namespace pfc {

// What an option admits. The unit is written after the bounds in the refusal ("from 1 to 9
// cores", "above 0 up to 200 %"); none for a bare count.
struct NumberBounds {
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  bool lowIncluded = true;  // false: strictly above low ("above 0")
  bool whole = false;       // only whole numbers ("22", "22.0")
  std::string_view unit{};
};

// The value of an option's text, or why it is refused (without the option's name): "abc is
// not a number; enter digits with at most one decimal point", "0 is too small; enter a whole
// number from 1 to 1000000", "2.5 is not a whole number; ...".
struct NumberReading {
  std::optional<double> value;
  std::string refusal;  // empty when read
};
NumberReading ReadNumber(std::string_view text, const NumberBounds& bounds);

// What the bounds admit, as the refusals say it: "a whole number from 1 to 9 cores".
std::string AdmittedText(const NumberBounds& bounds);

// Adds an option whose text ReadNumber reads; `take` gets each accepted value. A refused text
// ends the parse with a CLI::ValidationError naming the option (status 2). `shownDefault`, if
// not empty, is the default --help shows.
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, const NumberBounds& bounds,
                             std::function<void(double)> take, const std::string& help,
                             const std::string& shownDefault = {});

// The same, into a variable (an int takes whole bounds within its range).
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, double& value,
                             const NumberBounds& bounds, const std::string& help);
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, int& value,
                             const NumberBounds& bounds, const std::string& help);
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name,
                             std::optional<double>& value, const NumberBounds& bounds,
                             const std::string& help);

}  // namespace pfc
