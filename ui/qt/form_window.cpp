#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <utility>
#include <vector>

#include "ui/qt/qt_toolkit.h"

namespace pfc::ui {

FormWindow::FormWindow(QtToolkit& toolkit, std::string formName)
    : QWidget(nullptr), toolkit_(toolkit), formName_(std::move(formName)) {
  setObjectName(QString::fromStdString(formName_));
}

namespace {

// The paths of a drag that carries local files and nothing else; empty for any other drag
// (text, a web address, a file beside a web address).
std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) {
    return paths;
  }
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile() || url.toLocalFile().isEmpty()) {
      return {};
    }
    paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

}  // namespace

void FormWindow::AcceptFileDrops() {
  takesFileDrops_ = true;
  setAcceptDrops(true);
  // Entry boxes take any drag with text, a file's address included, and would type it in.
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child->acceptDrops()) {
      child->installEventFilter(this);
    }
  }
}

bool FormWindow::TakeFileDrag(QEvent* event) {
  if (!takesFileDrops_) {
    return false;
  }
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (LocalFiles(drag->mimeData()).empty()) {
        return false;
      }
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      std::vector<std::string> paths = LocalFiles(drop->mimeData());
      if (paths.empty()) {
        return false;
      }
      drop->acceptProposedAction();
      toolkit_.WindowFilesDropped(this, std::move(paths));
      return true;
    }
    default:
      return false;
  }
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeFileDrag(event)) {
    event->ignore();
  }
}

void FormWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeFileDrag(event)) {
    event->ignore();
  }
}

void FormWindow::dropEvent(QDropEvent* event) {
  if (!TakeFileDrag(event)) {
    event->ignore();
  }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  return TakeFileDrag(event) || QWidget::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    toolkit_.WindowActivated(this);
  }
  return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The toolkit unloads the form unless its logic keeps it; unloading destroys this window
  // later.
  event->ignore();
  toolkit_.WindowClosedByUser(this);
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  toolkit_.WindowPainted();
}

}  // namespace pfc::ui
