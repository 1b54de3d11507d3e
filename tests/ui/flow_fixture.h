#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/reports/report_fixtures.h"
#include "tests/support/recording_toolkit.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"

namespace pfc::ui::testing {

// The application's windows on the recording toolkit, with the outside world replaced:
// the design run returns the outcome a test scripts, the report writer and the viewer are
// recorded, and TEMP is whatever the test says.
class FlowTest : public ::testing::Test {
 protected:
  FlowTest() {
    services.runDesign = [this](const EntryTexts& entries, DesignRecord& record,
                                const CoreCatalogue& catalogue, const WireTable&, char) {
      runEntries.push_back(entries);
      catalogueRowsSeen = catalogue.RowCount();
      if (scriptedRecord) {
        const std::int16_t calcType = record.CalcType;
        record = *scriptedRecord;
        record.CalcType = calcType;
      }
      return scripted;
    };
    services.readTempFolder = [this] { return tempVariable; };
    services.writeReport = [this](const ResultSummary& summary, const DesignRecord&,
                                  std::string& tempFolder) {
      reportedSummaries.push_back(summary);
      FileWriteResult result = reportResult;
      result.path = tempFolder + "/temp.htm";
      return result;
    };
    services.showReport = [this](const std::string& path) -> std::optional<std::string> {
      shownReports.push_back(path);
      return std::nullopt;
    };
    services.launchWebSite = [this](const std::string& folder) -> std::optional<Message> {
      webLaunchFolders.push_back(folder);
      return webLaunchFailure;
    };
    RegisterStandardForms(registry, session, services);
  }

  // Starts the program and accepts the disclaimer.
  void StartAndAccept() {
    kit.Show(kEnterForm);
    kit.UserClick(kEnterForm, "cmdProcess");
  }

  // A published run of the default design with the given temperature rise above the ambient
  // 50 °C; from a rise of 105 °C the run warns of the total temperature.
  void ScriptPublished(double tempRise = 70) {
    ResultSummary shown;
    DesignRecord record;
    pfc::test::DefaultDesign(shown, record);
    record.TempRise = tempRise;
    scriptedRecord = record;
    scripted = RunOutcome{};
    scripted.ending = RunEnding::Published;
    scripted.entriesPassedChecks = true;
    if (50 + tempRise >= 155) {
      scripted.messages.push_back(
          Message{kCautionTitle, MessageIcon::Information, "Total temperature ..."});
    }
  }

  std::string Text(const char* form, const char* control) { return kit.Text(form, control); }

  // What the summary window shows, read back text by text.
  ResultSummary ShownSummary() {
    ResultSummary shown;
    VisitSummaryTexts(shown, [this](const char* control, std::string& text) {
      text = kit.Text(kSummaryForm, control);
    });
    shown.txtTotalTempStyle = kit.IsBold(kSummaryForm, "txtTotalTemp")
                                  ? TotalTempStyle::BoldRed
                                  : TotalTempStyle::NormalBlack;
    return shown;
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  RecordingToolkit kit{registry};

  RunOutcome scripted;
  std::optional<DesignRecord> scriptedRecord;
  std::vector<EntryTexts> runEntries;
  int catalogueRowsSeen = 0;
  std::string tempVariable = "/home/user/tmp";
  FileWriteResult reportResult{true, "", ""};
  std::vector<ResultSummary> reportedSummaries;
  std::vector<std::string> shownReports;
  std::vector<std::string> webLaunchFolders;
  std::optional<Message> webLaunchFailure;
};

}  // namespace pfc::ui::testing
