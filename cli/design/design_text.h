#pragma once

#include <string>

#include "engine/method/design_run.h"
#include "reports/summary/result_summary.h"

namespace pfc {

// What the engineer would see, as terminal text: each message under its title, the caption of
// the entry that gets the focus after a rejected one, then the summary of a published design.
std::string DesignText(const RunOutcome& outcome, const ResultSummary& summary);

}  // namespace pfc
