#include "ui/toolkit/form_registry.h"

#include <utility>

namespace pfc::ui {

void FormRegistry::Add(FormDescription description, LogicFactory makeLogic) {
  std::string name = description.name;
  entries_[std::move(name)] = FormEntry{std::move(description), std::move(makeLogic)};
}

const FormEntry* FormRegistry::Find(std::string_view name) const {
  const auto found = entries_.find(name);
  return found == entries_.end() ? nullptr : &found->second;
}

void FormRegistry::AddProgramKey(std::string keys, ProgramKeyHandler handler) {
  programKeys_[std::move(keys)] = std::move(handler);
}

}  // namespace pfc::ui
