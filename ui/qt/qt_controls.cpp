#include "ui/qt/qt_controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pfc::ui {

namespace {

void Call(const std::function<void()>& handler) {
  if (handler) {
    handler();
  }
}

}  // namespace

char32_t TypedCharacter(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  switch (key) {
    case Qt::Key_Backspace:
      return U'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return U'\r';
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return 0;
    default:
      break;
  }
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return static_cast<char32_t>(key - Qt::Key_A + 1);
  }
  // Ctrl and Alt together are AltGr on many keyboards: what it types is a typed character.
  if (control != alt || text.isEmpty()) {
    return 0;
  }
  const QList<uint> points = text.toUcs4();
  if (points.isEmpty() || points.front() == 0x7F) {
    return 0;
  }
  return static_cast<char32_t>(points.front());
}

void EntryBox::SelectWholeText() {
  setSelection(0, static_cast<int>(text().size()));
  if (focusByMouse_) {
    selectAfterPress_ = true;
  }
}

void EntryBox::focusInEvent(QFocusEvent* event) {
  focusByMouse_ = event->reason() == Qt::MouseFocusReason;
  QLineEdit::focusInEvent(event);
  if (events.gotFocus) {
    events.gotFocus(event->reason());
  }
  focusByMouse_ = false;
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (events.lostFocus) {
    events.lostFocus(event->reason());
  }
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (selectAfterPress_) {
    setSelection(0, static_cast<int>(text().size()));
  }
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (selectAfterPress_) {
    selectAfterPress_ = false;
    setSelection(0, static_cast<int>(text().size()));
  }
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Call(events.click);
  }
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  // Alt with a key that is no access key of the form: the line edit would type the letter,
  // past the form's key handler.
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
      !event->text().isEmpty() && event->text().front().isPrint()) {
    event->ignore();
    return;
  }
  const char32_t typed = TypedCharacter(event->key(), modifiers, event->text());
  if (typed == 0 || !events.keyPress) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const char32_t kept = events.keyPress(typed);
  if (kept == 0) {
    event->accept();
    return;
  }
  if (kept == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const char32_t replacement[] = {kept};
  insert(QString::fromUcs4(replacement, 1));
}

void TextArea::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (events.gotFocus) {
    events.gotFocus(event->reason());
  }
}

void TextArea::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (events.lostFocus) {
    events.lostFocus(event->reason());
  }
}

void CommandButton::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  if (events.gotFocus) {
    events.gotFocus(event->reason());
  }
}

void CommandButton::focusOutEvent(QFocusEvent* event) {
  QPushButton::focusOutEvent(event);
  if (events.lostFocus) {
    events.lostFocus(event->reason());
  }
}

void TickBox::focusInEvent(QFocusEvent* event) {
  QCheckBox::focusInEvent(event);
  if (events.gotFocus) {
    events.gotFocus(event->reason());
  }
}

void TickBox::focusOutEvent(QFocusEvent* event) {
  QCheckBox::focusOutEvent(event);
  if (events.lostFocus) {
    events.lostFocus(event->reason());
  }
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  Call(events.mouseDown);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  Call(events.mouseUp);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Call(events.click);
  }
}

void LineShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour, 1));
  const QRect r = rect();  // right() and bottom() are the last pixels inside
  if (descending_) {
    painter.drawLine(r.topLeft(), r.bottomRight());
  } else {
    painter.drawLine(r.bottomLeft(), r.topRight());
  }
}

}  // namespace pfc::ui
