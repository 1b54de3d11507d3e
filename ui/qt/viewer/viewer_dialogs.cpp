#include "ui/qt/viewer/viewer_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/qt/common/file_dialog_guard.h"

namespace pfc {
namespace {

const QString kHtmlPattern = QStringLiteral("*.html");
// Reports saved elsewhere may end in the short extension; both open alike.
const QString kOpenPatterns = QStringLiteral("HTML files (*.html *.htm)");

std::optional<QString> Chosen(const QString& name, QString& lastName) {
  if (name.isEmpty()) {
    return std::nullopt;
  }
  lastName = name;
  return name;
}

}  // namespace

DesktopViewerDialogs::DesktopViewerDialogs(QWidget* parent) : parent_(parent) {
  ui::GuardFileDialogs();
}

std::optional<QString> DesktopViewerDialogs::AskSaveName(const QString& suggestedName) {
  // The name goes on exactly as typed (".html" is added afterwards), so the dialog adds no
  // extension and asks nothing about a file of that name: it is not the one written.
  for (;;) {
    const QString name = QFileDialog::getSaveFileName(
        parent_, QStringLiteral("Save As"), lastHtmlName_.isEmpty() ? suggestedName : lastHtmlName_,
        kHtmlPattern, nullptr, QFileDialog::DontConfirmOverwrite);
    if (!ui::IsInSystemFolder(name)) {
      return Chosen(name, lastHtmlName_);
    }
    ui::RefuseSystemPath(parent_, QStringLiteral("Save As"), name);
  }
}

bool DesktopViewerDialogs::ConfirmReplace(const QString& path) {
  QMessageBox box(
      QMessageBox::Warning, QStringLiteral("Save As"),
      QFileInfo(path).fileName() + QStringLiteral(" already exists.\nDo you want to replace it?"),
      QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> DesktopViewerDialogs::AskOpenName() {
  // A file there may never end, or keep its reader waiting for good.
  for (;;) {
    const QString name =
        QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), lastHtmlName_, kOpenPatterns);
    if (!ui::IsInSystemFolder(name)) {
      return Chosen(name, lastHtmlName_);
    }
    ui::RefuseSystemPath(parent_, QStringLiteral("Open"), name);
  }
}

std::optional<QString> DesktopViewerDialogs::AskPdfName() {
  // Here the dialog adds the extension itself, so its overwrite question is about the file
  // that is actually written.
  for (;;) {
    QFileDialog dialog(parent_, QStringLiteral("Save as PDF"), lastPdfName_,
                       QStringLiteral("*.pdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    const QString name = dialog.selectedFiles().constFirst();
    if (!ui::IsInSystemFolder(name)) {
      return Chosen(name, lastPdfName_);
    }
    ui::RefuseSystemPath(parent_, dialog.windowTitle(), name);
  }
}

bool DesktopViewerDialogs::SetUpPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pfc
