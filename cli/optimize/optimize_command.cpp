#include "cli/optimize/optimize_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <thread>

#include "cli/batch/batch_progress.h"
#include "cli/design/design_text.h"
#include "cli/json_text.h"
#include "cli/limit_options.h"
#include "cli/optimize/optimize_json.h"
#include "cli/optimize/optimize_text.h"
#include "cli/optimize/search_progress.h"
#include "engine/check/rolloff_grades.h"
#include "engine/search/explorer.h"
#include "reports/check/known_rolloff_grades.h"
#include "reports/check/material_file.h"
#include "reports/files/design_search_csv.h"

namespace pfc {
namespace {

constexpr const char* kOptimizeFooter =
    "Searches every catalogue core with every stack count of --stacks in every material of\n"
    "--grades and of each --material file (as check reads it) for the windings that work at\n"
    "the entered operating point. Each core is taken\n"
    "in each material as the operating check takes it. The turn counts run from the fewest\n"
    "whose inductance at the low-line peak current reaches --min-inductance up to the most the\n"
    "window holds at the fill factor with the method's wire, and stop early once the total\n"
    "loss has risen for three counts in a row; each takes the method's wire for the current\n"
    "and up to four thicker ones that fit. Every candidate gets the full operating check at\n"
    "both line voltages and is feasible when the inductance at the low-line peak current\n"
    "reaches the share of the target, the checked winding temperature is steady and at most\n"
    "--max-temperature at both lines, the core does not saturate, the winding fits the fill\n"
    "factor and, with --ripple-limit, the ripple at the low-line crest is within it.\n"
    "Rows are sorted by the objective (the total loss at low line, or the wound part's boxed\n"
    "volume ODw²·HTw), then by the other one, part number, stack, material, turns and gauge;\n"
    "\"pareto\" marks the rows no other row beats in both.\n"
    "Output: the best --top rows as a table; --csv and --json: every feasible row, with the\n"
    "columns core, stack, material, permeability, turns, gauge, l_at_ipk_percent,\n"
    "ripple_at_crest_percent, core_loss_w, copper_loss_w, total_loss_w,\n"
    "winding_temperature_c (the worse line's), wound_volume_cm3, fill and pareto; --json\n"
    "adds the search's settings and, when nothing is feasible, \"near_misses\" with the limits\n"
    "each breaks. Each row is reproduced by pfc-core check --pick CORE --stack S --grade G\n"
    "--turns N --wire AWG (--material FILE for a material of one's own). On a terminal,\n"
    "progress goes to standard error.\n"
    "Exit status: 0 designs found, 1 rejected by an input check or nothing feasible (the\n"
    "five nearest misses are listed), 2 usage error or a material file that cannot be used.";

bool ReadWhole(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  return parsed.ec == std::errc() && parsed.ptr == end;
}

// "all", or grades separated by commas.
std::string CheckGrades(std::string& text) {
  if (text == "all")
    return {};
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    int grade = 0;
    if (!ReadWhole(item, grade) || !IsKnownRolloffGrade(grade))
      return "\"" + item + "\" is not a roll-off grade (" + KnownRolloffGradesText() +
             ") nor \"all\"";
    start = comma + 1;
  }
  return {};
}

// "A-B" with 1 ≤ A ≤ B ≤ 9, or one stack count.
bool ReadStacks(const std::string& text, int& first, int& last) {
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) {
    if (!ReadWhole(text, first))
      return false;
    last = first;
  } else if (!ReadWhole(text.substr(0, dash), first) || !ReadWhole(text.substr(dash + 1), last)) {
    return false;
  }
  return 1 <= first && first <= last && last <= kMostCoresToStack;
}

std::string CheckStacks(std::string& text) {
  int first = 0;
  int last = 0;
  if (ReadStacks(text, first, last))
    return {};
  return "\"" + text + "\" is not a range of stack counts A-B from 1 to " +
         std::to_string(kMostCoresToStack);
}

int Threads(int asked) {
  if (asked > 0)
    return asked;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace

CLI::App* AddOptimizeCommand(CLI::App& app, OptimizeOptions& options,
                             const CoreCatalogue& catalogue) {
  CLI::App* optimize = app.add_subcommand(
      "optimize", "Search every core, stack, material, turn count and wire for designs that work");
  AddDesignOptions(*optimize, options.design, catalogue, false);
  optimize
      ->add_option("--grades", options.grades,
                   "The materials to search: roll-off grades separated by commas, or all")
      ->type_name("LIST|all")
      ->check(CLI::Validator(CheckGrades, ""));
  optimize
      ->add_option("--material", options.materialFiles,
                   "Search also the material of this JSON file (repeatable)")
      ->type_name("FILE");
  optimize->add_option("--stacks", options.stacks, "The stack counts to search")
      ->type_name("A-B")
      ->check(CLI::Validator(CheckStacks, ""));
  AddLimitOptions(*optimize, options.limits);
  optimize->add_option("--objective", options.objective, "What the rows are sorted by first")
      ->check(CLI::IsMember({"loss", "volume"}));
  optimize->add_option("--top", options.top, "How many rows the table shows (default 20)")
      ->check(CLI::PositiveNumber);
  optimize->add_option("--threads", options.threads, "Threads to search on (default: one per core)")
      ->check(CLI::PositiveNumber);
  CLI::Option* json =
      optimize->add_flag("--json", options.json, "Print every feasible row as JSON");
  CLI::Option* csv = optimize->add_flag("--csv", options.csv, "Print every feasible row as CSV");
  json->excludes(csv);
  optimize->footer(kOptimizeFooter);
  return optimize;
}

OptimizeSearch OptimizeRequest(const OptimizeOptions& options) {
  OptimizeSearch search;
  SearchRequest& request = search.request;
  for (const RolloffGrade& grade : RolloffGrades()) {
    const std::string name = std::to_string(grade.permeability);
    const std::string list = "," + options.grades + ",";
    if (options.grades == "all" || list.find("," + name + ",") != std::string::npos) {
      request.materials.emplace_back(grade);
      search.checkMaterial.push_back("--grade " + name);
    }
  }
  for (const std::string& path : options.materialFiles) {
    const MaterialFileRead read = ReadMaterialFile(path);
    if (!read.read) {
      search.refusal = read.Message();
      return search;
    }
    request.materials.push_back(read.material);
    search.checkMaterial.push_back("--material " + path);
  }
  int first = 1;
  int last = kMostCoresToStack;
  ReadStacks(options.stacks, first, last);
  request.firstStack = static_cast<std::int16_t>(first);
  request.lastStack = static_cast<std::int16_t>(last);
  request.limits = options.limits;
  request.objective =
      options.objective == "volume" ? SearchObjective::Volume : SearchObjective::Loss;
  request.threads = Threads(options.threads);
  return search;
}

int RunOptimizeCommand(const OptimizeOptions& options, const CoreCatalogue& catalogue,
                       const WireTable& wires, const DesignRecord& record, std::ostream& out,
                       std::ostream& err) {
  const OptimizeSearch asked = OptimizeRequest(options);
  if (!asked.refusal.empty()) {
    err << "pfc-core: " << asked.refusal << "\n";
    return 2;
  }
  const SearchRequest& request = asked.request;
  std::optional<SearchProgressBar> bar;
  if (IsTerminalStandardError(err))
    bar.emplace(err);
  const DesignSearch search =
      SearchDesigns(options.design.entries, record, catalogue, wires, request,
                    bar ? SearchProgressSink([&bar](const SearchProgress& p) { bar->Update(p); })
                        : SearchProgressSink());
  if (bar)
    bar->Finish();
  if (search.rejected) {
    RunOutcome rejection;
    rejection.messages.push_back(search.message);
    rejection.focus = search.focus;
    err << DesignText(rejection, ResultSummary{});
    return 1;
  }
  if (options.json)
    out << JsonText(SearchJson(search, request));
  else if (options.csv)
    out << SearchCandidatesCsv(search.feasible);
  else
    out << SearchText(search, request, asked.checkMaterial, static_cast<std::size_t>(options.top));
  if (search.feasible.empty() && options.csv)
    err << SearchText(search, request, asked.checkMaterial, 0);
  return search.feasible.empty() ? 1 : 0;
}

}  // namespace pfc
