#include "cli/design/design_command.h"

#include <optional>
#include <string>

#include "cli/design/cores_option.h"
#include "cli/design/design_inputs_file.h"
#include "cli/design/design_json.h"
#include "cli/design/design_text.h"
#include "cli/json_text.h"
#include "engine/method/design_run.h"
#include "reports/check/part_texts.h"
#include "reports/files/atomic_file.h"
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
int RunDesignCommand(const DesignOptions& options, OutputFormat format,
                     const std::optional<std::string>& reportPath, DesignSession& session,
                     std::ostream& commandOut, std::ostream& reportOut, std::ostream& err) {
  const EntryTexts entries = FormEntries(options, session.catalogue, session.record);
  const RunOutcome outcome =
      RunDesign(entries, session.record, session.catalogue, session.wires, '.');
  const ResultSummary summary = outcome.ending == RunEnding::Published
                                    ? PublishedSummary(session.record, '.')
                                    : ResultSummary{};
  const bool published = outcome.ending == RunEnding::Published;
  if (format == OutputFormat::Json)
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

}  // namespace

CLI::App* AddDesignCommand(CLI::App& app, DesignCommand& designing, DesignSession& session,
                           StandardStreams streams) {
  CLI::App* design = app.add_subcommand(
      "design", "Run the design exactly as \"Show Results\" does, from the form's texts");
  AddDesignOptions(*design, designing.options, session.catalogue, true);
  AddOutputFormatFlags(*design, designing.format,
                       {.json = "Print one JSON object instead of text"});
  designing.report = design
                         ->add_option("--report", designing.reportPath,
                                      "Write the HTML design report to this file")
                         ->type_name("FILE");
  design->footer(kDesignFooter);
  AddInputsFileOptions(*design, designing.options, session, streams, &designing.part);
  AddCoresOption(*design, session, streams.in);
  return design;
}

// design: the method's run, its report where one is asked for, and a word on standard error
// when the design carries a part of its own, which the method's report does not show.
int RunDesigning(const DesignCommand& designing, DesignSession& session, std::ostream& commandOut,
                 std::ostream& out, std::ostream& err) {
  const std::optional<std::string> report = designing.report->count() > 0
                                                ? std::optional<std::string>(designing.reportPath)
                                                : std::nullopt;
  if (designing.part.Given())
    err << "pfc-core: "
        << MethodDesignNote(designing.part, "\"pfc-core check\" and its --build-sheet") << "\n";
  return RunDesignCommand(designing.options, designing.format, report, session, commandOut, out,
                          err);
}

}  // namespace pfc
