#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"

namespace pfc::ui::testing {

// The application's windows on the recording toolkit and the real design engine, with the
// save dialog answered by the test and a scratch folder for the files it names.
class CompareCoresFlowTest : public ::testing::Test {
 protected:
  CompareCoresFlowTest() {
    services.runDesign = StandardServices().runDesign;
    services.readTempFolder = [] { return std::string("/tmp"); };
    services.chooseSaveFile = [this](const SaveFileRequest& request) {
      saveRequests.push_back(request);
      return savePath;
    };
    RegisterStandardForms(registry, session, services);
    kit.Show(kEnterForm);
    kit.UserClick(kEnterForm, "cmdProcess");
  }
  // Ticks "Pick From List", chooses the core's entry, types the stack count and runs.
  void RunPickedByHand(const std::string& partNo, int stack) {
    kit.UserClick(kInputForm, "chkPickCore");
    if (!kit.IsTicked(kInputForm, "chkPickCore")) {
      kit.UserClick(kInputForm, "chkPickCore");
    }
    kit.UserChoose(kInputForm, "txtCoreSize", session.catalogue.FindPartNo(partNo));
    kit.SetText(kInputForm, "txtStack", std::to_string(stack));
    kit.UserClick(kInputForm, "cmdProcess");
  }

  // The first explored design that satisfies the predicate.
  template <class Predicate>
  std::size_t FindDesign(Predicate predicate) const {
    const auto& designs = session.compareCores.Designs();
    for (std::size_t i = 0; i < designs.size(); ++i) {
      if (predicate(designs[i])) {
        return i;
      }
    }
    ADD_FAILURE() << "no explored design fits";
    return 0;
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  RecordingToolkit kit{registry};
  test::ScratchFolder scratch;
  std::filesystem::path folder = scratch.Path();  // for the files the save dialog names
  std::optional<std::string> savePath;
  std::vector<SaveFileRequest> saveRequests;
};

}  // namespace pfc::ui::testing
