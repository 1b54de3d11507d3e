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

 private:
  std::map<std::string, FormEntry, std::less<>> entries_;
};

}  // namespace pfc::ui
