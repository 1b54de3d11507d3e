#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The entries of the input form, each described once: what the form shows, the command-line
// option that stands for it, how its text is read and which checks judge it. The form's
// description, the command line, the checks and every text that names an entry read this one
// table.
namespace pfc {

// In the order the checks judge them.
enum class Entry {
  Frequency,
  Inductance,
  OutputPower,
  Efficiency,
  VinMin,
  VinMax,
  Vout,
  AmbientTemp,
  FillFactor,
  CoreSize,
  Stack,
};
inline constexpr std::size_t kEntryCount = 11;

// The input form's texts as the user left them, each entry's at its place in Entry, so that
// a new entry needs no new member here.
struct EntryTexts {
  EntryTexts();  // the form's own: every entry at its default text, every unit at its first

  // The entry's text; for the core list, the text of the chosen pick-list entry.
  std::string& operator[](Entry entry) { return texts[static_cast<std::size_t>(entry)]; }
  const std::string& operator[](Entry entry) const {
    return texts[static_cast<std::size_t>(entry)];
  }
  // The chosen unit of an entry with a unit list; empty for the others.
  std::string& Unit(Entry entry) { return units[static_cast<std::size_t>(entry)]; }
  const std::string& Unit(Entry entry) const { return units[static_cast<std::size_t>(entry)]; }

  std::array<std::string, kEntryCount> texts;
  std::array<std::string, kEntryCount> units;
  bool pickCore = false;  // "Pick From List" ticked
};

enum class EntryKind {
  Quantity,  // a decimal number in the unit beside it
  Count,     // a decimal number rounded half to even to a whole count in 16 bits
  CorePick,  // the chosen entry of the core list
};

// A unit an entry can be given in. The value in the record's unit is the entered value times
// the multiplier divided by the divisor: 150 µH must read exactly 150 / 1000000 H, which a
// multiplication by 0.000001 would miss in the last bit.
struct UnitChoice {
  std::string_view text{};
  double multiplier = 1;
  double divisor = 1;
};

// A bound of an entry's value and the check that fails past it; no check, no bound.
struct EntryLimit {
  double value = 0;
  bool valueAllowed = true;  // false: the value must lie strictly beyond it ("greater than 0")
  std::string_view check{};
  std::string_view message{};
};

// The checks of one entry, in the order they judge its text. An entry that is not a number
// reads as its leading number, or 0, and fails as malformed, naming the entry's caption.
struct EntryChecks {
  std::string_view emptyCheck{};  // none: an empty text is allowed
  std::string_view emptyMessage{};
  std::string_view malformedCheck{};
  EntryLimit low{};
  EntryLimit high{};  // its value is always allowed
};

struct EntryDescription {
  Entry entry{};
  EntryKind kind = EntryKind::Quantity;
  std::string_view control{};  // on the input form; also the name machines know the entry by
  std::string_view caption{};  // what people know it by
  int tabIndex = 0;            // on the input form; the command line offers its options so too
  std::string_view defaultText{};
  std::string_view toolTip{};
  std::string_view option{};  // the command line's long option without its dashes; none: ""
  std::string_view optionHelp{};
  // The units the value may be given in, the first being the record's own and the default.
  // With a unit list the user chooses one (an unknown text reads as the first); a single
  // unit without a list is only shown beside the box.
  std::span<const UnitChoice> units{};
  std::string_view unitControl{};  // the unit list on the input form; none: a unit shown only
  EntryChecks checks{};

  bool HasUnitList() const { return !unitControl.empty(); }
};

// Every entry, in check order.
std::span<const EntryDescription> Entries();
const EntryDescription& DescriptionOf(Entry entry);

// An entry text known by a public name: the command line's long option without its dashes,
// which is also a batch column and a design file's key. Users' scripts and files hold these
// names, so they stay as they are when a control or a caption changes.
struct NamedEntryText {
  std::string name;
  const EntryDescription* entry = nullptr;
  bool unit = false;  // the entry's unit list, named "<option>-unit"

  std::string& TextIn(EntryTexts& texts) const {
    return unit ? texts.Unit(entry->entry) : texts[entry->entry];
  }
  const std::string& TextIn(const EntryTexts& texts) const {
    return unit ? texts.Unit(entry->entry) : texts[entry->entry];
  }
};

// Every entry with an option, in the order the form's Tab key visits them, each followed by
// its unit list when it has one.
std::span<const NamedEntryText> NamedEntryTexts();

}  // namespace pfc
