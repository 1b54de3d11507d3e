#pragma once

#include <string>

#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The part as built on the input form: the material and winding the Operating Check or a
// design file gave, which the method's run does not show, in one line under the buttons with
// a button that gives the part back to the method.
namespace pfc::ui {

inline constexpr const char* kBuiltPartLabel = "lblBuiltPart";
inline constexpr const char* kClearPartButton = "cmdClearPart";

// "Checked as built: 22 turns of AWG 8, grade 125", with `note` and why the last check
// could not wind the part after it; empty when the part is the method's.
std::string BuiltPartLineText(const DesktopSession& session, const std::string& note);

// Shows the line and lets the button clear only a part that is given.
void ShowBuiltPartLine(Toolkit& toolkit, const DesktopSession& session, const std::string& note);

// Winds the given winding on the core the form's entries now choose, keeping it only when
// the core takes it. Returns what the line adds: that the core takes it, or that it was set
// aside and why; nothing when no winding is given or the entries publish no design yet.
std::string FitWindingToForm(Toolkit& toolkit, DesktopSession& session);

// The method's material and winding again.
void ClearBuiltPart(DesktopSession& session);

}  // namespace pfc::ui
