#pragma once

#include <string>

#include "engine/design_run.h"

namespace pfc {

// What the engineer would see, as terminal text: each message under its title, the caption of
// the entry that gets the focus after a rejected one, then the result summary when one is
// shown.
std::string DesignText(const RunOutcome& outcome);

}  // namespace pfc
