#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "cli/check/check_command.h"
#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"

namespace pfc {

struct ModelOptions {
  CheckOptions check;  // what is checked, as "check" takes it
  std::string format = "ngspice";
  std::string name;    // empty: the default name
  std::string output;  // -o FILE; empty: standard output
  bool outputGiven = false;
};

// Adds "model" to pfc-core: every option of "check" that says what is checked, plus
// --format, --name and -o.
CLI::App* AddModelCommand(CLI::App& app, ModelOptions& options, const CoreCatalogue& catalogue,
                          std::istream& in);

// Designs and checks as "check" does, then writes the checked winding's model. Exit status 0
// written, 1 not published (the run's messages on standard error) or no model written.
int RunModelCommand(const ModelOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err);

}  // namespace pfc
