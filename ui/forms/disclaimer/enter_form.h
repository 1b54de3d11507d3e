#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmEnter, the disclaimer: "I &Accept" leads to the input form, "E&xit" closes it.
class EnterForm final : public FormLogic {
 public:
  EnterForm(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  void cmdProcess_Click();
  void cmdExit_Click();

  Toolkit& toolkit_;
  DesktopSession& session_;
  const DesktopServices& services_;
};

}  // namespace pfc::ui
