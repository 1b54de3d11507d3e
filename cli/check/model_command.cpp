#include "cli/check/model_command.h"

#include "cli/design/design_text.h"
#include "cli/standard_streams.h"
#include "engine/check/inductor_model.h"
#include "reports/check/inductor_model_text.h"
#include "reports/files/atomic_file.h"

namespace pfc {
namespace {

constexpr const char* kModelFooter =
    "Designs and checks exactly as \"check\" does, then writes the checked winding for a\n"
    "circuit simulator: its flux linkage against current from -Imax to +Imax (odd in the\n"
    "current), Imax being 1.5 x the larger line's peak current or the current where the flux\n"
    "linkage reaches 95 % of its limit, whichever is lower; linear interpolation between the\n"
    "points stays within 0.1 % of the exact flux linkage. The winding resistance at the\n"
    "checked low-line winding temperature goes in series. Comment lines first name the\n"
    "design, the roll-off grade, turns, wire, temperature, range and accuracy.\n"
    "--format ngspice: a .subckt NAME 1 2 to .include and place as X1 a b NAME (its node\n"
    "flux holds the flux linkage); ltspice: a .subckt with an inductor whose Flux= reads the\n"
    "table, and Rser=; plecs: a script setting i_L and psi_L for a saturable inductor, and\n"
    "R_L; csv: current_a, flux_linkage_vs, inductance_h (incremental).\n"
    "--name: the model's name, made safe for the format (default: part number, stack and\n"
    "turns). -o FILE: replaced only once the whole model is written; -o - is standard\n"
    "output.\n"
    "Exit status: 0 written, 1 not published (rejected or stopped; the messages go to\n"
    "standard error) or no model written, 2 usage error.";

std::vector<std::string> FormatNames() {
  std::vector<std::string> names;
  for (const ModelFormatInfo& info : ModelFormats())
    names.emplace_back(info.name);
  return names;
}

}  // namespace

CLI::App* AddModelCommand(CLI::App& app, ModelOptions& options, const CoreCatalogue& catalogue,
                          std::istream& in) {
  CLI::App* model = app.add_subcommand(
      "model", "Design and check as \"check\" does, then write the winding for a simulator");
  AddCheckedDesignOptions(*model, options.check, catalogue, in);
  model->add_option("--format", options.format, "ngspice, ltspice, plecs or csv")
      ->check(CLI::IsMember(FormatNames()))
      ->capture_default_str();
  model->add_option("--name", options.name, "The model's name")->type_name("NAME");
  model->add_option("-o,--output", options.output, "Write the model to this file")
      ->type_name("FILE")
      ->each([&options](const std::string&) { options.outputGiven = true; });
  model->footer(kModelFooter);
  return model;
}

int RunModelCommand(const ModelOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err) {
  if (options.outputGiven && options.output.empty()) {
    err << "pfc-core: -o needs a file name\n";
    return 1;
  }
  const CheckedRun run = RunCheckedDesign(options.check, catalogue, wires, record);
  if (!run.refusal.empty()) {
    err << "pfc-core: " << run.refusal << "\n";
    return 2;
  }
  if (!run.check) {
    err << DesignText(run.outcome, ResultSummary{});
    return 1;
  }
  const InductorModel model = ModelCheckedWinding(record, *run.check);
  if (!model.refusal.empty()) {
    err << "pfc-core: no model written: " << model.refusal << "\n";
    return 1;
  }
  const ModelFormat format = *ModelFormatNamed(options.format);  // the option admits no other
  const std::string text = ModelFileText(
      record, model, format, options.name.empty() ? DefaultModelName(record) : options.name);
  if (!options.outputGiven || NamesStandardStream(options.output)) {
    out << text;
    return 0;
  }
  const FileWriteResult written = WriteFileAtomically(options.output, text);
  if (!written.written) {
    err << "pfc-core: " << written.Message() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace pfc
