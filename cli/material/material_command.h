#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/standard_streams.h"
#include "engine/check/material_points.h"

namespace pfc {

struct MaterialFitOptions {
  std::string points;      // the DC-bias points' file, "-" for standard input
  std::string lossPoints;  // the loss points' file; empty for none
  double permeability = 0;
  std::string name;
  std::string output;  // the material file; empty or "-" for standard output
  FieldUnit fieldUnit = FieldUnit::Oersted;
  std::optional<double> density;  // g/cm³
};

// "pfc-core material fit": a material file fitted to a supplier's curves.
struct MaterialCommand {
  CLI::App* fit = nullptr;
  MaterialFitOptions options;
};
// Returns "material", whose one sub-command is "fit".
CLI::App* AddMaterialCommand(CLI::App& app, MaterialCommand& material);

// Reads the points, fits them and writes the material file, which is read back as --material
// reads it before it is written. The fit's table goes to standard output, or to standard
// error while the material file takes standard output. Exit status 0 written, 1 points that
// are refused or give no usable material, or a file that cannot be written.
int RunMaterialFitCommand(const MaterialFitOptions& options, StandardStreams streams,
                          std::ostream& err);

}  // namespace pfc
