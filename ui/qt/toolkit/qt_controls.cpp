#include "ui/qt/toolkit/qt_controls.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace pfc::ui {

namespace {

void Call(const std::function<void()>& handler) {
  if (handler) {
    handler();
  }
}

// The editing keys every box offers, which type no character; pasting is apart.
bool IsEditingKey(const QKeyEvent* event) {
  for (const auto key : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                         QKeySequence::Undo, QKeySequence::Redo}) {
    if (event->matches(key)) {
      return true;
    }
  }
  return false;
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
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
    // The X11 selection pasted by the middle button, filtered as typing is.
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    InsertFiltered(clipboard->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  if (selectAfterPress_) {
    selectAfterPress_ = false;
    setSelection(0, static_cast<int>(text().size()));
  }
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Call(events.click);
  }
}

void EntryBox::InsertFiltered(const QString& text) {
  if (isReadOnly()) {
    return;
  }
  QString kept;
  for (const char32_t typed : text.toUcs4()) {
    const char32_t key = events.keyPress ? events.keyPress(typed) : typed;
    if (key >= U' ' && key != 0x7F) {  // a line holds no control characters
      kept.append(QString::fromUcs4(&key, 1));
    }
  }
  if (!kept.isEmpty()) {
    insert(kept);
  }
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste names its key after a tab, in every language.
  const QString pasteKey =
      QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste") || action->text().endsWith(pasteKey)) {
      QObject::disconnect(action, nullptr, this, nullptr);  // the box's own, unfiltered paste
      QObject::connect(action, &QAction::triggered, this,
                       [this] { InsertFiltered(QGuiApplication::clipboard()->text()); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void EntryBox::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText() || isReadOnly()) {
    QLineEdit::dropEvent(event);
    return;
  }
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  InsertFiltered(event->mimeData()->text());
  event->acceptProposedAction();
  setFocus(Qt::MouseFocusReason);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // The logic hears Enter (an entry that takes effect on it does), which types nothing;
    // then the line edit leaves it to the form's default button.
    if (events.keyPress) {
      events.keyPress(U'\r');
    }
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    InsertFiltered(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  if (IsEditingKey(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
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
