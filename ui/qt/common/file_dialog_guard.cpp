#include "ui/qt/common/file_dialog_guard.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QTimer>
#include <array>

namespace pfc::ui {
namespace {

constexpr std::array<const char*, 3> kSystemFolders{"/proc", "/sys", "/dev"};
constexpr const char* kGuardedProperty = "pfcFileDialogGuarded";

bool StartsInSystemFolder(const QString& absolute) {
  for (const char* folder : kSystemFolders) {
    const QString prefix = QString::fromLatin1(folder);
    if (absolute == prefix || absolute.startsWith(prefix + QLatin1Char('/'))) {
      return true;
    }
  }
  return false;
}

// Qt's own provider tells a file's type by reading its first bytes, on the thread that
// draws the dialog: /proc/kmsg never answers, and the program stops for good.
class NameOnlyIconProvider final : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (info.isDir() || !info.isFile()) {
      return QFileIconProvider::type(info);  // told from the file's kind, nothing is read
    }
    return mimeTypes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
  }
  QIcon icon(const QFileInfo& info) const override {
    return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
  }
  using QFileIconProvider::icon;

 private:
  QMimeDatabase mimeTypes_;
};

NameOnlyIconProvider& SharedIconProvider() {
  static NameOnlyIconProvider provider;
  return provider;
}

QString SafeFolder(const QString& candidate) {
  return candidate.isEmpty() || IsInSystemFolder(candidate) ? QDir::homePath() : candidate;
}

void Guard(QFileDialog& dialog) {
  dialog.setIconProvider(&SharedIconProvider());
  auto lastSafe = std::make_shared<QString>(SafeFolder(dialog.directory().absolutePath()));
  if (IsInSystemFolder(dialog.directory().absolutePath())) {
    dialog.setDirectory(*lastSafe);  // a folder remembered from an earlier dialog
  }
  // Whatever leads there (typing a folder's name, the history, a double click), the model
  // of the files shown moves first.
  auto* files = dialog.findChild<QFileSystemModel*>();
  if (files == nullptr) {
    return;
  }
  QPointer<QFileDialog> guarded(&dialog);
  QObject::connect(files, &QFileSystemModel::rootPathChanged, &dialog,
                   [guarded, lastSafe](const QString& folder) {
                     if (!IsInSystemFolder(folder)) {
                       *lastSafe = folder;
                       return;
                     }
                     // Left once the dialog has finished entering it.
                     QTimer::singleShot(0, guarded, [guarded, lastSafe, folder] {
                       guarded->setDirectory(*lastSafe);
                       RefuseSystemPath(guarded, guarded->windowTitle(), folder);
                     });
                   });
}

// Watches every window of the program as it is shown.
class FileDialogGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        !watched->property(kGuardedProperty).toBool()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow()) {
        widget->setProperty(kGuardedProperty, true);
        if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
          Guard(*dialog);
        }
        // The completers of file-name boxes in other dialogs (the printer's output file).
        for (QFileSystemModel* model : widget->findChildren<QFileSystemModel*>()) {
          model->setIconProvider(&SharedIconProvider());
        }
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

bool IsInSystemFolder(const QString& path) {
  if (path.isEmpty()) {
    return false;
  }
  const QFileInfo info(path);
  if (StartsInSystemFolder(QDir::cleanPath(info.absoluteFilePath()))) {
    return true;
  }
  // A link may lead there (/etc/mtab), or a folder of the path may be one.
  QFileInfo existing = info;
  while (!existing.exists() && existing.absoluteFilePath() != existing.absolutePath()) {
    existing = QFileInfo(existing.absolutePath());
  }
  const QString canonical = existing.canonicalFilePath();
  return !canonical.isEmpty() && StartsInSystemFolder(canonical);
}

void GuardFileDialogs() {
  if (qApp == nullptr || qApp->property(kGuardedProperty).toBool()) {
    return;
  }
  qApp->setProperty(kGuardedProperty, true);
  qApp->installEventFilter(new FileDialogGuard(qApp));
}

void RefuseSystemPath(QWidget* parent, const QString& title, const QString& path) {
  QMessageBox box(QMessageBox::Information, title,
                  path + QStringLiteral(" lies in a folder of the system (/proc, /sys or /dev), "
                                        "which holds no files of this program.\n\nChoose a "
                                        "file elsewhere."),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace pfc::ui
