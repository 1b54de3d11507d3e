#include "cli/number_option.h"

#include <cmath>
#include <utility>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

// An entry's own advice when its text is no number at all, or a numeral beyond the doubles.
constexpr std::string_view kNotANumber =
    "is not a number; enter digits with at most one decimal "
    "point";
constexpr std::string_view kTooLongNumeral =
    "is too large; enter a number of at most 308 digits before the decimal point";

// A pasted page in place of a number is not echoed whole.
constexpr std::size_t kLongestEcho = 40;

std::string Echo(std::string_view text) {
  if (text.size() <= kLongestEcho)
    return std::string(text);
  return std::string(text.substr(0, kLongestEcho)) + "...";
}

std::string WithUnit(double value, std::string_view unit) {
  std::string text = FormatGeneral(value);
  if (!unit.empty())
    text.append(" ").append(unit);
  return text;
}

bool Bounded(const NumberBounds& bounds) {
  return std::isfinite(bounds.low) || std::isfinite(bounds.high);
}

std::string Refusal(std::string_view text, std::string_view problem, const NumberBounds& bounds) {
  return std::string(text)
      .append(" ")
      .append(problem)
      .append("; enter ")
      .append(AdmittedText(bounds));
}

}  // namespace

std::string AdmittedText(const NumberBounds& bounds) {
  std::string text = bounds.whole ? "a whole number" : "a number";
  const bool low = std::isfinite(bounds.low);
  const bool high = std::isfinite(bounds.high);
  if (low && high) {
    text.append(bounds.lowIncluded ? " from " : " above ")
        .append(FormatGeneral(bounds.low))
        .append(bounds.lowIncluded ? " to " : " up to ")
        .append(WithUnit(bounds.high, bounds.unit));
  } else if (low) {
    text.append(bounds.lowIncluded ? " of at least " : " above ")
        .append(WithUnit(bounds.low, bounds.unit));
  } else if (high) {
    text.append(" of at most ").append(WithUnit(bounds.high, bounds.unit));
  }
  return text;
}

NumberReading ReadNumber(std::string_view text, const NumberBounds& bounds) {
  const std::string_view trimmed = TrimBlanks(text);
  NumberReading reading;
  if (!IsWellFormedNumber(trimmed)) {
    if (!IsDecimalNumeral(trimmed)) {
      reading.refusal = "\"" + Echo(text) + "\" " + std::string(kNotANumber);
    } else {
      reading.refusal = Bounded(bounds) ? Refusal(Echo(trimmed), "is too large", bounds)
                                        : Echo(trimmed) + " " + std::string(kTooLongNumeral);
    }
    return reading;
  }
  const double value = ValueOfText(trimmed);
  const bool below = bounds.lowIncluded ? value < bounds.low : value <= bounds.low;
  if (below)
    reading.refusal = Refusal(Echo(trimmed), "is too small", bounds);
  else if (value > bounds.high)
    reading.refusal = Refusal(Echo(trimmed), "is too large", bounds);
  else if (bounds.whole && value != std::floor(value))
    reading.refusal = Refusal(Echo(trimmed), "is not a whole number", bounds);
  else
    reading.value = value;
  return reading;
}

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, const NumberBounds& bounds,
                             std::function<void(double)> take, const std::string& help,
                             const std::string& shownDefault) {
  CLI::Option* option = command.add_option_function<std::string>(
      name,
      [name, bounds, take = std::move(take)](const std::string& text) {
        const NumberReading reading = ReadNumber(text, bounds);
        if (!reading.value)
          throw CLI::ValidationError(name, reading.refusal);
        take(*reading.value);
      },
      help);
  option->type_name(bounds.whole ? "N" : "NUMBER");
  if (!shownDefault.empty())
    option->default_str(shownDefault);
  return option;
}

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, double& value,
                             const NumberBounds& bounds, const std::string& help) {
  return AddNumberOption(
      command, name, bounds, [&value](double read) { value = read; }, help, FormatGeneral(value));
}

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, int& value,
                             const NumberBounds& bounds, const std::string& help) {
  return AddNumberOption(
      command, name, bounds, [&value](double read) { value = static_cast<int>(read); }, help,
      std::to_string(value));
}

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name,
                             std::optional<double>& value, const NumberBounds& bounds,
                             const std::string& help) {
  return AddNumberOption(
      command, name, bounds, [&value](double read) { value = read; }, help,
      value ? FormatGeneral(*value) : std::string());
}

}  // namespace pfc
