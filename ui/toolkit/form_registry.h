#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/toolkit/form_description.h"
#include "ui/toolkit/form_logic.h"

namespace pfc::ui {

class Toolkit;

using LogicFactory = std::function<std::unique_ptr<FormLogic>(Toolkit&)>;

struct FormEntry {
  FormDescription description;
  LogicFactory makeLogic;
};

// The forms a program knows: each one's design and how to make its logic. New forms are
// added by registering them; nothing else needs to change.
class FormRegistry {
 public:
  // Replaces an earlier entry of the same name.
  void Add(FormDescription description, LogicFactory makeLogic);
  const FormEntry* Find(std::string_view name) const;

  // A key combination that does the same in every form ("F1" for the directions), unless
  // the form has a command of its own for it.
  using ProgramKeyHandler = std::function<void(Toolkit&)>;
  void AddProgramKey(std::string keys, ProgramKeyHandler handler);
  const std::map<std::string, ProgramKeyHandler, std::less<>>& ProgramKeys() const {
    return programKeys_;
  }

 private:
  std::map<std::string, FormEntry, std::less<>> entries_;
  std::map<std::string, ProgramKeyHandler, std::less<>> programKeys_;
};

}  // namespace pfc::ui
