#include "ui/qt/toolkit/open_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/qt/common/file_dialog_guard.h"

namespace pfc::ui {

std::optional<std::string> ChooseOpenFileWithDialog(const OpenFileRequest& request) {
  GuardFileDialogs();
  QString start = QString::fromStdString(request.startPath);
  for (;;) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromStdString(request.fileTypeName) + QStringLiteral(" (*.") +
                               QString::fromStdString(request.extension) + QStringLiteral(")"),
                           QStringLiteral("All files (*)")});
    if (!start.isEmpty()) {
      const QFileInfo startAt(start);
      dialog.setDirectory(startAt.isDir() ? startAt.absoluteFilePath() : startAt.absolutePath());
      if (!startAt.isDir()) {
        dialog.selectFile(startAt.fileName());
      }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    if (!IsInSystemFolder(chosen)) {
      return chosen.toStdString();
    }
    RefuseSystemPath(dialog.parentWidget(), dialog.windowTitle(), chosen);
  }
}

}  // namespace pfc::ui
