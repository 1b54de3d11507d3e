#include "cli/check/check_command.h"

#include "cli/check/check_json.h"
#include "cli/check/check_text.h"
#include "cli/check/given_winding_text.h"
#include "cli/check/grade_option.h"
#include "cli/design/design_text.h"
#include "cli/json_text.h"
#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/core_design.h"
#include "engine/method/design_run.h"
#include "reports/check/known_rolloff_grades.h"
#include "reports/check/material_file.h"
#include "reports/check/operating_check_csv.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

constexpr NumberBounds kTurnsBounds{1, kMostTurns, true, true, "turns"};
// The wire table's sizes are whole; which of them it holds is the winding's own refusal.
constexpr NumberBounds kGaugeBounds{.whole = true};

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
    "--turns and --wire check that winding instead of the method's: one alone replaces only\n"
    "its own part, and the method's formulas give everything that follows. Turns outside 1 to\n"
    "31000, a gauge the wire table lacks and a winding that overfills the entered fill factor\n"
    "are refused. With both on a picked core (--pick) the method need not publish: its field\n"
    "strength, temperature and area product limits are judged instead.\n"
    "--material FILE checks with a material of one's own (a JSON file: name, permeability,\n"
    "rolloff_b, rolloff_c, optionally loss_k, loss_alpha, loss_beta) instead of a grade;\n"
    "--material - reads it from standard input.\n"
    "--json: one object with \"status\" (checked or not-published), \"grade\" (a grade's\n"
    "permeability, or the material's name), \"ripple_limit_percent\", \"zero_bias_uh\",\n"
    "\"design\" (what design --json prints, of the wound design), \"low_line\" and\n"
    "\"high_line\" (the figures, \"steady\", \"peak_above_vout\", \"saturates\" and 91\n"
    "\"angles\"), \"verdicts\" (true where the design passes), \"winding\" (method or given)\n"
    "and \"method_limits\" (field_strength, method_temperature, area_product: true where met);\n"
    "a figure that does not exist is null.\n"
    "--csv: the angle rows of both line voltages, led by a \"line\" column (low or high).\n"
    "Numbers in JSON and CSV are unrounded. Without --json, the text of a run that does not\n"
    "publish goes to standard error.\n"
    "Exit status: 0 checked, 1 not published (rejected or stopped), 2 usage error, a refused\n"
    "material file or winding.";

// The method's limits met, true for each, by their export names.
nlohmann::ordered_json MethodLimitsJson(const DesignRecord& record) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const MethodLimitOutcome& limit : JudgeMethodLimits(record))
    json[MethodLimitName(limit.code)] = !limit.misses;
  return json;
}

// Whether the run left a wound core to check: a published design, or with the whole winding
// given on a picked core, one the method stopped only for its own winding's field.
bool HasWoundCore(const CheckOptions& options, const RunOutcome& outcome,
                  const DesignRecord& record) {
  if (outcome.ending == RunEnding::Published)
    return true;
  const bool wholeWinding = options.winding.turns && options.winding.gauge;
  return wholeWinding && record.CalcType == DesignerPicks &&
         outcome.ending == RunEnding::FieldStrength;
}

}  // namespace

CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue) {
  CLI::App* check = app.add_subcommand(
      "check", "Design as \"design\" does, then check the winding over the line cycle");
  AddCheckedDesignOptions(*check, options, catalogue);
  CLI::Option* json = check->add_flag("--json", options.json, "Print one JSON object");
  CLI::Option* csv = check->add_flag("--csv", options.csv, "Print the angle rows as CSV");
  json->excludes(csv);
  check->footer(kCheckFooter);
  return check;
}

void AddCheckedDesignOptions(CLI::App& command, CheckOptions& options,
                             const CoreCatalogue& catalogue) {
  AddDesignOptions(command, options.design, catalogue, true);
  CLI::Option* grade = AddGradeOption(
      command, options.grade,
      "Roll-off grade: the alloy powder's initial permeability (" + RolloffGradeNames() +
          "); by default the grade that matches the core's catalogue inductance factor");
  AddNumberOption(command, "--ripple-limit", options.limits.ripplePercent, kRippleLimitBounds,
                  "The ripple the check admits at the low line's crest, % of the line-peak "
                  "current")
      ->type_name("PERCENT");
  command
      .add_option_function<std::string>(
          "--material", [&options](const std::string& path) { options.materialFile = path; },
          "Check with the material of this JSON file instead of a grade")
      ->type_name("FILE")
      ->excludes(grade);
  AddNumberOption(
      command, "--turns", kTurnsBounds, [&options](double turns) { options.winding.turns = turns; },
      "Check this many turns instead of the method's");
  AddNumberOption(
      command, "--wire", kGaugeBounds, [&options](double gauge) { options.winding.gauge = gauge; },
      "Check this wire size instead of the method's")
      ->type_name("AWG");
}

CheckedRun RunCheckedDesign(const CheckOptions& options, const CoreCatalogue& catalogue,
                            const WireTable& wires, DesignRecord& record, std::istream& in) {
  CheckedRun run;
  run.givenWinding = options.winding.Given();
  std::optional<Material> ownMaterial;
  if (options.materialFile) {
    const MaterialFileRead read = ReadMaterialOption(*options.materialFile, in);
    if (!read.read) {
      run.refusal = read.Message();
      return run;
    }
    ownMaterial = read.material;
  }
  const EntryTexts entries = FormEntries(options.design, catalogue, record);
  run.outcome = RunDesign(entries, record, catalogue, wires, '.');
  run.material = ownMaterial ? *ownMaterial : GradeMaterialFor(record, options.grade);
  if (!HasWoundCore(options, run.outcome, record))
    return run;
  if (run.givenWinding) {
    const WindingApplied applied = ApplyWinding(record, wires, options.winding);
    if (!applied.Wound()) {
      run.refusal = applied.message;
      return run;
    }
    // The run's messages spoke of the method's winding; the method's limits are now judged
    // on the given one.
    run.outcome = RunOutcome{};
    run.outcome.ending = RunEnding::Published;
    run.outcome.check = "Published";
    run.outcome.entriesPassedChecks = true;
  }
  run.check = CheckOperation(record, run.material);
  return run;
}

int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::istream& in,
                    std::ostream& out, std::ostream& err) {
  const CheckedRun run = RunCheckedDesign(options, catalogue, wires, record, in);
  if (!run.refusal.empty()) {
    err << "pfc-core: " << run.refusal << "\n";
    return 2;
  }
  const RunOutcome& outcome = run.outcome;
  const char* winding = run.givenWinding ? "given" : "method";
  if (!run.check) {
    if (options.json) {
      nlohmann::ordered_json json =
          CheckJson(outcome, record, ResultSummary{}, run.material, options.limits, nullptr);
      json["winding"] = winding;
      json["method_limits"] = nullptr;
      out << JsonText(json);
    } else {
      err << DesignText(outcome, ResultSummary{});
    }
    return 1;
  }
  const OperatingCheck& check = *run.check;
  if (options.json) {
    nlohmann::ordered_json json = CheckJson(outcome, record, PublishedSummary(record, '.'),
                                            run.material, options.limits, &check);
    json["winding"] = winding;
    json["method_limits"] = MethodLimitsJson(record);
    out << JsonText(json);
  } else if (options.csv) {
    out << OperatingCheckCsv(check);
  } else {
    // The run's warnings, as "design" shows them, without its summary.
    RunOutcome warnings;
    warnings.messages = outcome.messages;
    out << DesignText(warnings, ResultSummary{}) << CheckText(check, record, options.limits);
    if (run.givenWinding)
      out << GivenWindingText(record);
  }
  return 0;
}

}  // namespace pfc
