#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/design/design_options.h"
#include "cli/output_format.h"
#include "engine/catalogue/catalogue.h"
#include "engine/record/design_record.h"
#include "engine/search/design_search.h"

namespace pfc {

struct OptimizeOptions {
  DesignOptions design;
  std::string grades = "all";
  std::vector<std::string> materialFiles;  // materials of one's own, beside the grades
  std::string stacks = "1-9";
  DesignLimits limits;  // AddLimitOptions
  std::string objective = "loss";
  int top = 20;
  OutputFormat format = OutputFormat::Text;  // --json, --csv
  int threads = 0;                           // 0: one per core
};

// Adds "optimize" to pfc-core: every option of "design" but --pick, plus the search's own.
CLI::App* AddOptimizeCommand(CLI::App& app, OptimizeOptions& options,
                             const CoreCatalogue& catalogue);

// The search the options ask for, its materials' check options ("--grade 60", "--material
// FILE") beside it; the options' texts were validated by the parser. Empty with the reason
// in `refusal` when a material file cannot be used. A material file "-" is read from `in`.
struct OptimizeSearch {
  SearchRequest request;
  std::vector<std::string> checkMaterial;
  std::string refusal;
};
OptimizeSearch OptimizeRequest(const OptimizeOptions& options, std::istream& in);

// Searches and prints the best rows (text), or every feasible row (--json, --csv). Exit
// status 0 found, 1 rejected by an input check or nothing feasible, 2 a material file that
// cannot be used.
int RunOptimizeCommand(const OptimizeOptions& options, const CoreCatalogue& catalogue,
                       const WireTable& wires, const DesignRecord& record, std::istream& in,
                       std::ostream& out, std::ostream& err);

}  // namespace pfc
