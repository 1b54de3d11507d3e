#include "ui/toolkit/form_host.h"

#include <stdexcept>
#include <utility>

namespace pfc::ui {

FormHost::FormHost(const FormRegistry& registry) : registry_(registry) {}

const FormDescription& FormHost::Description(std::string_view form) const {
  const FormEntry* entry = registry_.Find(form);
  if (entry == nullptr) {
    // A form name comes from the program's own code, never from the user.
    throw std::logic_error("no form named " + std::string(form));
  }
  return entry->description;
}

void FormHost::Load(std::string_view form) {
  if (IsLoaded(form)) {
    return;
  }
  const FormEntry* entry = registry_.Find(form);
  if (entry == nullptr) {
    throw std::logic_error("no form named " + std::string(form));
  }
  CreateWindow(entry->description);
  // Registered before the load handler runs, so that its own control accesses do not load
  // the form a second time.
  std::shared_ptr<FormLogic> logic = entry->makeLogic(*this);
  loaded_.emplace(std::string(form), logic);
  everLoaded_ = true;
  logic->Form_Load();
}

bool FormHost::IsLoaded(std::string_view form) const {
  return loaded_.contains(form);
}

bool FormHost::Accepts(std::string_view form) const {
  return IsLoaded(form) && !unloading_.contains(form);
}

void FormHost::Show(std::string_view form) {
  Load(form);
  if (IsLoaded(form)) {
    ShowWindow(form);
  }
}

void FormHost::Hide(std::string_view form) {
  if (!IsLoaded(form)) {
    return;
  }
  HideWindow(form);
  ForgetActiveForm(form);
}

void FormHost::Unload(std::string_view form) {
  if (!IsLoaded(form) || unloading_.contains(form)) {
    return;
  }
  const std::string name(form);
  // Keeps the logic alive while its own handler, which may have called this, returns.
  const std::shared_ptr<FormLogic> logic = LogicOf(name);
  unloading_.insert(name);
  logic->Form_Unload();
  unloading_.erase(name);
  loaded_.erase(name);
  ForgetActiveForm(name);
  DestroyWindow(name);
  if (loaded_.empty()) {
    OnNoFormLoaded();
  }
}

std::shared_ptr<FormLogic> FormHost::LogicOf(std::string_view form) const {
  const auto found = loaded_.find(form);
  return found == loaded_.end() ? nullptr : found->second;
}

void FormHost::FireClick(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->Click(control);
  }
}

void FormHost::FireGotFocus(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->GotFocus(control);
  }
}

void FormHost::FireLostFocus(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->LostFocus(control);
  }
}

char32_t FormHost::FireKeyPress(std::string_view form, std::string_view control, char32_t key) {
  return Accepts(form) ? LogicOf(form)->KeyPress(control, key) : key;
}

void FormHost::FireMouseDown(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->MouseDown(control);
  }
}

void FormHost::FireMouseUp(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->MouseUp(control);
  }
}

void FormHost::FireChange(std::string_view form, std::string_view control) {
  if (Accepts(form)) {
    LogicOf(form)->Change(control);
  }
}

void FormHost::FireFilesDropped(std::string_view form, const std::vector<std::string>& paths) {
  if (Accepts(form) && Description(form).acceptsFileDrops) {
    LogicOf(form)->FilesDropped(paths);
  }
}

void FormHost::FireKey(std::string_view form, std::string_view keys) {
  if (!Accepts(form)) {
    return;
  }
  for (const KeyCommand& command : Description(form).keyCommands) {
    if (command.keys == keys) {
      LogicOf(form)->Click(command.command);
      return;
    }
  }
  const auto& programKeys = registry_.ProgramKeys();
  if (const auto found = programKeys.find(keys); found != programKeys.end()) {
    found->second(*this);
  }
}

void FormHost::FireCloseRequested(std::string_view form) {
  if (!Accepts(form) || closeAsked_.contains(form)) {
    return;
  }
  const std::string name(form);
  const std::shared_ptr<FormLogic> logic = LogicOf(name);
  closeAsked_.insert(name);
  const bool close = logic->QueryUnload();
  closeAsked_.erase(name);
  // The program may have unloaded the form, or loaded it afresh, while the user was asked.
  if (close && LogicOf(name) == logic) {
    Unload(name);
  }
}

void FormHost::FireActivated(std::string_view form) {
  if (!Accepts(form) || activeForm_ == form) {
    return;
  }
  activeForm_ = std::string(form);
  LogicOf(form)->Form_Activate();
}

void FormHost::ForgetActiveForm(std::string_view form) {
  if (activeForm_ == form) {
    activeForm_.clear();
  }
}

}  // namespace pfc::ui
