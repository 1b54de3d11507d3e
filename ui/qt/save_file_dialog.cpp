#include "ui/qt/save_file_dialog.h"

#include <QApplication>
#include <QFileDialog>

namespace pfc::ui {

std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QString extension = QString::fromStdString(request.extension);
  dialog.setNameFilter(QString::fromStdString(request.fileTypeName) + QStringLiteral(" (*.") +
                       extension + QStringLiteral(")"));
  dialog.setDefaultSuffix(extension);
  dialog.selectFile(QString::fromStdString(request.suggestedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace pfc::ui
