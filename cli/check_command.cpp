#include "cli/check_command.h"

#include "cli/check_json.h"
#include "cli/check_text.h"
#include "cli/design_text.h"
#include "cli/grade_option.h"
#include "cli/json_text.h"
#include "engine/design_run.h"
#include "engine/operating_check.h"
#include "reports/known_rolloff_grades.h"
#include "reports/operating_check_csv.h"
#include "reports/summary_texts.h"

namespace pfc {
namespace {

constexpr const char* kCheckFooter =
    "Designs exactly as \"design\" does, then checks what the published winding does over the\n"
    "line cycle at both line voltages (Vin Min and Vin Max) once the powder core's\n"
    "permeability falls with the current, as the roll-off grade --grade assumes: the\n"
    "inductance at the line-peak and peak currents, the ripple at every degree of a quarter\n"
    "cycle, the line-averaged core loss, the copper loss with Dowell's AC factor, and the\n"
    "winding temperature from the method's thermal law. The method's own figures stand beside\n"
    "them.\n"
    "--ripple-limit sets the ripple the verdict admits (10 % of the line-peak current, the\n"
    "method's own assumption, unless a design file given with --inputs says otherwise).\n"
    "--json: one object with \"status\" (checked or not-published), \"grade\",\n"
    "\"ripple_limit_percent\", \"zero_bias_uh\", \"design\" (what design --json prints),\n"
    "\"low_line\" and \"high_line\" (the figures, \"steady\", \"peak_above_vout\", \"saturates\"\n"
    "and 91 \"angles\") and \"verdicts\" (true where the design passes); a figure that does not\n"
    "exist is null.\n"
    "--csv: the angle rows of both line voltages, led by a \"line\" column (low or high).\n"
    "Numbers in JSON and CSV are unrounded. Without --json, the text of a run that does not\n"
    "publish goes to standard error.\n"
    "Exit status: 0 checked, 1 not published (rejected or stopped), 2 usage error.";

}  // namespace

CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue) {
  CLI::App* check = app.add_subcommand(
      "check", "Design as \"design\" does, then check the winding over the line cycle");
  AddDesignOptions(*check, options.design, catalogue, true);
  check
      ->add_option(
          "--grade", options.grade,
          "Roll-off grade: the alloy powder's initial permeability (" + RolloffGradeNames() +
              "); by default the grade that matches the core's catalogue inductance factor")
      ->check(RolloffGradeValidator());
  check
      ->add_option("--ripple-limit", options.limits.ripplePercent,
                   "The ripple the check admits at the low line's crest, % of the line-peak "
                   "current")
      ->check(RippleLimitValidator())
      ->capture_default_str();
  CLI::Option* json = check->add_flag("--json", options.json, "Print one JSON object");
  CLI::Option* csv = check->add_flag("--csv", options.csv, "Print the angle rows as CSV");
  json->excludes(csv);
  check->footer(kCheckFooter);
  return check;
}

int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err) {
  const EntryTexts entries = FormEntries(options.design, catalogue, record);
  const RunOutcome outcome = RunDesign(entries, record, catalogue, wires, '.');
  const Material material = GradeMaterialFor(record, options.grade);
  if (outcome.ending != RunEnding::Published) {
    if (options.json)
      out << JsonText(
          CheckJson(outcome, record, ResultSummary{}, material, options.limits, nullptr));
    else
      err << DesignText(outcome, ResultSummary{});
    return 1;
  }
  const OperatingCheck check = CheckOperation(record, material);
  if (options.json) {
    out << JsonText(CheckJson(outcome, record, PublishedSummary(record, '.'), material,
                              options.limits, &check));
  } else if (options.csv) {
    out << OperatingCheckCsv(check);
  } else {
    // The run's warnings, as "design" shows them, without its summary.
    RunOutcome warnings;
    warnings.messages = outcome.messages;
    out << DesignText(warnings, ResultSummary{}) << CheckText(check, record, options.limits);
  }
  return 0;
}

}  // namespace pfc
