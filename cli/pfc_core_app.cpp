#include "cli/pfc_core_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/design/design_inputs_file.h"
#include "cli/pfc_core_commands.h"
#include "cli/standard_streams.h"
#include "engine/method/design_session.h"
#include "engine/method/version.h"

namespace pfc {
namespace {

bool IsCommand(CLI::App& app, const std::string& name) {
  return std::ranges::any_of(
      app.get_subcommands([](CLI::App*) { return true; }),
      [&name](const CLI::App* command) { return command->get_name() == name; });
}

// CLI11's explanation on one line; a CR the user typed shows as \r.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) {
    if (c == '\r')
      line += "\\r";
    else
      line += c == '\n' ? ' ' : c;
  }
  return line;
}

// A design file or a report written to "-" takes the place of the command's own output.
bool StandardOutputTaken(CLI::App& command) {
  for (const char* name : {"--save-inputs", "--report"}) {
    const CLI::Option* option = command.get_option_no_throw(name);
    if (option != nullptr && option->count() > 0 && NamesStandardStream(option->as<std::string>()))
      return true;
  }
  return false;
}

// How many of the command's files are named "-" where a file is read: batch's rows, --inputs,
// --cores and --material. "-" after an option that writes names standard output instead.
int StandardInputReaders(int argc, const char* const* argv) {
  int readers = 0;
  for (int arg = 2; arg < argc; ++arg) {
    if (!NamesStandardStream(argv[arg]))
      continue;
    const std::string_view before = argv[arg - 1];
    const bool writes =
        before == "-o" || before == "--output" || before == "--save-inputs" || before == "--report";
    readers += writes ? 0 : 1;
  }
  return readers;
}

// Parses the command line; the exit status when the command ends there (help, the version, an
// unknown command, a refused option or a design file that could not be saved), else nothing.
std::optional<int> ParseCommandLine(CLI::App& app, int argc, const char* const* argv,
                                    std::ostream& out, std::ostream& err) {
  if (argc > 1 && argv[1][0] != '-' && !IsCommand(app, argv[1])) {
    err << "pfc-core: unknown command \"" << argv[1] << "\"; run pfc-core --help\n";
    return 2;
  }
  if (StandardInputReaders(argc, argv) > 1) {
    err << "pfc-core: only one file can be read from standard input (\"-\")\n";
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << "\n";
    return 0;
  } catch (const InputsFileNotSaved& error) {
    err << "pfc-core: " << error.what() << "\n";
    return 1;
  } catch (const CLI::ParseError& error) {
    err << "pfc-core: " << OneLine(error.what()) << "\n";
    return 2;
  }
  return std::nullopt;
}

}  // namespace

int RunPfcCore(int argc, const char* const* argv, std::istream& in, std::ostream& out,
               std::ostream& err) {
  DesignSession session;
  LoadDesignTables(session);
  CLI::App app{"Designs the boost inductor of a PFC stage on Toridyne toroidal cores.", "pfc-core"};
  app.require_subcommand(1);
  app.set_version_flag("-V,--version", VersionLine("pfc-core"), "Print the version and exit");

  CommandContext context{session, StandardStreams{in, out}, err};
  const std::vector<PfcCoreCommand> commands = PfcCoreCommands();
  std::vector<CLI::App*> added;
  added.reserve(commands.size());
  for (const PfcCoreCommand& command : commands)
    added.push_back(command.add(app, context));
  if (const std::optional<int> ended = ParseCommandLine(app, argc, argv, out, err))
    return *ended;
  for (std::size_t index = 0; index < commands.size(); ++index) {
    if (!added[index]->parsed())
      continue;
    std::ostream discarded(nullptr);
    return commands[index].run(context, StandardOutputTaken(*added[index]) ? discarded : out);
  }
  return 2;  // the parser requires one command
}

}  // namespace pfc
