#pragma once

#include <string>

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/input_entries.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmXls, the design inputs: the entry boxes with their key filter, the calculator-type
// boxes and the core list, and the buttons that run the design, clear, cancel, help and
// open and save design files.
class InputForm final : public FormLogic {
 public:
  InputForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Form_Activate() override;
  bool QueryUnload() override;
  void Form_Unload() override;
  void Click(std::string_view control) override;
  void Change(std::string_view control) override;
  void FilesDropped(const std::vector<std::string>& paths) override;
  void GotFocus(std::string_view control) override;
  char32_t KeyPress(std::string_view control, char32_t key) override;

  // The nine boxes with the key filter, select-all on focus and "Clear &Results": every
  // number entry but the fill factor.
  static bool IsNumericEntry(std::string_view control);

 private:
  // The title's star and an open Compare Cores follow the entries.
  void EntriesChanged();
  void chkCalcCore_Click();
  void chkPickCore_Click();
  void cmdProcess_Click();
  void cmdQuit_Click();
  void cmdExit_Click();
  void cmdHelp_Click();
  // The core the given winding goes on may have changed: it stays only if it fits.
  void CoreChanged(std::string_view control);
  void ShowBuiltPart();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
  std::string rememberedFile_;  // the design file last added to the recent ones
  std::string partNote_;        // what the last change of core did to the given winding
  CheckedDesign::Subscription checkedSubscription_;
};

}  // namespace pfc::ui
