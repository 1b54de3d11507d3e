#include "cli/batch/batch_command.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <thread>

#include "cli/batch/batch_progress.h"
#include "cli/batch/batch_run.h"
#include "cli/check/grade_option.h"
#include "cli/design/design_entry_names.h"
#include "cli/design/design_options.h"
#include "cli/limit_options.h"
#include "cli/number_option.h"
#include "cli/standard_streams.h"
#include "engine/catalogue/csv_reader.h"
#include "reports/files/atomic_file.h"

namespace pfc {
namespace {

constexpr const char* kColumnsFooter =
    "One design per row of IN.csv, exactly as \"design\" runs it. The header names the columns\n"
    "by the long options of design, in any order:\n";

constexpr const char* kFooter =
    "A column left out takes the form's default; an empty pick lets the calculator select.\n"
    "CSV as RFC 4180: quotes, commas and line breaks inside quoted fields; lines end in CR LF\n"
    "or LF.\n"
    "Output, one row per input row in the same order: the input columns, \"ending\" (as in\n"
    "design --json, or bad-row for a row with broken quoting, the wrong number of fields, a\n"
    "unit or part number that does not exist or over 64 KiB), \"message\" (the first\n"
    "message's text), the summary texts under the \"summary\" keys of design --json (empty\n"
    "unless published) and the record's numbers under its \"record\" keys, unrounded, in the\n"
    "shortest form that reads back to the same number. --check adds the operating check's key\n"
    "figures at both line voltages, named by their place in check --json (low_line.ipk,\n"
    "low_line.at_ipk.l_percent_of_target, ..., high_line.saturates), with --al-tolerance\n"
    "above 0 the worst case's (low_line.worst_case.ipk, ...), then the verdicts by the limits\n"
    "options (verdicts.inductance_at_peak, ...: true where met, false where missed, empty\n"
    "where not judged); a figure that does not exist, and every figure of a row that did not\n"
    "publish, is empty. With --strands K each design is checked wound with K strands of its\n"
    "own wire in parallel; a row whose strands overfill its fill factor has no check figures.\n"
    "A row that fails never\n"
    "stops the batch. -o replaces OUT.csv only once every row is written. IN.csv \"-\" reads\n"
    "the rows from standard input, and -o - writes them to standard output. On a terminal,\n"
    "progress goes to standard error.\n"
    "Exit status: 0 every row published, 1 a row did not publish or a file could not be\n"
    "read or written to the end, 2 usage error (an unknown or repeated column included).";

// A row of every column holds a few hundred bytes; a longer one is cut and reported, which
// bounds the memory of the rows in flight.
constexpr std::size_t kLongestRow = std::size_t{64} * 1024;

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

// The input's size when it is a regular file, for the progress bar; 0 for a pipe.
std::uint64_t RegularFileSize(const std::string& path) {
  if (NamesStandardStream(path))
    return 0;
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::uint64_t>(size);
}

// Every core designs; the reading and writing in order are light beside the rows.
int WorkerCount() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The rows' source: the named file, or standard input for "-". Nothing, and the reason on
// err, when the file cannot be read.
std::istream* OpenInput(const std::string& path, std::istream& in, std::ifstream& file,
                        std::ostream& err) {
  if (NamesStandardStream(path))
    return &in;
  if (std::filesystem::is_directory(path)) {
    err << "pfc-core: cannot read " << path << ": it is a folder\n";
    return nullptr;
  }
  file.open(path, std::ios::binary);
  if (!file) {
    err << "pfc-core: cannot read " << path << ": " << SystemReason(errno) << "\n";
    return nullptr;
  }
  return &file;
}

// The output replaces its file only at the end, so naming the input there would lose every
// row it came from; any other name for the same file counts too.
bool WritesOverInput(const BatchOptions& options, std::ostream& err) {
  std::error_code sameFileError;
  if (NamesStandardStream(options.input) ||
      !std::filesystem::equivalent(options.input, options.output, sameFileError))
    return false;
  err << "pfc-core: " << options.output << " is the input file " << options.input
      << "; write the rows to another file\n";
  return true;
}

// The columns the input's header line names, each judged by an option of `design`, with the
// check's after them when asked for; nothing, and the reason on err, when the header is
// missing or names no known columns.
std::optional<BatchLayout> ReadLayout(CsvReader& reader, const BatchOptions& options,
                                      CLI::App& design, std::ostream& err) {
  CsvRecord header;
  if (!reader.Next(header)) {
    err << "pfc-core: " << options.input << " has no header line\n";
    return std::nullopt;
  }
  if (!header.problem.empty()) {
    err << "pfc-core: " << options.input << ", header: " << header.problem << "\n";
    return std::nullopt;
  }
  std::string refusal;
  std::optional<BatchLayout> layout = BatchLayout::FromHeader(header.fields, design, refusal);
  if (!layout) {
    err << "pfc-core: " << options.input << ": " << refusal << "\n";
    return std::nullopt;
  }
  if (options.check)
    layout->AddCheckColumns(options.grade, options.limits, options.strands);
  return layout;
}

}  // namespace

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options) {
  CLI::App* batch = app.add_subcommand("batch", "Run one design per row of a CSV file");
  batch->add_option("IN.csv", options.input, "The rows to design")->required();
  CLI::Option* check =
      batch->add_flag("--check", options.check, "Add the operating check's key numbers");
  AddGradeOption(*batch, options.grade,
                 "Roll-off grade of the operating check (needs --check); by default the "
                 "grade that matches each design's core")
      ->needs(check);
  for (CLI::Option* limit : AddLimitOptions(*batch, options.limits))
    limit->needs(check);
  AddNumberOption(*batch, "--strands", options.strands, kStrandsBounds,
                  "Check each design's winding in this many strands of its wire (needs --check)")
      ->type_name("K")
      ->needs(check);
  batch->add_option("-o,--output", options.output, "Write the rows to this file, not stdout")
      ->type_name("OUT.csv");
  std::string columns = "  ";
  for (const DesignEntryName& entry : DesignEntryNames())
    columns.append(entry.name).append(" ");
  columns.back() = '\n';
  batch->footer(kColumnsFooter + columns + kFooter);
  return batch;
}

int RunBatchCommand(const BatchOptions& options, const DesignTables& tables, std::istream& in,
                    std::ostream& out, std::ostream& err) {
  std::ifstream file;
  std::istream* input = OpenInput(options.input, in, file, err);
  const bool toOutput = options.output.empty() || NamesStandardStream(options.output);
  if (input == nullptr || (!toOutput && WritesOverInput(options, err)))
    return 2;
  CsvReader reader(*input, kLongestRow);
  // The design command's own options judge the cells (the same units and part numbers); the
  // layout's checks are theirs, so they live as long as the rows run.
  CLI::App design;
  DesignOptions designOptions;
  AddDesignOptions(design, designOptions, tables.catalogue, true);
  std::optional<BatchLayout> layout = ReadLayout(reader, options, design, err);
  if (!layout)
    return 2;

  std::optional<AtomicFileWriter> rows;
  if (!toOutput) {
    rows.emplace(options.output);
    if (!rows->ok()) {
      err << "pfc-core: " << rows->status().Message() << "\n";
      return 1;
    }
  }
  const BatchSink sink = [&rows, &out](std::string_view lines) {
    if (rows) {
      rows->Write(lines);
      return rows->ok();
    }
    out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
    return out.good();
  };
  std::optional<BatchProgressBar> bar;
  if (IsTerminalStandardError(err))
    bar.emplace(err, RegularFileSize(options.input));
  const BatchProgress progress = [&bar](const BatchTotals& totals) {
    if (bar)
      bar->Update(totals);
  };

  BatchTotals totals;
  totals.stopped = !sink(layout->HeaderLine());
  if (!totals.stopped)
    totals = RunBatchRows(reader, *layout, tables, sink, progress, WorkerCount());
  if (bar)
    bar->Finish(totals);
  if (reader.failed()) {
    err << "pfc-core: cannot read " << options.input << " to the end\n";
    return 1;
  }
  if (rows) {
    const FileWriteResult written = rows->Commit();
    if (!written.written) {
      err << "pfc-core: " << written.Message() << "\n";
      return 1;
    }
  } else if (totals.stopped) {
    err << "pfc-core: cannot write the rows to standard output\n";
    return 1;
  }
  return totals.published == totals.rows ? 0 : 1;
}

}  // namespace pfc
