#include "cli/design/cores_option.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/standard_streams.h"
#include "engine/catalogue/catalogue_file.h"
#include "engine/record/number_text.h"
#include "reports/files/catalogue_csv.h"

namespace pfc {
namespace {

// "design, explore, check or batch": the commands given, as a sentence lists them.
std::string Listed(const std::vector<std::string>& names) {
  std::string listed;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0)
      listed += i + 1 == names.size() ? " or " : ", ";
    listed += names[i];
  }
  return listed;
}

std::string CoresFooter(const std::vector<std::string>& readers) {
  std::string columns;
  for (const CatalogueColumn& column : CatalogueColumns())
    columns += (columns.empty() ? "" : ", ") + std::string(column.header);
  return "Without --csv a table for reading; with --csv the catalogue in the file form that\n"
         "--cores reads: a header naming the columns (" +
         columns +
         "), then one core per row in catalogue order, numbers in the shortest form that reads\n"
         "back exactly. Edit a copy and give it with --cores FILE to " +
         Listed(readers) + ".\nExit status: 0 written, 2 usage error or a catalogue file refused.";
}

// Characters, not bytes: the headers hold superscripts.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string CatalogueTable(const CoreCatalogue& catalogue) {
  const auto columns = CatalogueColumns();
  std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(catalogue.RowCount()) + 1);
  for (const CatalogueColumn& column : columns)
    cells[0].emplace_back(column.header);
  for (std::size_t row = 1; row < cells.size(); ++row) {
    for (const CatalogueColumn& column : columns) {
      cells[row].push_back(column.numbers == nullptr
                               ? catalogue.PartNo[row]
                               : FormatGeneral((catalogue.*column.numbers)[row]));
    }
  }
  std::vector<std::size_t> widths(columns.size(), 0);
  for (const auto& line : cells) {
    for (std::size_t column = 0; column < line.size(); ++column)
      widths[column] = std::max(widths[column], Width(line[column]));
  }
  std::string table;
  for (const auto& line : cells) {
    for (std::size_t column = 0; column < line.size(); ++column) {
      // The part number to the left, the numbers to the right, two blanks between.
      const std::string padding(widths[column] - Width(line[column]), ' ');
      table += column == 0 ? line[column] + padding : "  " + padding + line[column];
    }
    table += "\n";
  }
  return table;
}

}  // namespace

CatalogueRead ReadCoresOption(const std::string& path, std::istream& in) {
  if (!NamesStandardStream(path))
    return ReadCatalogueFile(path);
  std::string bytes;
  if (!ReadBoundedStream(in, kCatalogueFileMaxBytes, bytes)) {
    CatalogueRead refused;
    refused.problem = "standard input: it is longer than a core catalogue can be (1 MiB)";
    return refused;
  }
  CatalogueRead read = CatalogueFromText(bytes, "standard input");
  if (read.read)
    read.origin.sha256 = Sha256Hex(bytes);
  return read;
}

void AddCoresOption(CLI::App& command, DesignSession& session, std::istream& in) {
  const std::string footer = command.get_footer();
  const std::string paragraph =
      "--cores FILE designs on the cores of a catalogue file instead of the built-in ones\n"
      "(pfc-core cores --csv writes those in the file form); a file that is refused is a usage\n"
      "error (status 2), its message naming the line and column. --cores - reads the\n"
      "catalogue from standard input.";
  command.footer(footer.empty() ? paragraph : footer + "\n" + paragraph);
  command
      .add_option_function<std::string>(
          "--cores",
          [&session, &in](const std::string& path) {
            CatalogueRead read = ReadCoresOption(path, in);
            if (!read.read)
              throw CLI::ValidationError("--cores", read.problem);
            UseCoreCatalogue(session, std::move(read.catalogue), std::move(read.origin));
          },
          "Use the cores of this catalogue file instead of the built-in ones (see pfc-core "
          "cores --csv)")
      ->type_name("FILE")
      ->trigger_on_parse();
}

void AddCoresCommand(CLI::App& app, CoresCommand& cores) {
  cores.command = app.add_subcommand("cores", "Print the core catalogue the commands design on");
  AddOutputFormatFlags(*cores.command, cores.format,
                       {.csv = "Print the catalogue in the file form --cores reads"});
  // Named from the commands themselves, so that one taking --cores later is not left out.
  std::vector<std::string> readers;
  for (const CLI::App* command : app.get_subcommands({})) {
    if (command != cores.command && command->get_option_no_throw("--cores") != nullptr)
      readers.push_back(command->get_name());
  }
  cores.command->footer(CoresFooter(readers));
}

int RunCoresCommand(const CoresCommand& cores, const CoreCatalogue& catalogue, std::ostream& out) {
  out << (cores.format == OutputFormat::Csv ? CatalogueCsv(catalogue) : CatalogueTable(catalogue));
  return 0;
}

}  // namespace pfc
