#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/check/inductor_model.h"
#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"
#include "reports/summary/listing.h"
#include "reports/summary/result_summary.h"

// What must hold after any design run, whatever the user typed, and of the report and the
// listing made from a published run. The fuzz targets and the bad-input sweep share these
// checks; each returns the broken properties in words (empty when all hold), so a fuzzer can
// abort on them and a test can print them.
namespace pfc {

// True when the text shows a number that is not one: "NaN", "Infinity", "inf", "nan".
bool ShowsNonFiniteNumber(std::string_view text);

// The outcome of one run against the record it left and, when published, the summary that
// shows it:
// - the messages are the warnings that do not end a run (temperature rise beyond the last
//   core, then total temperature at 155 °C or more), each at most once and in that order,
//   followed, unless the design was published, by exactly one message that ends the run;
// - a published design names a catalogue row (1 to the row count) whose part number is the
//   selected size, has whole turns from 1 to 32000, a field within 115 Oe, only finite
//   numbers in the record, and summary texts free of "NaN" or "Infinity";
// - no message shows a number that is not finite (user text quoted in a message aside).
std::vector<std::string> RunOutcomeProblems(const RunOutcome& outcome, const ResultSummary& summary,
                                            const DesignRecord& record,
                                            const CoreCatalogue& catalogue, const WireTable& wires);

// The report file's bytes: every byte defined in Windows-1252, one line, the print hook
// exactly once, no "NaN" or "Infinity", no replacement character, the part number present.
std::vector<std::string> ReportProblems(std::string_view reportBytes, const ResultSummary& summary);

// The listing: 38 lines with captions and values, no "NaN" or "Infinity", the fill factor red
// exactly when it is above the limit.
std::vector<std::string> ListingProblems(const std::array<ListingLine, kListingLineCount>& lines,
                                         const DesignRecord& record);

// The operating check of a published design, at each line voltage:
// - every figure present is finite, the 91 rows run from 0° to 90°, the crest flag follows
//   Vpk ≥ Vout;
// - a line without a usable voltage has nothing past vrms and vpeak;
// - otherwise the figures at the line-peak current, the core loss, the flux swing and the
//   rows' voltages, currents and duties exist (the core loss and swings only unless the core
//   saturates); the line saturates exactly when some row has no ripple, and then has no
//   ripple figure, copper loss or temperature;
// - a line that does not saturate has a ripple on every row, a peak current not below the
//   line-peak current, a worst ripple no row exceeds, and a temperature iteration that ran;
//   steady or unsettled, its total is core + DC + AC and its temperature ambient + rise.
std::vector<std::string> OperatingCheckProblems(const OperatingCheck& check,
                                                const DesignRecord& record);

// The checked winding's model: a refusal with no points, or an odd number of points (at most
// kMostModelPoints), ascending in current and flux linkage, odd in the current, every number
// finite and every inductance positive, ending at Imax, within the accuracy, with a finite
// series resistance; then every format's file is written without a number that is not one.
std::vector<std::string> InductorModelProblems(const InductorModel& model,
                                               const DesignRecord& record);

// All problems joined, one per line, for a failure message.
std::string JoinProblems(const std::vector<std::string>& problems);

}  // namespace pfc
