#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"

namespace pfc::ui::testing {

// A design file of the current version with these fields, as JSON text.
inline std::string DesignWith(const std::string& fields) {
  return R"j({"format": "pfc-design", "version": "1.0", )j" + fields + "}";
}

// The input form with the real catalogue, the dialogs answered by the test, and a design
// run that only counts: nothing may run until "Show Results".
class DesignFileTest : public ::testing::Test {
 protected:
  DesignFileTest() {
    services.runDesign = [this](const EntryTexts& entries, DesignRecord&, const CoreCatalogue&,
                                const WireTable&, char) {
      runs.push_back(entries);
      return RunOutcome{};
    };
    services.readTempFolder = [] { return std::string("/tmp"); };
    services.chooseSaveFile = [this](const SaveFileRequest& request) {
      saveRequests.push_back(request);
      return answer;
    };
    services.chooseOpenFile = [this](const OpenFileRequest& request) {
      openRequests.push_back(request);
      return answer;
    };
    RegisterStandardForms(registry, session, services);
  }

  void StartAndAccept() {
    kit.Show(kEnterForm);
    kit.UserClick(kEnterForm, "cmdProcess");
    plainCaption = kit.Caption(kInputForm);
  }

  // Leaves every kind of control away from its default, as a user would.
  void ChangeEverything() {
    kit.UserType(kInputForm, "txtOutputPower", "1000");
    kit.UserType(kInputForm, "txtVinMin", "9.");
    kit.SetText(kInputForm, "txtFill_Factor", "0,35 ");
    kit.UserChoose(kInputForm, "cmbfrequency", 1);
    kit.UserChoose(kInputForm, "cmbinductance", 2);
    kit.UserClick(kInputForm, "chkPickCore");
    kit.UserChoose(kInputForm, "txtCoreSize", session.catalogue.FindPartNo("TD-22"));
    session.checked.SetGrade(*FindRolloffGrade(125));
  }

  // Everything the form shows that a design file could change, read through the toolkit.
  std::vector<std::string> FormState() {
    const EntryTexts e = ReadInputEntries(kit);
    std::vector<std::string> state{e[Entry::Frequency],   e.Unit(Entry::Frequency),
                                   e[Entry::Inductance],  e.Unit(Entry::Inductance),
                                   e[Entry::OutputPower], e.Unit(Entry::OutputPower),
                                   e[Entry::Efficiency],  e[Entry::VinMin],
                                   e[Entry::VinMax],      e[Entry::Vout],
                                   e[Entry::AmbientTemp], e[Entry::Stack],
                                   e[Entry::FillFactor],  e[Entry::CoreSize]};
    for (const char* box : {"chkCalcCore", "chkPickCore"}) {
      state.push_back(kit.IsTicked(kInputForm, box) ? "ticked" : "clear");
    }
    state.push_back(std::to_string(kit.ItemCount(kInputForm, "txtCoreSize")));
    state.push_back(kit.IsEnabled(kInputForm, "txtCoreSize") ? "enabled" : "disabled");
    state.push_back(std::to_string(session.checked.ChosenGrade()));
    return state;
  }

  void SaveAs(const std::string& path) {
    answer = path;
    kit.UserShortcut(kInputForm, "Ctrl+Shift+S");
  }
  void Open(const std::string& path) {
    answer = path;
    kit.UserShortcut(kInputForm, "Ctrl+O");
  }

  std::string Caption() { return kit.Caption(kInputForm); }

  DesktopSession session;  // outlives the windows, whose logic listens to it
  FormRegistry registry;
  RecordingToolkit kit{registry};
  DesktopServices services;
  pfc::test::ScratchFolder folder;
  std::optional<std::string> answer;
  std::vector<SaveFileRequest> saveRequests;
  std::vector<OpenFileRequest> openRequests;
  std::vector<EntryTexts> runs;
  std::string plainCaption;
};

}  // namespace pfc::ui::testing
