#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/check/rolloff_inductor.h"
#include "engine/record/design_record.h"

namespace pfc::test {

// The default design as "pfc-core model" makes it, with its check and the exact winding.
struct DefaultDesign {
  DefaultDesign();
  DesignRecord record;
  OperatingCheck check;
  RolloffInductor Winding() const;
  // `pfc-core model` of this design in one format.
  static std::string Model(const std::string& format);
};

// What ngspice measured: each .meas value by its name; `log` holds its whole output.
struct Simulation {
  bool ran = false;
  std::string log;
  std::map<std::string, double> measures;
};

// Writes the files into `folder` and runs the netlist (the first file) through ngspice in
// batch mode. Fails the calling test, saying how to install it, when ngspice is missing.
Simulation RunNgspice(const std::filesystem::path& folder,
                      const std::vector<std::pair<std::string, std::string>>& files);

// The increase Δ ≥ 0 of the current from `from` with λ(from + Δ) − λ(from) = voltSeconds.
double CurrentRise(const RolloffInductor& winding, double from, double voltSeconds);

}  // namespace pfc::test
