#include "cli/design/design_entry_names.h"

#include "engine/inputs/entries.h"

namespace pfc {
namespace {

constexpr const char* kPickName = "pick";

// The entries' public names, and the pick beside them.
const std::vector<DesignEntryName>& Names() {
  static const std::vector<DesignEntryName> names = [] {
    std::vector<DesignEntryName> all;
    for (const NamedEntryText& named : NamedEntryTexts())
      all.push_back({named.name.c_str(), &named});
    all.push_back({kPickName, nullptr});
    return all;
  }();
  return names;
}

}  // namespace

std::string_view PublicEntryName(Entry entry) {
  const std::string_view option = DescriptionOf(entry).option;
  return option.empty() ? std::string_view(kPickName) : option;
}

std::span<const DesignEntryName> DesignEntryNames() {
  return Names();
}

const DesignEntryName* FindDesignEntryName(std::string_view name) {
  for (const DesignEntryName& entry : Names()) {
    if (name == entry.name)
      return &entry;
  }
  return nullptr;
}

void SetDesignEntry(const DesignEntryName& entry, std::string_view text, DesignOptions& options) {
  if (entry.text == nullptr) {
    options.pick = text;
  } else {
    entry.text->TextIn(options.entries) = text;
  }
}

EntryOptionChecks::EntryOptionChecks(CLI::App& command, const DesignEntryName& entry)
    : entry_(&entry) {
  CLI::Option* option = command.get_option_no_throw(std::string("--") + entry.name);
  // CLI11 tells how many checks an option has only by running out of them.
  for (int index = 0; option != nullptr; ++index) {
    try {
      checks_.push_back(option->get_validator(index));
    } catch (const CLI::OptionNotFound&) {
      break;
    }
  }
}

std::string EntryOptionChecks::Refusal(std::string_view text) const {
  for (const CLI::Validator* check : checks_) {
    std::string value(text);
    std::string refusal = (*check)(value);
    if (!refusal.empty())
      return std::string(entry_->name) + ": " + refusal;
  }
  return {};
}

}  // namespace pfc
