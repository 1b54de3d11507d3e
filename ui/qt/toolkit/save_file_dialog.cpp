#include "ui/qt/toolkit/save_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "ui/qt/common/file_dialog_guard.h"

namespace pfc::ui {
namespace {

QString NameFilter(const FileType& type) {
  return QString::fromStdString(type.name) + QStringLiteral(" (*.") +
         QString::fromStdString(type.extension) + QStringLiteral(")");
}

// The dialog for a name and one of the types, again until the name is outside the kernel's
// folders; the chosen type's extension is appended to a name typed without one.
std::optional<ChosenFile> ChooseWithDialog(const std::string& title,
                                           const std::string& suggestedName,
                                           const std::vector<FileType>& types) {
  GuardFileDialogs();
  QStringList filters;
  for (const FileType& type : types) {
    filters << NameFilter(type);
  }
  QString chosen = QString::fromStdString(suggestedName);
  for (;;) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(types.front().extension));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &types](const QString& filter) {
                       const qsizetype at = filters.indexOf(filter);
                       if (at >= 0) {
                         dialog.setDefaultSuffix(
                             QString::fromStdString(types[static_cast<std::size_t>(at)].extension));
                       }
                     });
    dialog.selectFile(chosen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    chosen = dialog.selectedFiles().front();
    if (!IsInSystemFolder(chosen)) {
      const qsizetype type = filters.indexOf(dialog.selectedNameFilter());
      return ChosenFile{chosen.toStdString(), type < 0 ? 0 : static_cast<std::size_t>(type)};
    }
    RefuseSystemPath(dialog.parentWidget(), dialog.windowTitle(), chosen);
    chosen = QString::fromStdString(suggestedName);
  }
}

}  // namespace

std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request) {
  const std::optional<ChosenFile> chosen = ChooseWithDialog(
      request.title, request.suggestedName, {FileType{request.fileTypeName, request.extension}});
  if (!chosen) {
    return std::nullopt;
  }
  return chosen->path;
}

std::optional<ChosenFile> ChooseTypedSaveFileWithDialog(const SaveTypedFileRequest& request) {
  if (request.types.empty()) {
    return std::nullopt;
  }
  return ChooseWithDialog(request.title, request.suggestedName, request.types);
}

}  // namespace pfc::ui
