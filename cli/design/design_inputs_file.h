#pragma once

#include <CLI/CLI.hpp>
#include <stdexcept>

#include "cli/design/design_options.h"
#include "cli/standard_streams.h"
#include "engine/check/built_part.h"
#include "engine/check/design_limits.h"
#include "engine/method/design_session.h"

namespace pfc {

// Adds --inputs FILE and --save-inputs FILE to a command made with AddDesignOptions, and
// their paragraph to its footer (so call it after the footer is set). Once the command line
// is parsed, the command starts from the entries of the design file, each option given on
// the command line overriding its entry, and --save-inputs writes the entries the command
// then runs with. With a grade, a command that has --grade takes the file's roll-off grade
// unless --grade is given, and saves the grade it runs with; the limits likewise, each unless
// its option (AddLimitOptions) is given, and the built part: its material (the file's grade or
// material of one's own unless --grade or --material is given) and its winding (the file's turns
// and wire unless --turns or --wire is given; `windingStored` then tells that it is the file's).
// "-" reads the design file from standard input and writes it to standard output. Unless --cores
// is given, the command runs on the catalogue the design file was made on
// (reports/files/design_catalogue.h), and --save-inputs records the catalogue the command runs
// with.
//
// A file that cannot be read, or holds an entry the option would refuse, ends the parse
// with a CLI::ValidationError naming the file; a file that cannot be saved, with
// InputsFileNotSaved. Either way the command does not run.
void AddInputsFileOptions(CLI::App& command, DesignOptions& options, DesignSession& session,
                          StandardStreams streams, BuiltPart* part = nullptr,
                          DesignLimits* limits = nullptr, bool* windingStored = nullptr);

// The name, without its folder, of the design file the command's --inputs gave; empty for
// none or standard input.
std::string InputsFileName(const CLI::App& command);

struct InputsFileNotSaved : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace pfc
