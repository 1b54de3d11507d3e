#include "ui/forms/session/limit_entries.h"

#include <algorithm>
#include <optional>

#include "engine/record/number_text.h"
#include "ui/forms/session/design_helpers.h"

namespace pfc::ui {

using namespace design;

namespace {

const LimitEntryDescription& Described(LimitEntry entry) {
  return LimitEntryDescriptions()[static_cast<std::size_t>(entry)];
}

std::optional<double> ValueIn(const DesignLimits& limits, LimitEntry entry) {
  switch (entry) {
    case LimitEntry::Inductance:
      return limits.inductancePercent;
    case LimitEntry::Ripple:
      return limits.ripplePercent;
    case LimitEntry::Temperature:
      return limits.temperatureC;
    case LimitEntry::AlTolerance:
      return limits.alTolerancePercent;
  }
  return std::nullopt;
}

// Only the ripple limit may be left out.
void SetValue(DesignLimits& limits, LimitEntry entry, std::optional<double> value) {
  switch (entry) {
    case LimitEntry::Inductance:
      limits.inductancePercent = *value;
      break;
    case LimitEntry::Ripple:
      limits.ripplePercent = value;
      break;
    case LimitEntry::Temperature:
      limits.temperatureC = *value;
      break;
    case LimitEntry::AlTolerance:
      limits.alTolerancePercent = *value;
      break;
  }
}

std::string InForceText(const DesignLimits& limits, LimitEntry entry, char separator) {
  const std::optional<double> value = ValueIn(limits, entry);
  if (!value) {
    return "no limit";
  }
  return FormatGeneral(*value, separator) +
         (entry == LimitEntry::Temperature ? std::string(" °C") : std::string(" %"));
}

// Why a text is no value of the entry; empty when it is one.
std::string Problem(LimitEntry entry, const std::string& text) {
  if (IsDecimalNumeral(text) && !IsWellFormedNumber(text)) {
    return "is too large";
  }
  if (!IsWellFormedNumber(text)) {
    return "is not a number";
  }
  return LimitRangeProblem(Described(entry).publicName, ValueOfText(text));
}

}  // namespace

const std::array<LimitEntryDescription, kLimitEntries>& LimitEntryDescriptions() {
  static const std::array<LimitEntryDescription, kLimitEntries> kEntries{{
      {LimitEntry::Inductance, kMinInductanceName, "Least &inductance at peak, % of target",
       "lblMinInductance", "txtMinInductance", "lblMinInductanceNote",
       "The least inductance at the peak current, as a share of the target inductance, at both "
       "line voltages"},
      {LimitEntry::Ripple, kRippleLimitName, "&Ripple limit at crest, % of line peak",
       "lblRippleLimit", "txtRippleLimit", "lblRippleLimitNote",
       "The most ripple, peak to peak, at the low line's crest, as a share of the line-peak "
       "current; empty: the ripple is shown but not judged (the method assumes 10 %)"},
      {LimitEntry::Temperature, kMaxTemperatureName, "&Highest winding temperature, °C",
       "lblMaxTemperature", "txtMaxTemperature", "lblMaxTemperatureNote",
       "The highest temperature the checked winding may reach, at both line voltages"},
      {LimitEntry::AlTolerance, kAlToleranceName, "A&L tolerance, % (0 to 30)", "lblAlTolerance",
       "txtAlTolerance", "lblAlToleranceNote",
       "The core's AL tolerance: above 0 the check also runs the core at AL less the tolerance "
       "and judges the inductance and the ripple by the worse of the two"},
  }};
  return kEntries;
}

const LimitEntryDescription* FindLimitEntry(std::string_view control) {
  for (const LimitEntryDescription& entry : LimitEntryDescriptions()) {
    if (control == entry.control) {
      return &entry;
    }
  }
  return nullptr;
}

void AddLimitEntry(std::vector<ControlDescription>& controls, LimitEntry entry,
                   const LimitEntryPlace& place, int tabIndex) {
  const LimitEntryDescription& d = Described(entry);
  auto caption = Label(d.captionControl, d.caption, place.caption, Arial(8.25), kNavy);
  caption.alignment = TextAlignment::Right;
  caption.buddy = d.control;
  caption.toolTip = d.toolTip;
  controls.push_back(caption);
  auto box = TextBox(d.control, "", place.box, Arial(9.75), tabIndex);
  box.toolTip = d.toolTip;
  controls.push_back(box);
  auto note = Label(d.noteControl, "", place.note, Arial(8.25), kRed);
  note.wordWrap = true;
  controls.push_back(note);
}

std::string LimitEntryText(const DesignLimits& limits, LimitEntry entry, char separator) {
  const std::optional<double> value = ValueIn(limits, entry);
  return value ? FormatGeneral(*value, separator) : std::string();
}

LimitEntryReading ReadLimitEntry(const DesignLimits& inForce, LimitEntry entry,
                                 const std::string& typed, char separator) {
  std::string text(TrimBlanks(typed));
  if (separator != '.') {
    std::replace(text.begin(), text.end(), separator, '.');
  }
  LimitEntryReading reading{false, inForce, {}};
  if (text.empty() && entry == LimitEntry::Ripple) {
    reading.read = true;
    reading.limits.ripplePercent.reset();
    return reading;
  }
  const std::string problem = Problem(entry, text);
  if (problem.empty()) {
    reading.read = true;
    SetValue(reading.limits, entry, ValueOfText(text));
    return reading;
  }
  reading.refusal = "\"" + typed + "\" " + problem +
                    "; still in force: " + InForceText(inForce, entry, separator) + ".";
  return reading;
}

void ShowLimitEntries(Toolkit& toolkit, std::string_view form, const DesignLimits& limits,
                      char separator) {
  for (const LimitEntryDescription& d : LimitEntryDescriptions()) {
    const LimitEntryReading shown =
        ReadLimitEntry(limits, d.entry, toolkit.Text(form, d.control), separator);
    if (!shown.read || !(shown.limits == limits)) {
      toolkit.SetText(form, d.control, LimitEntryText(limits, d.entry, separator));
    }
    toolkit.SetText(form, d.noteControl, "");
  }
}

bool CommitLimitEntry(Toolkit& toolkit, std::string_view form, SessionLimits& limits,
                      std::string_view control, char separator) {
  const LimitEntryDescription* d = FindLimitEntry(control);
  if (d == nullptr) {
    return false;
  }
  const LimitEntryReading reading =
      ReadLimitEntry(limits.Get(), d->entry, toolkit.Text(form, control), separator);
  toolkit.SetText(form, d->noteControl, reading.refusal);
  if (reading.read) {
    limits.Set(reading.limits);
  }
  return true;
}

void CommitLimitEntries(Toolkit& toolkit, std::string_view form, SessionLimits& limits,
                        char separator) {
  for (const LimitEntryDescription& d : LimitEntryDescriptions()) {
    CommitLimitEntry(toolkit, form, limits, d.control, separator);
  }
}

}  // namespace pfc::ui
