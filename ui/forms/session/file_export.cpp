#include "ui/forms/session/file_export.h"

#include <utility>

#include "reports/files/atomic_file.h"

namespace pfc::ui {

std::optional<std::string> ExportFileAt(Toolkit& toolkit, const DesktopServices& services,
                                        const SaveFileRequest& request, std::string_view bytes) {
  if (!services.chooseSaveFile) {
    return std::nullopt;
  }
  std::optional<std::string> path = services.chooseSaveFile(request);
  if (!path || path->empty()) {
    return std::nullopt;
  }
  const FileWriteResult written = WriteFileAtomically(*path, bytes);
  if (!written.written) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, written.Message()});
    return std::nullopt;
  }
  return path;
}

bool ExportFile(Toolkit& toolkit, const DesktopServices& services, const SaveFileRequest& request,
                std::string_view bytes) {
  return ExportFileAt(toolkit, services, request, bytes).has_value();
}

SaveFileRequest CsvFileRequest(std::string title, std::string suggestedName) {
  return SaveFileRequest{std::move(title), std::move(suggestedName), "CSV files", "csv"};
}

}  // namespace pfc::ui
