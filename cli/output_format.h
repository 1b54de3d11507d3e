#pragma once

#include <CLI/CLI.hpp>

namespace pfc {

// What a command prints: text for people, or one of the forms for programs.
enum class OutputFormat { Text, Json, Csv };

// The help of the flags that choose a form; a command without one leaves its help empty.
struct OutputFlagHelp {
  const char* json = nullptr;
  const char* csv = nullptr;
};

// Adds --json and --csv (those with help), each excluding the other, as the one choice of
// `format`. `format` stays Text unless one is given.
void AddOutputFormatFlags(CLI::App& command, OutputFormat& format, const OutputFlagHelp& help);

}  // namespace pfc
