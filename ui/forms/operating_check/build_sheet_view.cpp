#include "ui/forms/operating_check/build_sheet_view.h"

#include <filesystem>
#include <optional>
#include <string>

#include "reports/build_sheet/build_sheet.h"
#include "reports/check/check_figures.h"
#include "reports/files/atomic_file.h"
#include "reports/summary/temp_folder.h"

namespace pfc::ui {
namespace {

void Caution(Toolkit& toolkit, std::string text) {
  toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, std::move(text)});
}

// Why the window has no part to put on a sheet; empty when it has one.
std::string NoSheetReason(const CheckedDesign& checked, char separator) {
  if (!checked.HasDesign())
    return "no published design is checked.";
  if (!checked.WindingProblem().empty())
    return "the winding " + WindingRequestText(checked.Winding(), separator) +
           " is not wound on this core: " + checked.WindingProblem();
  return {};
}

}  // namespace

bool ShowBuildSheet(Toolkit& toolkit, const DesktopSession& session,
                    const DesktopServices& services) {
  const CheckedDesign& checked = session.checked;
  if (const std::string reason = NoSheetReason(checked, session.decimalSeparator);
      !reason.empty()) {
    Caution(toolkit, "No build sheet can be made: " + reason);
    return false;
  }
  const BuiltPart part =
      PartOfRecord(checked.Record(), checked.ChosenPartMaterial(), checked.Winding());
  const std::string& designPath = session.designFile.path;
  const BuildSheetSource source{
      checked.Record(),
      checked.Published(),
      checked.Result(),
      part,
      checked.Limits(),
      kDefaultLeadLengthMm,
      designPath.empty() ? std::string() : std::filesystem::path(designPath).filename().string(),
      ""};
  // The report's folder: TEMP as the services read it, then the rest of the environment.
  const std::string folder = TempFolderFromEnvironment([&services](const std::string& name) {
    if (name == "TEMP" && services.readTempFolder)
      return std::optional<std::string>(services.readTempFolder());
    return SystemEnvironment(name);
  });
  const std::string path = (std::filesystem::path(folder) / kBuildSheetFileName).string();
  const FileWriteResult written = WriteFileAtomically(path, BuildSheetHtml(source));
  if (!written.written) {
    Caution(toolkit, written.Message());
    return false;
  }
  if (!services.showReport)
    return false;
  if (const auto failure = services.showReport(path)) {
    Caution(toolkit,
            "The build sheet was written to " + path + " but could not be shown.\r\n" + *failure);
    return false;
  }
  return true;
}

}  // namespace pfc::ui
