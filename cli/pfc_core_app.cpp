#include "cli/pfc_core_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>
#include <string>

#include "cli/batch/batch_command.h"
#include "cli/check/check_command.h"
#include "cli/check/model_command.h"
#include "cli/design/cores_option.h"
#include "cli/design/design_inputs_file.h"
#include "cli/design/design_json.h"
#include "cli/design/design_options.h"
#include "cli/design/design_text.h"
#include "cli/design/explore_json.h"
#include "cli/json_text.h"
#include "cli/limit_options.h"
#include "cli/material/material_command.h"
#include "cli/optimize/optimize_command.h"
#include "cli/standard_streams.h"
#include "engine/catalogue/catalogue.h"
#include "engine/check/built_part.h"
#include "engine/method/core_selection.h"
#include "engine/method/design_run.h"
#include "engine/method/design_session.h"
#include "engine/method/version.h"
#include "engine/record/number_text.h"
#include "engine/search/explorer.h"
#include "reports/check/check_figures.h"
#include "reports/files/atomic_file.h"
#include "reports/files/explorer_csv.h"
#include "reports/summary/image_sources.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

constexpr const char* kDesignFooter =
    "Output: the messages the run shows (title, then text), the caption of the entry that\n"
    "would get the focus after a rejected entry, then the result summary: the input values and "
    "the\n"
    "headline outputs with their units.\n"
    "With --json one JSON object instead: \"status\" (published, rejected or stopped),\n"
    "\"ending\", \"check\", \"messages\" (objects with \"title\", \"icon\" and \"text\"),\n"
    "\"focus\" (control name or null), \"record\" (every design-record field under its own\n"
    "name, numbers in shortest round-trip form) and, when published, \"summary\" (every\n"
    "summary text under its control's name, \"totaltemp\" the unit label and\n"
    "\"txtTotalTempStyle\" bold-red or normal-black) and \"listing\" (the 38 lines of the\n"
    "calculations window in screen order: \"line\", \"caption\", \"value\" with its unit,\n"
    "\"colour\" red or black).\n"
    "The text of a rejected or stopped run goes to standard error.\n"
    "--report FILE writes the HTML design report of a published run to FILE, in\n"
    "Windows-1252, replacing FILE only once the whole report is written; --report - writes\n"
    "it to standard output instead of the summary.\n"
    "Exit status: 0 published (warnings included), 1 rejected by an input check, stopped\n"
    "by the design or the report not written, 2 usage error.";

// The limit flags' texts name the limits the explorer judges by.
std::string ExploreFooter() {
  return "Evaluates every catalogue core with every stack count from 1 to 9 (279 designs on the\n"
         "built-in catalogue) at the entered operating point, each exactly as picking that core\n"
         "and stack would, after the\n"
         "same input checks. Per design: part number, stack, catalogue row, turns, wire gauge,\n"
         "HMax, ActualFillFactor, core, copper and total loss, temperature rise, total\n"
         "temperature, outer diameter, stack height, boxed volume (OD² × height), mass, the\n"
         "limit flags (HMax <= " +
         FormatGeneral(kFieldStrengthLimit) + " Oe, total below " +
         FormatGeneral(kTemperatureCeiling) +
         " °C, fill within the entered fill factor,\n"
         "Vout >= Vpeak), all of them, and the core and stack the calculator itself chooses,\n"
         "then the operating check of each published pick at the low line with the grade that\n"
         "matches its core: L at Ipk (% of the target), crest ripple (% of the line-peak "
         "current),\n"
         "winding temperature, and whether every verdict of the check, at both lines, keeps the\n"
         "limits (--min-inductance, --ripple-limit, --max-temperature, --al-tolerance, as check\n"
         "takes them; with an AL tolerance the inductance and ripple are the worse of the nominal\n"
         "and the worst-case core).\n"
         "--csv: RFC 4180 with units in the header. --json: an array of objects keyed by the\n"
         "design-record names. A value that does not exist (past a failed Vpeak check) is empty\n"
         "or null.\n"
         "Exit status: 0 explored, 1 rejected by an input check (the message goes to standard\n"
         "error), 2 usage error.";
}

// --report: the report "View Report" would write, to the named file instead of the
// temporary folder. Only a published design has a summary to report.
int WriteReportOption(const std::string& path, const RunOutcome& outcome,
                      const ResultSummary& summary, const DesignRecord& record, std::ostream& out,
                      std::ostream& err) {
  if (path.empty()) {
    err << "pfc-core: --report needs a file name\n";
    return 1;
  }
  const bool toOutput = NamesStandardStream(path);
  if (outcome.ending != RunEnding::Published) {
    err << "pfc-core: no report written to " << (toOutput ? "standard output" : path)
        << ": the design was not published\n";
    return 1;
  }
  const std::string bytes = ReportBytes(summary, record, FindReportImages(ExecutableFolder()));
  if (toOutput) {
    out << bytes << std::flush;
    if (out.good())
      return 0;
    err << "pfc-core: cannot write the report to standard output\n";
    return 1;
  }
  const FileWriteResult written = WriteFileAtomically(path, bytes);
  if (!written.written) {
    err << "pfc-core: " << written.Message() << "\n";
    return 1;
  }
  return 0;
}

// `out` takes the summary or the JSON object, `reportOut` a report written to "-".
int RunDesignCommand(const DesignOptions& options, bool json,
                     const std::optional<std::string>& reportPath, DesignSession& session,
                     std::ostream& commandOut, std::ostream& reportOut, std::ostream& err) {
  const EntryTexts entries = FormEntries(options, session.catalogue, session.record);
  const RunOutcome outcome =
      RunDesign(entries, session.record, session.catalogue, session.wires, '.');
  const ResultSummary summary = outcome.ending == RunEnding::Published
                                    ? PublishedSummary(session.record, '.')
                                    : ResultSummary{};
  const bool published = outcome.ending == RunEnding::Published;
  if (json)
    commandOut << JsonText(DesignJson(outcome, session.record, summary));
  else
    (published ? commandOut : err) << DesignText(outcome, summary);
  const int status = published ? 0 : 1;
  if (!reportPath)
    return status;
  const int reportStatus =
      WriteReportOption(*reportPath, outcome, summary, session.record, reportOut, err);
  return status != 0 ? status : reportStatus;
}

bool IsCommand(CLI::App& app, const std::string& name) {
  return std::ranges::any_of(
      app.get_subcommands([](CLI::App*) { return true; }),
      [&name](const CLI::App* command) { return command->get_name() == name; });
}

// The explore command's options as the command line sets them.
struct ExploreCommand {
  DesignOptions options;
  DesignLimits limits;  // what the check columns are judged by
  bool csv = false;
  bool json = false;
};

int RunExploreCommand(const ExploreCommand& exploring, DesignSession& session, std::ostream& out,
                      std::ostream& err) {
  const Exploration exploration =
      ExploreDesigns(exploring.options.entries, session.record, session.catalogue, session.wires,
                     exploring.limits);
  if (exploration.rejected) {
    RunOutcome rejection;
    rejection.messages.push_back(exploration.message);
    rejection.focus = exploration.focus;
    err << DesignText(rejection, ResultSummary{});
    return 1;
  }
  out << (exploring.json ? JsonText(ExplorationJson(exploration)) : ExplorationCsv(exploration));
  return 0;
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

// Said when a design file holds a part of its own: the report and the summary stay the
// method's, so that they read the same whatever was built.
std::string MethodDesignNote(const BuiltPart& part) {
  std::string given = WindingRequestText(part.winding);
  if (part.material.Given()) {
    given += given.empty() ? "" : " in ";
    given += part.material.own ? part.material.own->name
                               : "grade " + std::to_string(part.material.grade);
  }
  return "the report and summary are the method's design; the design file's part as built (" +
         given + ") is checked by \"pfc-core check\" and its --build-sheet";
}

// The design command's options as the command line sets them.
struct DesignCommand {
  DesignOptions options;
  BuiltPart part;  // a design file's material and winding: the report does not show them
  bool json = false;
  std::string reportPath;
  CLI::Option* report = nullptr;
};

CLI::App* AddDesignCommand(CLI::App& app, DesignCommand& designing, DesignSession& session,
                           StandardStreams streams) {
  CLI::App* design = app.add_subcommand(
      "design", "Run the design exactly as \"Show Results\" does, from the form's texts");
  AddDesignOptions(*design, designing.options, session.catalogue, true);
  design->add_flag("--json", designing.json, "Print one JSON object instead of text");
  designing.report = design
                         ->add_option("--report", designing.reportPath,
                                      "Write the HTML design report to this file")
                         ->type_name("FILE");
  design->footer(kDesignFooter);
  AddInputsFileOptions(*design, designing.options, session, streams, &designing.part);
  AddCoresOption(*design, session, streams.in);
  return design;
}

CLI::App* AddExploreCommand(CLI::App& app, ExploreCommand& exploring, DesignSession& session,
                            StandardStreams streams) {
  CLI::App* explore = app.add_subcommand(
      "explore", "Evaluate every core with every stack count at the entered operating point");
  AddDesignOptions(*explore, exploring.options, session.catalogue, false);
  CLI::Option* csvFlag = explore->add_flag("--csv", exploring.csv, "Print CSV");
  CLI::Option* jsonFlag = explore->add_flag("--json", exploring.json, "Print a JSON array");
  csvFlag->excludes(jsonFlag);
  AddLimitOptions(*explore, exploring.limits);
  explore->footer(ExploreFooter());
  AddInputsFileOptions(*explore, exploring.options, session, streams, nullptr, &exploring.limits);
  AddCoresOption(*explore, session, streams.in);
  return explore;
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

// A checked design (check, model) may come from a design file, with its part and limits, and
// be checked on a catalogue file.
void AddCheckedDesignFiles(CLI::App& command, CheckOptions& options, DesignSession& session,
                           const StandardStreams& streams) {
  AddInputsFileOptions(command, options.design, session, streams, &options.part, &options.limits,
                       &options.windingStored);
  AddCoresOption(command, session, streams.in);
}

// design: the method's run, its report where one is asked for, and a word on standard error
// when the design carries a part of its own, which the method's report does not show.
int RunDesigning(const DesignCommand& designing, DesignSession& session, std::ostream& commandOut,
                 std::ostream& out, std::ostream& err) {
  const std::optional<std::string> report = designing.report->count() > 0
                                                ? std::optional<std::string>(designing.reportPath)
                                                : std::nullopt;
  if (designing.part.Given())
    err << "pfc-core: " << MethodDesignNote(designing.part) << "\n";
  return RunDesignCommand(designing.options, designing.json, report, session, commandOut, out, err);
}

}  // namespace

int RunPfcCore(int argc, const char* const* argv, std::istream& in, std::ostream& out,
               std::ostream& err) {
  DesignSession session;
  LoadDesignTables(session);
  CLI::App app{"Designs the boost inductor of a PFC stage on Toridyne toroidal cores.", "pfc-core"};
  app.require_subcommand(1);
  app.set_version_flag("-V,--version", VersionLine("pfc-core"), "Print the version and exit");

  const StandardStreams streams{in, out};
  DesignCommand designing;
  CLI::App* design = AddDesignCommand(app, designing, session, streams);

  ExploreCommand exploring;
  CLI::App* explore = AddExploreCommand(app, exploring, session, streams);

  BatchOptions batchOptions;
  CLI::App* batch = AddBatchCommand(app, batchOptions);
  AddCoresOption(*batch, session, streams.in);

  CheckOptions checkOptions;
  CLI::App* check = AddCheckCommand(app, checkOptions, session.catalogue, streams.in);
  AddCheckedDesignFiles(*check, checkOptions, session, streams);

  ModelOptions modelOptions;
  CLI::App* model = AddModelCommand(app, modelOptions, session.catalogue, streams.in);
  AddCheckedDesignFiles(*model, modelOptions.check, session, streams);

  OptimizeOptions optimizeOptions;
  CLI::App* optimize = AddOptimizeCommand(app, optimizeOptions, session.catalogue);
  AddInputsFileOptions(*optimize, optimizeOptions.design, session, streams, nullptr,
                       &optimizeOptions.limits);
  AddCoresOption(*optimize, session, streams.in);

  CoresCommand cores;
  AddCoresCommand(app, cores);
  AddCoresOption(*cores.command, session, streams.in);

  MaterialCommand material;
  AddMaterialCommand(app, material);

  if (const std::optional<int> ended = ParseCommandLine(app, argc, argv, out, err))
    return *ended;
  if (cores.command->parsed())
    return RunCoresCommand(cores, session.catalogue, out);
  if (material.fit->parsed())
    return RunMaterialFitCommand(material.options, streams, err);
  if (batch->parsed()) {
    return RunBatchCommand(
        batchOptions, DesignTables{session.catalogue, session.wires, session.record}, in, out, err);
  }
  std::ostream discarded(nullptr);
  std::ostream& commandOut = StandardOutputTaken(*design) || StandardOutputTaken(*explore) ||
                                     StandardOutputTaken(*check) || StandardOutputTaken(*model)
                                 ? discarded
                                 : out;
  if (check->parsed()) {
    checkOptions.designFile = InputsFileName(*check);
    return RunCheckCommand(checkOptions, session.catalogue, session.wires, session.record,
                           commandOut, err);
  }
  if (model->parsed()) {
    return RunModelCommand(modelOptions, session.catalogue, session.wires, session.record,
                           commandOut, err);
  }
  if (optimize->parsed()) {
    return RunOptimizeCommand(optimizeOptions, session.catalogue, session.wires, session.record, in,
                              commandOut, err);
  }
  if (explore->parsed()) {
    if (!exploring.csv && !exploring.json) {
      err << "pfc-core: explore needs --csv or --json\n";
      return 2;
    }
    return RunExploreCommand(exploring, session, commandOut, err);
  }
  return RunDesigning(designing, session, commandOut, out, err);
}

}  // namespace pfc
