#include "cli/material/material_command.h"

#include <limits>

#include "cli/number_option.h"
#include "engine/check/material.h"
#include "engine/check/material_fit.h"
#include "engine/record/number_text.h"
#include "reports/check/material_file.h"
#include "reports/check/material_fit_text.h"
#include "reports/files/atomic_file.h"

namespace pfc {
namespace {

constexpr const char* kFitFooter =
    "POINTS.csv holds the DC-bias curve read off a datasheet: a header naming the columns h\n"
    "(the field, in Oe unless --field-unit a/m) and percent (the % of the initial\n"
    "permeability left), then a point per line. The fit finds b and c of\n"
    "F = 1/(1 + 100·b·H^c), H in A/m, with the least sum of squared differences in\n"
    "percentage points, starting from the straight line of log(1/F - 1) against log H.\n"
    "--loss LOSS.csv adds the loss under a sine flux: columns f_khz, b_mt (the peak flux\n"
    "density) and w_per_kg or mw_per_cm3 (which needs --density); k, alpha and beta of\n"
    "k·(f/kHz)^alpha·(B/T)^beta W/kg are fitted on the logarithms.\n"
    "The material file (JSON, as --material of check reads it) goes to -o FILE, replacing it\n"
    "only once it is whole, or to standard output. A table of the points with the fitted\n"
    "values and their deviations, and the rms and largest deviation, goes to standard output,\n"
    "or to standard error while the material file takes standard output.\n"
    "Refused, naming the line and column: fewer than 3 points (6 loss points), a field of 0\n"
    "or less, a percent outside (0, 100], a number that is not finite, loss points all at one\n"
    "frequency or one flux density, a file over 64 KiB, empty, binary or not CSV; and a fit\n"
    "with c of 1 or less, or one a material file may not hold.\n"
    "Exit status: 0 written, 1 refused points, no usable fit or a file not written, 2 usage\n"
    "error.";

// The names of the field's units on the command line.
constexpr const char* kOersted = "oe";
constexpr const char* kAmperesPerMetre = "a/m";

// A density is above 0; a permeability within the range a material file admits.
constexpr NumberBounds kDensityBounds{0, std::numeric_limits<double>::infinity(), false, false,
                                      "g/cm³"};

NumberBounds PermeabilityBounds() {
  const MaterialRange range = MaterialNumberRange(MaterialNumber::Permeability, 0);
  return NumberBounds{range.low, range.high, !range.lowExcluded, false, {}};
}

int Refuse(std::ostream& err, const std::string& problem) {
  err << "pfc-core: " << problem << "\n";
  return 1;
}

// The loss fit of the options' loss points, or the problem with them.
LossFit FitLossPoints(const MaterialFitOptions& options, std::vector<LossPoint>& points) {
  PointsRead<LossPoint> read = ReadLossPointsFile(options.lossPoints, options.density);
  if (!read.read) {
    LossFit refused;
    refused.problem = std::move(read.problem);
    return refused;
  }
  points = std::move(read.points);
  LossFit fit = FitCoreLoss(points);
  if (!fit.fitted)
    fit.problem = options.lossPoints + ": " + fit.problem;
  return fit;
}

}  // namespace

CLI::App* AddMaterialCommand(CLI::App& app, MaterialCommand& material) {
  CLI::App* command = app.add_subcommand("material", "Materials of one's own for --material");
  command->require_subcommand(1);
  CLI::App* fit = command->add_subcommand(
      "fit", "Fit a material file to a supplier's DC-bias curve and, if given, its loss");
  MaterialFitOptions& options = material.options;
  fit->add_option("POINTS", options.points, "The DC-bias points: CSV columns h and percent")
      ->required()
      ->type_name("POINTS.csv");
  AddNumberOption(*fit, "--permeability", options.permeability, PermeabilityBounds(),
                  "The initial relative permeability")
      ->required()
      ->type_name("MU");
  fit->add_option("--name", options.name, "The material's name, as the check shows it")
      ->required()
      ->type_name("NAME");
  fit->add_option("-o,--output", options.output, "Write the material file here")->type_name("FILE");
  fit->add_option_function<std::string>(
         "--field-unit",
         [&options](const std::string& unit) {
           // The check admits the names in any case and passes them on as written.
           options.fieldUnit = CLI::detail::to_lower(unit) == kAmperesPerMetre
                                   ? FieldUnit::AmperesPerMetre
                                   : FieldUnit::Oersted;
         },
         "The unit of the points' field (default oe)")
      ->check(CLI::IsMember({kOersted, kAmperesPerMetre}, CLI::ignore_case))
      ->type_name("UNIT");
  fit->add_option("--loss", options.lossPoints,
                  "The loss points: CSV columns f_khz, b_mt and w_per_kg or mw_per_cm3")
      ->type_name("LOSS.csv");
  AddNumberOption(*fit, "--density", options.density, kDensityBounds,
                  "The material's density in g/cm³, for a loss per volume")
      ->type_name("G_PER_CM3");
  fit->footer(kFitFooter);
  material.fit = fit;
  return command;
}

int RunMaterialFitCommand(const MaterialFitOptions& options, StandardStreams streams,
                          std::ostream& err) {
  const PointsRead<RolloffPoint> read = ReadRolloffPointsFile(options.points, options.fieldUnit);
  if (!read.read)
    return Refuse(err, read.problem);
  const RolloffFit fit = FitRolloff(read.points);
  if (!fit.fitted)
    return Refuse(err, options.points + ": " + fit.problem);
  Material material;
  material.name = options.name;
  material.permeability = options.permeability;
  material.b = fit.b;
  material.c = fit.c;
  const bool withLoss = !options.lossPoints.empty();
  std::vector<LossPoint> lossPoints;
  const LossFit loss = withLoss ? FitLossPoints(options, lossPoints) : LossFit{};
  if (withLoss && !loss.fitted)
    return Refuse(err, loss.problem);
  if (withLoss)
    material.loss = loss.fit;
  const NewMaterialFile file = NewMaterialFileText(material, withLoss);
  if (!file.written)
    return Refuse(err, file.problem);
  const std::string& text = file.text;
  std::string table = RolloffFitText(material, read.points, options.fieldUnit, fit);
  if (withLoss)
    table += LossFitText(lossPoints, loss);
  if (options.output.empty() || NamesStandardStream(options.output)) {
    streams.out << text;
    err << table;
    return 0;
  }
  const FileWriteResult written = WriteFileAtomically(options.output, text);
  if (!written.written)
    return Refuse(err, written.Message());
  streams.out << table << "\nWritten to " << options.output << "\n";
  return 0;
}

}  // namespace pfc
