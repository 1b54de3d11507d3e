#include "tests/simulator/simulated_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/check/check_command.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/design_run.h"
#include "engine/method/design_session.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"

namespace pfc::test {

DefaultDesign::DefaultDesign() {
  DesignSession session;
  LoadDesignTables(session);
  session.record.CalcType = CalcSelects;
  RunDesign(EntryTexts(), session.record, session.catalogue, session.wires);
  record = session.record;
  check = CheckOperation(record, GradeMaterialFor(record, CheckOptions{}.part.material.grade));
}

RolloffInductor DefaultDesign::Winding() const {
  return CheckedInductor(record, check.material);
}

std::string DefaultDesign::Model(const std::string& format) {
  const CliResult result = RunCli({"model", "--format", format});
  EXPECT_EQ(result.status, 0) << result.err;
  return result.out;
}

Simulation RunNgspice(const std::filesystem::path& folder,
                      const std::vector<std::pair<std::string, std::string>>& files) {
  Simulation simulation;
  if (std::system("command -v ngspice > /dev/null 2>&1") != 0) {
    ADD_FAILURE() << "ngspice is missing: run scripts/setup.sh";
    return simulation;
  }
  for (const auto& [name, text] : files)
    WriteFile(folder / name, text);
  const std::filesystem::path log = folder / "ngspice.log";
  const std::string command = "cd '" + folder.string() + "' && ngspice -b '" + files.front().first +
                              "' > '" + log.string() + "' 2>&1";
  simulation.ran = std::system(command.c_str()) == 0;
  simulation.log = ReadFile(log);
  static const std::regex kMeasure(R"(^\s*([a-z_0-9]+)\s*=\s*([-+0-9.eE]+)(\s.*)?$)");
  std::istringstream lines(simulation.log);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_match(line, match, kMeasure))
      simulation.measures[match[1]] = std::stod(match[2]);
  }
  return simulation;
}

double CurrentRise(const RolloffInductor& winding, double from, double voltSeconds) {
  double low = 0;
  double high = voltSeconds / winding.Inductance(from);  // too little: L only falls
  while (winding.FluxLinkageBetween(from, from + high) < voltSeconds)
    high *= 2;
  for (int step = 0; step < 200 && high - low > 1e-14 * high; ++step) {
    const double middle = low + (high - low) / 2;
    (winding.FluxLinkageBetween(from, from + middle) < voltSeconds ? low : high) = middle;
  }
  return low + (high - low) / 2;
}

}  // namespace pfc::test
