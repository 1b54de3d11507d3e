#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <ostream>
#include <string>

#include "cli/batch/batch_rows.h"
#include "engine/check/design_limits.h"
#include "engine/check/rolloff_grades.h"

namespace pfc {

struct BatchOptions {
  std::string input;   // "-": standard input
  std::string output;  // empty or "-": standard output
  bool check = false;
  int grade = kDefaultRolloffGrade;
  DesignLimits limits;  // the check's verdicts (AddLimitOptions, with --check)
  double strands = 1;   // of the method's wire in parallel, in the check (--strands)
};

// Adds `batch IN.csv [--check] [--grade G] [--strands K] [limits] [-o OUT.csv]` to the
// program.
CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options);

// Designs every row of the input; the exit status: 0 every row published, 1 a row did not or
// a file could not be read or written to the end, 2 usage error.
int RunBatchCommand(const BatchOptions& options, const DesignTables& tables, std::istream& in,
                    std::ostream& out, std::ostream& err);

}  // namespace pfc
