#include "cli/check/check_command.h"

#include <algorithm>

#include "cli/check/check_json.h"
#include "cli/check/check_text.h"
#include "cli/check/given_winding_text.h"
#include "cli/check/grade_option.h"
#include "cli/design/design_text.h"
#include "cli/json_text.h"
#include "cli/limit_options.h"
#include "cli/standard_streams.h"
#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/core_design.h"
#include "engine/method/design_run.h"
#include "engine/record/number_text.h"
#include "reports/build_sheet/build_sheet.h"
#include "reports/check/check_figures.h"
#include "reports/check/known_rolloff_grades.h"
#include "reports/check/material_file.h"
#include "reports/check/next_step_texts.h"
#include "reports/check/operating_check_csv.h"
#include "reports/files/atomic_file.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

constexpr NumberBounds kTurnsBounds{1, kMostTurns, true, true, "turns"};
// The wire table's sizes are whole; which of them it holds is the winding's own refusal.
constexpr NumberBounds kGaugeBounds{.whole = true};
constexpr NumberBounds kLeadLengthBounds{0, kMostLeadLengthMm, true, false, "mm"};

// The exit status of a check with --strict that a verdict misses.
constexpr int kVerdictMissed = 3;

constexpr const char* kCheckFooter =
    "Designs exactly as \"design\" does, then checks what the published winding does over the\n"
    "line cycle at both line voltages (Vin Min and Vin Max) once the powder core's\n"
    "permeability falls with the current, as the roll-off grade --grade assumes: the\n"
    "inductance at the line-peak and peak currents, the ripple at every degree of a quarter\n"
    "cycle, the line-averaged core loss, the copper loss with Dowell's AC factor, and the\n"
    "winding temperature from the method's thermal law. The method's own figures stand beside\n"
    "them.\n"
    "The limits: --min-inductance (the least inductance at the peak current, % of the target,\n"
    "100 by default), --ripple-limit (the ripple at the low-line crest, % of the line-peak\n"
    "current; not judged unless given here or by a design file given with --inputs: the\n"
    "method's 10 % is its own assumption, shown in the Method column), --max-temperature (the\n"
    "checked winding temperature, 155 °C by default) and --al-tolerance (0 to 30 %, 0 by\n"
    "default: above 0 the line cycle is also run on a core of AL·(1 − tolerance), its figures\n"
    "are shown, and the inductance and ripple verdicts judge the worse of the two). When a\n"
    "verdict misses, the text ends with the next step: what misses, and the optimize command\n"
    "that searches for designs meeting the same limits at the same operating point.\n"
    "--turns and --wire check that winding instead of the method's: one alone replaces only\n"
    "its own part, and the method's formulas give everything that follows. --strands K winds\n"
    "K strands of the wire in parallel (1 to 8, 1 by default): the resistance is one strand's\n"
    "over K, the fill and the layers count K conductors a turn. Turns outside 1 to 31000, a\n"
    "gauge the wire table lacks and a winding that overfills the entered fill factor are\n"
    "refused. With both --turns and --wire on a picked core (--pick) the method need not\n"
    "publish: its field strength, temperature and area product limits are judged instead.\n"
    "--material FILE checks with a material of one's own (a JSON file: name, permeability,\n"
    "rolloff_b, rolloff_c, optionally loss_k, loss_alpha, loss_beta) instead of a grade;\n"
    "--material - reads it from standard input.\n"
    "--json: one object with \"status\" (checked or not-published), \"grade\" (a grade's\n"
    "permeability, or the material's name), \"ripple_limit_percent\" (null for none),\n"
    "\"min_inductance_percent\", \"max_temperature_c\", \"al_tolerance_percent\",\n"
    "\"zero_bias_uh\",\n"
    "\"design\" (what design --json prints, of the wound design), \"low_line\" and\n"
    "\"high_line\" (the figures, \"steady\", \"peak_above_vout\", \"saturates\" and 91\n"
    "\"angles\", and \"worst_case\": null, or with --al-tolerance the worst-case core's\n"
    "at_ipk_line, ipk, at_ipk, ripple_at_crest_pp and\n"
    "ripple_at_crest_percent_of_ipk_line), \"verdicts\" (true where the design passes, null\n"
    "where not judged), \"winding\" (method or given), \"strands\" (in parallel),\n"
    "\"method_limits\" (field_strength, method_temperature, area_product: true where met)\n"
    "and \"winding_set_aside\" (null, or a design file's winding this core does not take:\n"
    "turns, wire, strands, reason); a figure that does not exist is null.\n"
    "--csv: the angle rows of both line voltages, led by a \"line\" column (low or high; with\n"
    "--al-tolerance also low-worst-case and high-worst-case), the strands in the last column.\n"
    "--build-sheet FILE: the part's build sheet, one HTML page (core, material, wire, how to\n"
    "wind it, the wire to cut with two leads of --lead-length mm, the electrical figures,\n"
    "verdicts and chart, the method's beside them), replaced only once whole; - is standard\n"
    "output. No clock time unless --date TEXT is given. A design that is not published, or\n"
    "whose stored winding does not fit the core, gets none (status 1).\n"
    "A design file's winding that the core does not take is set aside with its reason and\n"
    "the method's winding is checked; a design file's material travels in it by value.\n"
    "Numbers in JSON and CSV are unrounded. Without --json, the text of a run that does not\n"
    "publish goes to standard error.\n"
    "Exit status: 0 checked, 1 not published (rejected or stopped), 2 usage error, a refused\n"
    "material file or winding, 3 with --strict checked and a verdict missed.";

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
  const bool wholeWinding = options.part.winding.turns && options.part.winding.gauge;
  return wholeWinding && record.CalcType == DesignerPicks &&
         outcome.ending == RunEnding::FieldStrength;
}

// A design file's winding that the core could not take, and why, or nothing.
std::string SetAsideText(const CheckedRun& run) {
  if (!run.setAside)
    return {};
  return "The design file's winding (" + WindingRequestText(*run.setAside) +
         ") does not fit this core: " + run.setAsideReason +
         " The method's winding is checked instead.\n\n";
}

nlohmann::ordered_json SetAsideJson(const CheckedRun& run) {
  if (!run.setAside)
    return nullptr;
  nlohmann::ordered_json json;
  json["turns"] = run.setAside->turns ? nlohmann::ordered_json(*run.setAside->turns) : nullptr;
  json["wire"] = run.setAside->gauge ? nlohmann::ordered_json(*run.setAside->gauge) : nullptr;
  json["strands"] = run.setAside->StrandCount();
  json["reason"] = run.setAsideReason;
  return json;
}

nlohmann::ordered_json CheckRunJson(const CheckedRun& run, const DesignRecord& record,
                                    const DesignLimits& limits) {
  const OperatingCheck* check = run.check ? &*run.check : nullptr;
  nlohmann::ordered_json json =
      CheckJson(run.outcome, record, check ? PublishedSummary(record, '.') : ResultSummary{},
                run.material, limits, check);
  json["winding"] = run.givenWinding ? "given" : "method";
  json["strands"] = record.Strands;
  json["method_limits"] = check ? MethodLimitsJson(record) : nlohmann::ordered_json(nullptr);
  json["winding_set_aside"] = SetAsideJson(run);
  return json;
}

// Writes the build sheet whole or not at all; false, with the reason on `err`, when none is
// written.
bool WriteBuildSheet(const CheckOptions& options, const CheckedRun& run, const DesignRecord& record,
                     std::ostream& out, std::ostream& err) {
  if (run.setAside) {
    err << "pfc-core: no build sheet written: the design file's winding ("
        << WindingRequestText(*run.setAside) << ") does not fit this core: " << run.setAsideReason
        << "\n";
    return false;
  }
  const BuildSheetSource source{
      record,         run.method,           *run.check,         run.part,
      options.limits, options.leadLengthMm, options.designFile, options.date.value_or("")};
  const std::string html = BuildSheetHtml(source);
  if (NamesStandardStream(options.buildSheet)) {
    out << html;
    return true;
  }
  const FileWriteResult written = WriteFileAtomically(options.buildSheet, html);
  if (!written.written)
    err << "pfc-core: " << written.Message() << "\n";
  return written.written;
}

// The exit status of a checked design: with --strict, a missed verdict is kVerdictMissed.
int StrictStatus(const CheckOptions& options, const OperatingCheck& check) {
  const auto verdicts = JudgeCheck(check, options.limits);
  const bool misses = std::any_of(verdicts.begin(), verdicts.end(),
                                  [](const VerdictOutcome& v) { return !v.Passes(); });
  return options.strict && misses ? kVerdictMissed : 0;
}

// The check for people: the run's warnings as "design" shows them, without its summary, then
// the check, the given winding and the next step.
std::string CheckedRunText(const CheckOptions& options, const CheckedRun& run,
                           const CoreCatalogue& catalogue, const DesignRecord& record) {
  RunOutcome warnings;
  warnings.messages = run.outcome.messages;
  const std::string origin =
      run.givenWinding ? CheckedWindingOrigin(run.method, record, "the published design", '.')
                       : std::string();
  std::string text = SetAsideText(run) + DesignText(warnings, ResultSummary{}) +
                     CheckText(*run.check, record, options.limits, origin);
  if (run.givenWinding)
    text += GivenWindingText(record);
  DesignRecord scratch;
  return text + CheckNextStepText(*run.check, options.limits,
                                  FormEntries(options.design, catalogue, scratch), '.');
}

}  // namespace

CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue,
                          std::istream& in) {
  CLI::App* check = app.add_subcommand(
      "check", "Design as \"design\" does, then check the winding over the line cycle");
  AddCheckedDesignOptions(*check, options, catalogue, in);
  check->add_flag("--strict", options.strict, "Exit with status 3 when a verdict misses");
  AddOutputFormatFlags(*check, options.format,
                       {.json = "Print one JSON object", .csv = "Print the angle rows as CSV"});
  check->add_option("--build-sheet", options.buildSheet, "Write the part's build sheet (HTML)")
      ->type_name("FILE");
  AddNumberOption(
      *check, "--lead-length", kLeadLengthBounds,
      [&options](double mm) { options.leadLengthMm = mm; },
      "Each lead of the wound part on the build sheet, mm", FormatGeneral(options.leadLengthMm))
      ->type_name("MM");
  check->add_option("--date", options.date, "Print this date on the build sheet")
      ->type_name("TEXT");
  check->footer(kCheckFooter);
  return check;
}

void AddCheckedDesignOptions(CLI::App& command, CheckOptions& options,
                             const CoreCatalogue& catalogue, std::istream& in) {
  AddDesignOptions(command, options.design, catalogue, true);
  CLI::Option* grade = AddGradeOption(
      command, options.part.material.grade,
      "Roll-off grade: the alloy powder's initial permeability (" + RolloffGradeNames() +
          "); by default the grade that matches the core's catalogue inductance factor");
  AddLimitOptions(command, options.limits);
  command
      .add_option_function<std::string>(
          "--material",
          [&options, &in](const std::string& path) {
            MaterialFileRead read = ReadMaterialOption(path, in);
            if (!read.read)
              throw CLI::ValidationError("--material", read.Message());
            options.part.material.own = std::move(read.material);
          },
          "Check with the material of this JSON file instead of a grade (- reads standard "
          "input)")
      ->type_name("FILE")
      ->excludes(grade);
  AddNumberOption(
      command, "--turns", kTurnsBounds,
      [&options](double turns) { options.part.winding.turns = turns; },
      "Check this many turns instead of the method's");
  AddNumberOption(
      command, "--wire", kGaugeBounds,
      [&options](double gauge) { options.part.winding.gauge = gauge; },
      "Check this wire size instead of the method's")
      ->type_name("AWG");
  AddNumberOption(
      command, "--strands", kStrandsBounds,
      [&options](double strands) { options.part.winding.strands = strands; },
      "Wind this many strands of the wire in parallel", "1")
      ->type_name("K");
}

CheckedRun RunCheckedDesign(const CheckOptions& options, const CoreCatalogue& catalogue,
                            const WireTable& wires, DesignRecord& record) {
  CheckedRun run;
  const EntryTexts entries = FormEntries(options.design, catalogue, record);
  run.outcome = RunDesign(entries, record, catalogue, wires, '.');
  run.material = MaterialOfPart(record, options.part.material);
  run.part = PartOfRecord(record, options.part.material, options.part.winding);
  run.method = record;
  if (!HasWoundCore(options, run.outcome, record))
    return run;
  if (options.part.winding.Given()) {
    const PartWound wound = WindPart(record, wires, run.part, options.windingStored);
    if (wound.setAside) {
      run.setAside = options.part.winding;
      run.setAsideReason = wound.applied.message;
      run.part.winding = {};
      if (run.outcome.ending != RunEnding::Published)
        return run;  // a pick the method stops: without the stored winding there is none
    } else if (!wound.applied.Wound()) {
      run.refusal = wound.applied.message;
      return run;
    }
  }
  run.givenWinding = run.part.winding.Given();
  if (run.givenWinding) {
    // The run's messages spoke of the method's winding; the method's limits are now judged
    // on the given one.
    run.outcome = RunOutcome{};
    run.outcome.ending = RunEnding::Published;
    run.outcome.check = "Published";
    run.outcome.entriesPassedChecks = true;
  }
  run.check = CheckOperation(record, run.material, options.limits.alTolerancePercent);
  return run;
}

int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err) {
  const CheckedRun run = RunCheckedDesign(options, catalogue, wires, record);
  if (!run.refusal.empty()) {
    err << "pfc-core: " << run.refusal << "\n";
    return 2;
  }
  const bool sheet = !options.buildSheet.empty();
  if (!run.check) {
    if (sheet)
      err << "pfc-core: no build sheet written: the design is not published\n";
    if (options.format == OutputFormat::Json) {
      nlohmann::ordered_json json = CheckRunJson(run, record, options.limits);
      if (!sheet || !NamesStandardStream(options.buildSheet))
        out << JsonText(json);
    } else {
      err << SetAsideText(run) << DesignText(run.outcome, ResultSummary{});
    }
    return 1;
  }
  if (sheet) {
    if (!WriteBuildSheet(options, run, record, out, err))
      return 1;
    if (NamesStandardStream(options.buildSheet))
      return StrictStatus(options, *run.check);
  }
  switch (options.format) {
    case OutputFormat::Json:
      out << JsonText(CheckRunJson(run, record, options.limits));
      break;
    case OutputFormat::Csv:
      out << OperatingCheckCsv(*run.check, record.Strands);
      break;
    case OutputFormat::Text:
      out << CheckedRunText(options, run, catalogue, record);
      break;
  }
  return StrictStatus(options, *run.check);
}

}  // namespace pfc
