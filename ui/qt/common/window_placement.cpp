#include "ui/qt/common/window_placement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace pfc::ui {
namespace {

int CentredStart(int areaStart, int areaLength, int length) {
  const int centred = areaStart + (areaLength - length) / 2;
  return std::max(areaStart, std::min(centred, areaStart + areaLength - length));
}

// The window manager's frame around a window of this program: known once one is on screen,
// and the same for all of them.
QMargins FrameMargins(const QWidget& window) {
  const auto marginsOf = [](const QWidget& shown) {
    const QRect frame = shown.frameGeometry();
    const QRect client = shown.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
  };
  if (window.isVisible()) {
    return marginsOf(window);
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other != &window && other->isVisible() && other->frameGeometry() != other->geometry()) {
      return marginsOf(*other);
    }
  }
  return {};
}

// A window centred before it was shown, on this screen, assuming this frame.
struct Centring {
  QPointer<QScreen> screen;
  QMargins assumedFrame;
};

void Place(QWidget& window, QScreen& screen, const QMargins& frame) {
  // move() places the frame's top left corner of a top-level window.
  window.move(CentredFramePosition(screen.availableGeometry(), window.size().grownBy(frame)));
}

// Centres the window again, once, when its real frame turns out to differ from the one
// assumed: the window manager tells it only once the window is on screen.
class CentringKeeper final : public QObject {
 public:
  CentringKeeper(QWidget& window, Centring centring)
      : QObject(&window), window_(window), centring_(std::move(centring)) {
    setObjectName(QString::fromLatin1(kName));
    window.installEventFilter(this);
  }

  // Found by name: the class has no meta-object of its own for a cast.
  static constexpr const char* kName = "pfcCentringKeeper";
  static CentringKeeper* Of(QWidget& window) {
    return static_cast<CentringKeeper*>(
        window.findChild<QObject*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly));
  }

  // True once the real frame is known and the window centred with it.
  bool Settle() {
    if (!window_.isVisible() || centring_.screen.isNull()) {
      return false;
    }
    const QMargins frame = FrameMargins(window_);
    if (frame.isNull()) {
      return false;  // not framed yet: a window manager frames a window after it is mapped
    }
    if (frame != centring_.assumedFrame) {
      centring_.assumedFrame = frame;
      Place(window_, *centring_.screen, frame);
    }
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool framedMaybe = event->type() == QEvent::WindowActivate ||
                             event->type() == QEvent::Move || event->type() == QEvent::Show;
    if (watched == &window_ && framedMaybe && Settle()) {
      // From now on the window stays where it is, or where the user puts it.
      window_.removeEventFilter(this);
      setObjectName(QString());
      deleteLater();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
  Centring centring_;
};

}  // namespace

QPoint CentredFramePosition(const QRect& area, const QSize& frameSize) {
  return {CentredStart(area.left(), area.width(), frameSize.width()),
          CentredStart(area.top(), area.height(), frameSize.height())};
}

void CentreOnParentScreen(QWidget& window, const QWidget* parent) {
  QScreen* screen = parent != nullptr ? parent->screen() : nullptr;
  if (screen == nullptr) {
    screen = QGuiApplication::screenAt(QCursor::pos());
  }
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  if (screen == nullptr) {
    return;
  }
  const QMargins frame = FrameMargins(window);
  Place(window, *screen, frame);
  if (!window.isVisible()) {
    delete CentringKeeper::Of(window);
    new CentringKeeper(window, Centring{screen, frame});
  }
}

void SettleCentring(QWidget& window) {
  if (CentringKeeper* keeper = CentringKeeper::Of(window)) {
    keeper->Settle();
  }
}

}  // namespace pfc::ui
