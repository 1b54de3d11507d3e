#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/form_registry.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The part of a toolkit that every implementation shares: which forms are loaded, their
// logic objects, the order of load, activate and unload handlers, and the end of the
// program once no form is loaded. Implementations supply the windows themselves.
class FormHost : public Toolkit {
 public:
  explicit FormHost(const FormRegistry& registry);

  void Load(std::string_view form) final;
  bool IsLoaded(std::string_view form) const final;
  void Show(std::string_view form) final;
  void Hide(std::string_view form) final;
  void Unload(std::string_view form) final;

  // True once a form was loaded and none remains.
  bool Ended() const { return everLoaded_ && loaded_.empty(); }
  // The form whose activate handler ran last, while it stays visible.
  const std::string& ActiveForm() const { return activeForm_; }

 protected:
  // Platform side. An unknown form name never reaches these.
  virtual void CreateWindow(const FormDescription& description) = 0;
  virtual void DestroyWindow(std::string_view form) = 0;
  virtual void ShowWindow(std::string_view form) = 0;
  virtual void HideWindow(std::string_view form) = 0;
  virtual void OnNoFormLoaded() {}

  // Events, from the platform or from a simulated user. Events of a form that is not
  // loaded, or is unloading, are dropped.
  void FireClick(std::string_view form, std::string_view control);
  void FireGotFocus(std::string_view form, std::string_view control);
  void FireLostFocus(std::string_view form, std::string_view control);
  char32_t FireKeyPress(std::string_view form, std::string_view control, char32_t key);
  void FireMouseDown(std::string_view form, std::string_view control);
  void FireMouseUp(std::string_view form, std::string_view control);
  void FireChange(std::string_view form, std::string_view control);
  void FireFilesDropped(std::string_view form, const std::vector<std::string>& paths);
  // A key combination pressed in the form: its own key command, or else the program's.
  void FireKey(std::string_view form, std::string_view keys);
  // The user asked to close the form: it unloads unless its logic refuses. A request that
  // comes while the logic is still deciding the last one is dropped.
  void FireCloseRequested(std::string_view form);
  // The form became the program's active window: its activate handler runs unless it was
  // already the active form (returning from a message box is no switch of forms).
  void FireActivated(std::string_view form);
  // The active form was hidden or unloaded, or another program took the focus.
  void ForgetActiveForm(std::string_view form);

  const FormDescription& Description(std::string_view form) const;
  const FormRegistry& Registry() const { return registry_; }
  bool Accepts(std::string_view form) const;  // loaded and not unloading

 private:
  std::shared_ptr<FormLogic> LogicOf(std::string_view form) const;

  const FormRegistry& registry_;
  std::map<std::string, std::shared_ptr<FormLogic>, std::less<>> loaded_;
  std::set<std::string, std::less<>> unloading_;
  std::set<std::string, std::less<>> closeAsked_;  // their logic is deciding on a close
  std::string activeForm_;
  bool everLoaded_ = false;
};

}  // namespace pfc::ui
