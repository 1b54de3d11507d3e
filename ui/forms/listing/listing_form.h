#pragma once

#include "engine/design_session.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmIntermediateOutput: the 38 quantities of the last design, read once when it loads.
class ListingForm final : public FormLogic {
 public:
  ListingForm(Toolkit& toolkit, const DesignSession& session, const DesktopServices& services)
      : toolkit_(toolkit), session_(session), services_(services) {}

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  Toolkit& toolkit_;
  const DesignSession& session_;
  const DesktopServices& services_;
  DesignRecord shown_;  // the record as it was when the window loaded
};

}  // namespace pfc::ui
