#include "cli/optimize/optimize_command.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "cli/batch/batch_progress.h"
#include "cli/check/grade_option.h"
#include "cli/design/design_text.h"
#include "cli/json_text.h"
#include "cli/limit_options.h"
#include "cli/number_option.h"
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
    "loss has risen for three counts in a row; each takes the five thickest wires by copper\n"
    "area that fit, among every gauge in 1 to 4 strands in parallel with at least the copper\n"
    "of the method's wire for the current. Every candidate gets the full operating check at\n"
    "both line voltages and is feasible when the inductance at the low-line peak current\n"
    "reaches the share of the target, the checked winding temperature is steady and at most\n"
    "--max-temperature at both lines, the core does not saturate, the winding fits the fill\n"
    "factor and, with --ripple-limit, the ripple at the low-line crest is within it.\n"
    "Rows are sorted by the objective (the total loss at low line, or the wound part's boxed\n"
    "volume ODw²·HTw), then by the other one, part number, stack, material, turns, gauge and\n"
    "strands; \"pareto\" marks the rows no other row beats in both.\n"
    "Output: the best --top rows as a table; --csv and --json: every feasible row, with the\n"
    "columns core, stack, material, permeability, turns, gauge, l_at_ipk_percent,\n"
    "ripple_at_crest_percent, core_loss_w, copper_loss_w, total_loss_w,\n"
    "winding_temperature_c (the worse line's), wound_volume_cm3, fill, pareto and strands;\n"
    "--json adds the search's settings and, when nothing is feasible, \"near_misses\" with\n"
    "the limits each breaks. Each row is reproduced by pfc-core check --pick CORE --stack S\n"
    "--grade G --turns N --wire AWG --strands K (--material FILE for a material of one's\n"
    "own). On a terminal, progress goes to standard error.\n"
    "Exit status: 0 designs found, 1 rejected by an input check or nothing feasible (the\n"
    "five nearest misses are listed), 2 usage error or a material file that cannot be used.";

// The table's rows and the search's threads: a count, up to what a terminal or a machine
// holds.
constexpr NumberBounds kTopBounds{1, 1000000, true, true, "rows"};
constexpr NumberBounds kThreadsBounds{1, 1024, true, true, "threads"};
constexpr NumberBounds kStackBounds{1, kMostCoresToStack, true, true, "cores"};
constexpr NumberBounds kGradeBounds{.whole = true};

bool ReadWhole(const std::string& text, int& value) {
  const NumberReading reading = ReadNumber(text, kGradeBounds);
  if (!reading.value || std::abs(*reading.value) > 1e9)
    return false;
  value = static_cast<int>(*reading.value);
  return true;
}

// The grades of a list separated by commas, 0 for an item that is no whole number.
std::vector<int> ListedGrades(const std::string& text) {
  std::vector<int> grades;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    int grade = 0;
    grades.push_back(ReadWhole(text.substr(start, comma - start), grade) ? grade : 0);
    start = comma + 1;
  }
  return grades;
}

// "all", or grades separated by commas.
std::string CheckGrades(std::string& text) {
  if (text == "all")
    return {};
  const std::vector<int> grades = ListedGrades(text);
  std::size_t start = 0;
  for (const int grade : grades) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    if (!IsKnownRolloffGrade(grade))
      return "\"" + text.substr(start, comma - start) + "\" is not a roll-off grade (" +
             KnownRolloffGradesText() + ") nor \"all\"";
    start = comma + 1;
  }
  return {};
}

// "A-B" with 1 ≤ A ≤ B ≤ 9, or one stack count; the refusal of the first bad count or of the
// order.
std::string ReadStacks(const std::string& text, int& first, int& last) {
  const std::size_t dash = text.find('-');
  const std::string firstText = text.substr(0, dash);
  const std::string lastText = dash == std::string::npos ? firstText : text.substr(dash + 1);
  const NumberReading low = ReadNumber(firstText, kStackBounds);
  if (!low.value)
    return low.refusal;
  const NumberReading high = ReadNumber(lastText, kStackBounds);
  if (!high.value)
    return high.refusal;
  first = static_cast<int>(*low.value);
  last = static_cast<int>(*high.value);
  if (first > last)
    return "\"" + text + "\" runs backwards; enter the fewer cores first (A-B)";
  return {};
}

std::string CheckStacks(std::string& text) {
  int first = 0;
  int last = 0;
  return ReadStacks(text, first, last);
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
  AddNumberOption(*optimize, "--top", options.top, kTopBounds, "How many rows the table shows");
  AddNumberOption(
      *optimize, "--threads", kThreadsBounds,
      [&options](double threads) { options.threads = static_cast<int>(threads); },
      "Threads to search on (default: one per core)");
  AddOutputFormatFlags(
      *optimize, options.format,
      {.json = "Print every feasible row as JSON", .csv = "Print every feasible row as CSV"});
  optimize->footer(kOptimizeFooter);
  return optimize;
}

OptimizeSearch OptimizeRequest(const OptimizeOptions& options, std::istream& in) {
  OptimizeSearch search;
  SearchRequest& request = search.request;
  const std::vector<int> listed = ListedGrades(options.grades);
  for (const RolloffGrade& grade : RolloffGrades()) {
    const std::string name = std::to_string(grade.permeability);
    if (options.grades == "all" || std::ranges::count(listed, grade.permeability) > 0) {
      request.materials.emplace_back(grade);
      search.checkMaterial.push_back("--grade " + name);
    }
  }
  for (const std::string& path : options.materialFiles) {
    const MaterialFileRead read = ReadMaterialOption(path, in);
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
                       const WireTable& wires, const DesignRecord& record, std::istream& in,
                       std::ostream& out, std::ostream& err) {
  const OptimizeSearch asked = OptimizeRequest(options, in);
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
  switch (options.format) {
    case OutputFormat::Json:
      out << JsonText(SearchJson(search, request));
      break;
    case OutputFormat::Csv:
      out << SearchCandidatesCsv(search.feasible);
      break;
    case OutputFormat::Text:
      out << SearchText(search, request, asked.checkMaterial,
                        static_cast<std::size_t>(options.top));
      break;
  }
  if (search.feasible.empty() && options.format == OutputFormat::Csv)
    err << SearchText(search, request, asked.checkMaterial, 0);
  return search.feasible.empty() ? 1 : 0;
}

}  // namespace pfc
