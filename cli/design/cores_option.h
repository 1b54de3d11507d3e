#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <string>

#include "cli/output_format.h"
#include "engine/catalogue/catalogue_file.h"

#include "engine/method/design_session.h"

namespace pfc {

// --cores FILE: the command runs on the cores of that catalogue file instead of the built-in
// ones. The file is read as soon as the option is met on the command line, so that whatever
// is checked against the catalogue afterwards (--pick, a design file's catalogue) sees its
// cores. A refused file ends the parse with a CLI::ValidationError that names the file, line
// and column; the built-in catalogue stays. "-" reads the catalogue from `in`.
void AddCoresOption(CLI::App& command, DesignSession& session, std::istream& in);

// The catalogue --cores names: the file's, or for "-" the one `in` holds.
CatalogueRead ReadCoresOption(const std::string& path, std::istream& in);

// "pfc-core cores": the catalogue the commands run on, as a table or, with --csv, in the file
// form --cores reads. Returns the command, to learn whether it was chosen. Added after the
// commands that take --cores, which its help names.
struct CoresCommand {
  CLI::App* command = nullptr;
  OutputFormat format = OutputFormat::Text;  // --csv
};
void AddCoresCommand(CLI::App& app, CoresCommand& cores);
int RunCoresCommand(const CoresCommand& cores, const CoreCatalogue& catalogue, std::ostream& out);

}  // namespace pfc
