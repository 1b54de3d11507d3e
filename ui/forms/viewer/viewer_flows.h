#pragma once

#include "engine/record/design_record.h"
#include "ui/toolkit/toolkit.h"

namespace pfc {

// "&Reset Design": readies the input form's core list for the next design (emptied when the
// calculator selects the core, back on its blank first entry when the designer picks it),
// shows the input form and unloads the result summary. The viewer unloads itself after.
void ResetDesignFromViewer(ui::Toolkit& toolkit, const DesignRecord& record);

// "&Back": the result summary comes forward (loaded anew if it was closed meanwhile). The
// viewer unloads itself after.
void ReturnToSummary(ui::Toolkit& toolkit);

}  // namespace pfc
