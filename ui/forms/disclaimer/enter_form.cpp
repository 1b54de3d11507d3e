#include "ui/forms/disclaimer/enter_form.h"

#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/disclaimer/enter_design.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

void EnterForm::Form_Load() {
  toolkit_.Centre(kEnterForm);
  session_.tempFolder = services_.readTempFolder ? services_.readTempFolder() : "";
}

void EnterForm::Click(std::string_view control) {
  if (control == enter_controls::kCmdProcess) {
    cmdProcess_Click();
  } else if (control == enter_controls::kCmdExit) {
    cmdExit_Click();
  }
}

void EnterForm::cmdProcess_Click() {
  toolkit_.Show(kInputForm);
  toolkit_.Unload(kEnterForm);
  OpenPendingDesignFile(toolkit_, session_);  // named on the command line
}

void EnterForm::cmdExit_Click() {
  toolkit_.Unload(kEnterForm);
}

}  // namespace pfc::ui
