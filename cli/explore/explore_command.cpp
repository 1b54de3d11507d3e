#include "cli/explore/explore_command.h"

#include <string>

#include "cli/design/cores_option.h"
#include "cli/design/design_inputs_file.h"
#include "cli/design/design_text.h"
#include "cli/explore/explore_json.h"
#include "cli/json_text.h"
#include "cli/limit_options.h"
#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"
#include "engine/search/explorer.h"
#include "reports/files/explorer_csv.h"

namespace pfc {
namespace {

// The limit flags' texts name the limits the explorer judges by.
std::string ExploreFooter() {
  return "Evaluates every catalogue core with every stack count from 1 to 9 (279 designs on the\n"
         "built-in catalogue) at the entered operating point, each exactly as picking that core\n"
         "and stack would, after the\n"
         "same input checks. Per design: part number, stack, catalogue row, turns, wire gauge,\n"
         "HMax, ActualFillFactor, core, copper and total loss, temperature rise, total\n"
         "temperature, outer diameter, stack height, boxed volume (OD² × height), mass, the\n"
         "limit flags (HMax <= " +
         FormatGeneral(kFieldStrengthLimit) + " Oe, total below " +
         FormatGeneral(kTemperatureCeiling) +
         " °C, fill within the entered fill factor,\n"
         "Vout >= Vpeak), all of them, and the core and stack the calculator itself chooses,\n"
         "then the operating check of each published pick at the low line with the grade that\n"
         "matches its core: L at Ipk (% of the target), crest ripple (% of the line-peak "
         "current),\n"
         "winding temperature, and whether every verdict of the check, at both lines, keeps the\n"
         "limits (--min-inductance, --ripple-limit, --max-temperature, --al-tolerance, as check\n"
         "takes them; with an AL tolerance the inductance and ripple are the worse of the nominal\n"
         "and the worst-case core).\n"
         "--csv: RFC 4180 with units in the header. --json: an array of objects keyed by the\n"
         "design-record names. A value that does not exist (past a failed Vpeak check) is empty\n"
         "or null.\n"
         "Exit status: 0 explored, 1 rejected by an input check (the message goes to standard\n"
         "error), 2 usage error.";
}

}  // namespace

CLI::App* AddExploreCommand(CLI::App& app, ExploreCommand& exploring, DesignSession& session,
                            StandardStreams streams) {
  CLI::App* explore = app.add_subcommand(
      "explore", "Evaluate every core with every stack count at the entered operating point");
  AddDesignOptions(*explore, exploring.options, session.catalogue, false);
  AddOutputFormatFlags(*explore, exploring.format,
                       {.json = "Print a JSON array", .csv = "Print CSV"});
  AddLimitOptions(*explore, exploring.limits);
  explore->footer(ExploreFooter());
  AddInputsFileOptions(*explore, exploring.options, session, streams, nullptr, &exploring.limits);
  AddCoresOption(*explore, session, streams.in);
  return explore;
}

int RunExploreCommand(const ExploreCommand& exploring, DesignSession& session, std::ostream& out,
                      std::ostream& err) {
  if (exploring.format == OutputFormat::Text) {
    err << "pfc-core: explore needs --csv or --json\n";
    return 2;
  }
  const Exploration exploration =
      ExploreDesigns(exploring.options.entries, session.record, session.catalogue, session.wires,
                     exploring.limits);
  if (exploration.rejected) {
    RunOutcome rejection;
    rejection.messages.push_back(exploration.message);
    rejection.focus = exploration.focus;
    err << DesignText(rejection, ResultSummary{});
    return 1;
  }
  out << (exploring.format == OutputFormat::Json ? JsonText(ExplorationJson(exploration))
                                                 : ExplorationCsv(exploration));
  return 0;
}

}  // namespace pfc
