#pragma once

#include "reports/summary/result_summary.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The result summary window's texts. The window is written only through the design session's
// summary, each text when it changes, so that summary is always what the window shows and the
// report copies it without reading the window back.
namespace pfc::ui {

// Writes to the window the texts, and the total temperature's emphasis, in which `wanted`
// differs from `shown`, the summary the window shows; then `shown` is `wanted`.
void ShowSummary(Toolkit& toolkit, const ResultSummary& wanted, ResultSummary& shown);

// Writes the line on the operating check of the published design, in the grade that matches
// its core and judged by the session's limits, red where a verdict misses; empty while the
// window shows no design. The line is no text of the summary: the report does not copy it.
void ShowCheckOutcome(Toolkit& toolkit, const DesktopSession& session);

// Writes, when the session's part has a winding or material of its own, that the summary and
// its report are the method's design and the Operating Check covers the part as built; empty
// otherwise.
void ShowPartNote(Toolkit& toolkit, const DesktopSession& session);

}  // namespace pfc::ui
