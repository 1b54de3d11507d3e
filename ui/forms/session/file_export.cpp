#include "ui/forms/session/file_export.h"

#include <utility>

#include "reports/atomic_file.h"

namespace pfc::ui {

bool ExportFile(Toolkit& toolkit, const DesktopServices& services, const SaveFileRequest& request,
                std::string_view bytes) {
  if (!services.chooseSaveFile) {
    return false;
  }
  const std::optional<std::string> path = services.chooseSaveFile(request);
  if (!path || path->empty()) {
    return false;
  }
  const FileWriteResult written = WriteFileAtomically(*path, bytes);
  if (!written.written) {
    toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, written.Message()});
  }
  return written.written;
}

SaveFileRequest CsvFileRequest(std::string title, std::string suggestedName) {
  return SaveFileRequest{std::move(title), std::move(suggestedName), "CSV files", "csv"};
}

}  // namespace pfc::ui
