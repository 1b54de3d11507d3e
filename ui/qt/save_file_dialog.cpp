#include "ui/qt/save_file_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include "ui/qt/file_dialog_guard.h"

namespace pfc::ui {

std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request) {
  GuardFileDialogs();
  QString chosen = QString::fromStdString(request.suggestedName);
  for (;;) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString extension = QString::fromStdString(request.extension);
    dialog.setNameFilter(QString::fromStdString(request.fileTypeName) + QStringLiteral(" (*.") +
                         extension + QStringLiteral(")"));
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(chosen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    chosen = dialog.selectedFiles().front();
    if (!IsInSystemFolder(chosen)) {
      return chosen.toStdString();
    }
    RefuseSystemPath(dialog.parentWidget(), dialog.windowTitle(), chosen);
    chosen = QString::fromStdString(request.suggestedName);
  }
}

}  // namespace pfc::ui
