#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace pfc::ui {

// Where a window's frame goes so that it is centred in `area` (a screen's free part) and
// wholly inside it; a frame larger than the area keeps its top left corner in it.
QPoint CentredFramePosition(const QRect& area, const QSize& frameSize);

// Places a top-level window, before or after it is shown, centred on the screen of `parent`
// (the screen under the mouse when there is none) and wholly on it, title bar included.
// Before it is shown, its frame is taken to be that of the program's other windows; the
// window is centred again once if its own turns out to differ.
void CentreOnParentScreen(QWidget& window, const QWidget* parent);

// Call right after showing a window centred before: the frame may be known at once.
void SettleCentring(QWidget& window);

}  // namespace pfc::ui
