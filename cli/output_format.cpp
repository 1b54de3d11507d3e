#include "cli/output_format.h"

namespace pfc {
namespace {

CLI::Option* AddFormatFlag(CLI::App& command, const char* name, const char* help,
                           OutputFormat& format, OutputFormat chosen) {
  if (help == nullptr)
    return nullptr;
  return command.add_flag_callback(
      name, [&format, chosen] { format = chosen; }, help);
}

}  // namespace

void AddOutputFormatFlags(CLI::App& command, OutputFormat& format, const OutputFlagHelp& help) {
  CLI::Option* json = AddFormatFlag(command, "--json", help.json, format, OutputFormat::Json);
  CLI::Option* csv = AddFormatFlag(command, "--csv", help.csv, format, OutputFormat::Csv);
  if (json != nullptr && csv != nullptr)
    json->excludes(csv);
}

}  // namespace pfc
