#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/check/design_limits.h"
#include "ui/forms/session/session_limits.h"
#include "ui/toolkit/form_description.h"
#include "ui/toolkit/toolkit.h"

// The limit entries that the Operating Check and Find Designs windows both show, described and
// read once; each window places them its own way. An entry takes effect on Enter or when the
// focus leaves it, never halfway through typing; a text that is refused leaves the limit in
// force as it was and says so in red beside the entry.
namespace pfc::ui {

enum class LimitEntry { Inductance, Ripple, Temperature, AlTolerance };
inline constexpr std::size_t kLimitEntries = 4;

struct LimitEntryDescription {
  LimitEntry entry;
  const char* publicName;  // the limit's option and design-file key
  const char* caption;     // with its access letter, unique in both windows
  const char* captionControl;
  const char* control;      // the box
  const char* noteControl;  // why a text was refused
  const char* toolTip;
};

// In LimitEntry's order.
const std::array<LimitEntryDescription, kLimitEntries>& LimitEntryDescriptions();
// The entry whose box this is; nullptr for another control.
const LimitEntryDescription* FindLimitEntry(std::string_view control);

// The rectangles of one entry as a window places it.
struct LimitEntryPlace {
  TwipRect caption;
  TwipRect box;
  TwipRect note;  // room for two lines: a refusal is never clipped
};
void AddLimitEntry(std::vector<ControlDescription>& controls, LimitEntry entry,
                   const LimitEntryPlace& place, int tabIndex);

// The limit's value as its box shows it: empty for no ripple limit.
std::string LimitEntryText(const DesignLimits& limits, LimitEntry entry, char decimalSeparator);

// The limits with the box's text read into the entry; or why the text is refused, with the
// limit that stays in force.
struct LimitEntryReading {
  bool read = false;
  DesignLimits limits;
  std::string refusal;
};
LimitEntryReading ReadLimitEntry(const DesignLimits& inForce, LimitEntry entry,
                                 const std::string& text, char decimalSeparator);

// Writes the limits in force into the form's boxes (a box whose text reads as its limit is
// left as typed) and empties the notes.
void ShowLimitEntries(Toolkit& toolkit, std::string_view form, const DesignLimits& limits,
                      char decimalSeparator);
// Puts the box's limit in force for the session, or says beside it why not. Returns false for
// a control that is no limit entry.
bool CommitLimitEntry(Toolkit& toolkit, std::string_view form, SessionLimits& limits,
                      std::string_view control, char decimalSeparator);
// Every box of the form, for an action that works with the limits as they are shown.
void CommitLimitEntries(Toolkit& toolkit, std::string_view form, SessionLimits& limits,
                        char decimalSeparator);

}  // namespace pfc::ui
