#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/pfc_core_app.h"

namespace pfc {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs pfc-core in-process with the given arguments (the program name is added) and
// standard input.
inline CliResult RunCli(std::vector<std::string> args, const std::string& input = "") {
  args.insert(args.begin(), "pfc-core");
  std::vector<const char*> argv;
  for (const std::string& arg : args)
    argv.push_back(arg.c_str());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.status = RunPfcCore(static_cast<int>(argv.size()), argv.data(), in, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace pfc
