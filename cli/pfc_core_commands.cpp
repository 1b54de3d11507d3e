#include "cli/pfc_core_commands.h"

#include <memory>

#include "cli/batch/batch_command.h"
#include "cli/check/check_command.h"
#include "cli/check/model_command.h"
#include "cli/design/cores_option.h"
#include "cli/design/design_command.h"
#include "cli/design/design_inputs_file.h"
#include "cli/explore/explore_command.h"
#include "cli/material/material_command.h"
#include "cli/optimize/optimize_command.h"

namespace pfc {
namespace {

// A command's options and the command line's handle on it, shared by its add and its run.
template <typename Options>
struct CommandState {
  Options options;
  CLI::App* command = nullptr;
};

template <typename Options>
using AddFunction = CLI::App* (*)(CLI::App&, Options&, CommandContext&);
template <typename Options>
using RunFunction = int (*)(Options&, const CLI::App&, CommandContext&, std::ostream&);

template <typename Options>
PfcCoreCommand Command(AddFunction<Options> add, RunFunction<Options> run) {
  auto state = std::make_shared<CommandState<Options>>();
  return {[state, add](CLI::App& app, CommandContext& context) {
            state->command = add(app, state->options, context);
            return state->command;
          },
          [state, run](CommandContext& context, std::ostream& commandOut) {
            return run(state->options, *state->command, context, commandOut);
          }};
}

CLI::App* AddDesign(CLI::App& app, DesignCommand& designing, CommandContext& context) {
  return AddDesignCommand(app, designing, context.session, context.streams);
}

int RunDesign(DesignCommand& designing, const CLI::App&, CommandContext& context,
              std::ostream& commandOut) {
  return RunDesigning(designing, context.session, commandOut, context.streams.out, context.err);
}

CLI::App* AddExplore(CLI::App& app, ExploreCommand& exploring, CommandContext& context) {
  return AddExploreCommand(app, exploring, context.session, context.streams);
}

int RunExplore(ExploreCommand& exploring, const CLI::App&, CommandContext& context,
               std::ostream& commandOut) {
  return RunExploreCommand(exploring, context.session, commandOut, context.err);
}

CLI::App* AddBatch(CLI::App& app, BatchOptions& options, CommandContext& context) {
  CLI::App* batch = AddBatchCommand(app, options);
  AddCoresOption(*batch, context.session, context.streams.in);
  return batch;
}

int RunBatch(BatchOptions& options, const CLI::App&, CommandContext& context,
             std::ostream& commandOut) {
  DesignSession& session = context.session;
  return RunBatchCommand(options, DesignTables{session.catalogue, session.wires, session.record},
                         context.streams.in, commandOut, context.err);
}

// A checked design (check, model) may come from a design file, with its part and limits, and
// be checked on a catalogue file.
void AddCheckedDesignFiles(CLI::App& command, CheckOptions& options, CommandContext& context) {
  AddInputsFileOptions(command, options.design, context.session, context.streams, &options.part,
                       &options.limits, &options.windingStored);
  AddCoresOption(command, context.session, context.streams.in);
}

CLI::App* AddCheck(CLI::App& app, CheckOptions& options, CommandContext& context) {
  CLI::App* check = AddCheckCommand(app, options, context.session.catalogue, context.streams.in);
  AddCheckedDesignFiles(*check, options, context);
  return check;
}

int RunCheck(CheckOptions& options, const CLI::App& check, CommandContext& context,
             std::ostream& commandOut) {
  DesignSession& session = context.session;
  options.designFile = InputsFileName(check);
  return RunCheckCommand(options, session.catalogue, session.wires, session.record, commandOut,
                         context.err);
}

CLI::App* AddModel(CLI::App& app, ModelOptions& options, CommandContext& context) {
  CLI::App* model = AddModelCommand(app, options, context.session.catalogue, context.streams.in);
  AddCheckedDesignFiles(*model, options.check, context);
  return model;
}

int RunModel(ModelOptions& options, const CLI::App&, CommandContext& context,
             std::ostream& commandOut) {
  DesignSession& session = context.session;
  return RunModelCommand(options, session.catalogue, session.wires, session.record, commandOut,
                         context.err);
}

CLI::App* AddOptimize(CLI::App& app, OptimizeOptions& options, CommandContext& context) {
  CLI::App* optimize = AddOptimizeCommand(app, options, context.session.catalogue);
  AddInputsFileOptions(*optimize, options.design, context.session, context.streams, nullptr,
                       &options.limits);
  AddCoresOption(*optimize, context.session, context.streams.in);
  return optimize;
}

int RunOptimize(OptimizeOptions& options, const CLI::App&, CommandContext& context,
                std::ostream& commandOut) {
  DesignSession& session = context.session;
  return RunOptimizeCommand(options, session.catalogue, session.wires, session.record,
                            context.streams.in, commandOut, context.err);
}

CLI::App* AddCores(CLI::App& app, CoresCommand& cores, CommandContext& context) {
  AddCoresCommand(app, cores);
  AddCoresOption(*cores.command, context.session, context.streams.in);
  return cores.command;
}

int RunCores(CoresCommand& cores, const CLI::App&, CommandContext& context,
             std::ostream& commandOut) {
  return RunCoresCommand(cores, context.session.catalogue, commandOut);
}

CLI::App* AddMaterial(CLI::App& app, MaterialCommand& material, CommandContext&) {
  return AddMaterialCommand(app, material);
}

int RunMaterial(MaterialCommand& material, const CLI::App&, CommandContext& context,
                std::ostream& commandOut) {
  return RunMaterialFitCommand(material.options, {context.streams.in, commandOut}, context.err);
}

}  // namespace

std::vector<PfcCoreCommand> PfcCoreCommands() {
  // "cores" follows the commands that take --cores, which its help names.
  return {Command<DesignCommand>(AddDesign, RunDesign),
          Command<ExploreCommand>(AddExplore, RunExplore),
          Command<BatchOptions>(AddBatch, RunBatch),
          Command<CheckOptions>(AddCheck, RunCheck),
          Command<ModelOptions>(AddModel, RunModel),
          Command<OptimizeOptions>(AddOptimize, RunOptimize),
          Command<CoresCommand>(AddCores, RunCores),
          Command<MaterialCommand>(AddMaterial, RunMaterial)};
}

}  // namespace pfc
