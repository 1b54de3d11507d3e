#include "cli/design/design_inputs_file.h"

#include <filesystem>
#include <memory>
#include <string>

#include "cli/design/design_entry_names.h"
#include "cli/limit_options.h"
#include "reports/files/design_catalogue.h"
#include "reports/files/design_file.h"

namespace pfc {
namespace {

constexpr const char* kFooter =
    "--inputs FILE starts from the entries of a design file (.pfcdesign); an option given on\n"
    "the command line overrides its entry. --save-inputs FILE writes the entries the command\n"
    "runs with, replacing FILE only once it is whole. A design file that cannot be read is a\n"
    "usage error (status 2); one that cannot be saved ends with status 1 before the run.\n"
    "--inputs - reads the design file from standard input; --save-inputs - writes it to\n"
    "standard output instead of the command's own output.\n"
    "A design saved on a catalogue of one's own (--cores) runs on that catalogue again unless\n"
    "--cores is given; when the catalogue is missing or has changed, that is a usage error.";

struct InputsFile {
  std::string inputsPath;
  std::string savePath;
  DesignLimits limits;
  BuiltPart part;
};

bool Given(CLI::App& command, const std::string& option) {
  const CLI::Option* found = command.get_option_no_throw(option);
  return found != nullptr && found->count() > 0;
}

void TakeFileEntries(CLI::App& command, const DesignFile& file, DesignOptions& options,
                     const std::string& path) {
  for (const DesignEntryName& entry : DesignEntryNames()) {
    if (entry.text == nullptr || Given(command, std::string("--") + entry.name))
      continue;
    const std::string& text = entry.text->TextIn(file.entries);
    const std::string refusal = EntryOptionChecks(command, entry).Refusal(text);
    if (!refusal.empty())
      throw CLI::ValidationError("--inputs", std::string(path).append(": ").append(refusal));
    entry.text->TextIn(options.entries) = text;
  }
  if (!Given(command, "--pick")) {
    options.entries.pickCore = file.entries.pickCore;
    options.entries[Entry::CoreSize] = file.entries[Entry::CoreSize];
  }
}

DesignFileRead ReadInputsFile(const std::string& path, std::istream& in) {
  if (!NamesStandardStream(path))
    return ReadDesignFile(path);
  std::string bytes;
  const bool whole = ReadBoundedStream(in, kDesignFileMaxBytes, bytes);
  DesignFileRead read;
  if (in.bad()) {
    read.reason = "it could not be read to the end";
  } else if (!whole) {
    read.reason = "it is longer than a design file can be (1 MiB)";
  } else {
    read = DesignFileFromText(bytes);
  }
  read.path = "standard input";
  return read;
}

FileWriteResult SaveInputsFile(const std::string& path, const DesignFile& design,
                               std::ostream& out) {
  if (!NamesStandardStream(path))
    return WriteDesignFile(path, design);
  FileWriteResult result;
  result.path = "standard output";
  out << DesignFileText(design) << std::flush;
  result.written = out.good();
  if (!result.written)
    result.reason = "the output was closed";
  return result;
}

void TakeFileCatalogue(CLI::App& command, const DesignFile& file, DesignSession& session,
                       const std::string& path) {
  if (file.cores.BuiltIn() || Given(command, "--cores"))
    return;
  CatalogueRead read = ReadDesignCatalogue(file.cores, path);
  if (!read.read)
    throw CLI::ValidationError("--inputs", path + ": " + read.problem);
  UseCoreCatalogue(session, std::move(read.catalogue), std::move(read.origin));
}

// The file's material and winding, each part of them unless an option gave it.
void TakeFilePart(CLI::App& command, const BuiltPart& file, BuiltPart& part, bool* windingStored) {
  if (!Given(command, "--grade") && !Given(command, "--material"))
    part.material = file.material;
  const bool turns = Given(command, "--turns");
  const bool wire = Given(command, "--wire");
  const bool strands = Given(command, "--strands");
  if (!turns)
    part.winding.turns = file.winding.turns;
  if (!wire)
    part.winding.gauge = file.winding.gauge;
  if (!strands)
    part.winding.strands = file.winding.strands;
  if (windingStored != nullptr)
    *windingStored = !turns && !wire && !strands && file.winding.Given();
}

}  // namespace

std::string InputsFileName(const CLI::App& command) {
  const CLI::Option* inputs = command.get_option_no_throw("--inputs");
  if (inputs == nullptr || inputs->count() == 0)
    return {};
  const std::string path = inputs->as<std::string>();
  if (NamesStandardStream(path))
    return {};
  return std::filesystem::path(path).filename().string();
}

void AddInputsFileOptions(CLI::App& command, DesignOptions& options, DesignSession& session,
                          StandardStreams streams, BuiltPart* part, DesignLimits* limits,
                          bool* windingStored) {
  auto state = std::make_shared<InputsFile>();
  command
      .add_option("--inputs", state->inputsPath,
                  "Start from the entries of this design file; options given override them")
      ->type_name("FILE");
  command
      .add_option("--save-inputs", state->savePath,
                  "Save the entries the command runs with to this design file")
      ->type_name("FILE");
  const std::string footer = command.get_footer();
  command.footer(footer.empty() ? kFooter : footer + "\n" + kFooter);
  command.final_callback(
      [&command, &options, &session, streams, part, limits, windingStored, state] {
        if (Given(command, "--inputs")) {
          const DesignFileRead read = ReadInputsFile(state->inputsPath, streams.in);
          if (!read.read)
            throw CLI::ValidationError("--inputs", read.Message());
          TakeFileCatalogue(command, read.design, session, state->inputsPath);
          TakeFileEntries(command, read.design, options, state->inputsPath);
          state->limits = read.design.limits;
          if (limits != nullptr)
            TakeUngivenLimits(command, read.design.limits, *limits);
          state->part = read.design.part;
          if (part != nullptr)
            TakeFilePart(command, read.design.part, *part, windingStored);
        }
        if (!Given(command, "--save-inputs"))
          return;
        if (NamesStandardStream(state->savePath) && Given(command, "--report") &&
            NamesStandardStream(command.get_option("--report")->as<std::string>())) {
          throw CLI::ValidationError(
              "--save-inputs", "--save-inputs and --report cannot both write to standard output");
        }
        DesignRecord scratch;
        const DesignFile used{FormEntries(options, session.catalogue, scratch),
                              limits != nullptr ? *limits : state->limits, session.catalogueOrigin,
                              part != nullptr ? *part : state->part};
        const FileWriteResult saved = SaveInputsFile(state->savePath, used, streams.out);
        if (!saved.written)
          throw InputsFileNotSaved(saved.Message());
      });
}

}  // namespace pfc
