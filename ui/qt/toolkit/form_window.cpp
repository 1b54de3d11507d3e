#include "ui/qt/toolkit/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {

FormWindow::FormWindow(QtToolkit& toolkit, std::string formName)
    : QWidget(nullptr), toolkit_(toolkit), formName_(std::move(formName)) {
  setObjectName(QString::fromStdString(formName_));
}

FormWindow::~FormWindow() {
  QObject::disconnect(focusWatch_);
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
  if (watched == canvas_ && event->type() == QEvent::Resize) {
    Lay(canvas_->size());
  }
  return TakeFileDrag(event) || QWidget::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    toolkit_.WindowActivated(this);
  }
  return QWidget::event(event);
}

void FormWindow::MakeResizable(QSize designed) {
  designed_ = designed;
  setMinimumSize(designed);
  resize(designed);
}

void FormWindow::MakeScrolling(QSize designed) {
  designed_ = designed;
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, not to the frame
  canvas_ = new QWidget();
  canvas_->setObjectName(QStringLiteral("canvas"));
  canvas_->setMinimumSize(designed);
  canvas_->installEventFilter(this);
  scroll_->setWidget(canvas_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  setMinimumSize(designed.boundedTo(SmallestScrolling()));
  QSize first = designed;
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
    // Room for the frame the window manager adds; the placement centres it afterwards.
    const QSize room = screen->availableGeometry().size() - QSize(16, 40);
    first = first.boundedTo(room).expandedTo(minimumSize());
    if (first.height() < designed.height()) {
      // Room beside the content for the scroll bar, so that it needs no sideways one.
      const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
      first.setWidth(std::min(room.width(), designed.width() + bar));
    }
  }
  resize(first);
  // Tab moving onto a control out of sight brings it into view.
  focusWatch_ =
      QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && canvas_->isAncestorOf(now)) {
          // The whole control in sight, not only where its cursor is.
          const QRect r(now->mapTo(canvas_, QPoint(0, 0)), now->size());
          scroll_->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8,
                                 r.height() / 2 + 8);
        }
      });
}

void FormWindow::Follow(QWidget* control, QRect designed, Stretch stretch) {
  following_.push_back({control, designed, stretch});
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (designed_.isValid() && canvas_ == nullptr) {
    Lay(size());
  }
}

// The controls placed for the room there is: as designed, and the room beyond it shared out
// by their stretch.
void FormWindow::Lay(QSize size) {
  const int wider = std::max(0, size.width() - designed_.width());
  const int taller = std::max(0, size.height() - designed_.height());
  const auto share = [](int room, double part) {
    return static_cast<int>(std::lround(room * part));
  };
  for (const Following& f : following_) {
    const QRect& r = f.designed;
    f.control->setGeometry(r.x() + share(wider, f.stretch.x), r.y() + share(taller, f.stretch.y),
                           r.width() + share(wider, f.stretch.width),
                           r.height() + share(taller, f.stretch.height));
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain && enterPressed) {
    event->accept();
    enterPressed();
    return;
  }
  if (event->key() == Qt::Key_Escape && plain && escapePressed) {
    event->accept();
    escapePressed();
    return;
  }
  QWidget::keyPressEvent(event);
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
