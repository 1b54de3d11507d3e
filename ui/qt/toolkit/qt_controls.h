#pragma once

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace pfc::ui {

// What a control reports to the toolkit. Unset callbacks are skipped.
struct ControlEvents {
  std::function<void(Qt::FocusReason)> gotFocus;
  std::function<void(Qt::FocusReason)> lostFocus;
  std::function<void()> mouseDown;
  std::function<void()> mouseUp;
  std::function<void()> click;   // a text box or label clicked with the mouse
  std::function<void()> edited;  // a single-line box's text changed by the user
  // Returns the character to insert or 0 to discard it.
  std::function<char32_t(char32_t)> keyPress;
};

// The character a key event types, in the form a key handler sees it: Backspace is 8 and
// Ctrl with a letter is its control character (Ctrl+C is 3). 0 for keys that type nothing
// (Delete, arrows, Home, End, Tab).
char32_t TypedCharacter(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// Single-line text box.
class EntryBox : public QLineEdit {
 public:
  explicit EntryBox(QWidget* parent) : QLineEdit(parent) {}
  ControlEvents events;
  // Selects the whole text; when the focus came by a mouse press, again after the press
  // has placed the caret, so that a click into the box selects all of it.
  void SelectWholeText();
  // Text from the clipboard, the mouse selection or a drop, passed character by character
  // through the key handler as if typed.
  void InsertFiltered(const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool focusByMouse_ = false;
  bool selectAfterPress_ = false;
};

// A Qt control that tells the form when it gains and loses the focus, and no more.
template <typename Widget>
class FocusReporting : public Widget {
 public:
  explicit FocusReporting(QWidget* parent) : Widget(parent) {}
  ControlEvents events;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    Widget::focusInEvent(event);
    if (events.gotFocus) {
      events.gotFocus(event->reason());
    }
  }
  void focusOutEvent(QFocusEvent* event) override {
    Widget::focusOutEvent(event);
    if (events.lostFocus) {
      events.lostFocus(event->reason());
    }
  }
};

using TextArea = FocusReporting<QPlainTextEdit>;  // multi-line text box
using CommandButton = FocusReporting<QPushButton>;
using TickBox = FocusReporting<QCheckBox>;

class CaptionLabel : public QLabel {
 public:
  explicit CaptionLabel(QWidget* parent) : QLabel(parent) {}
  ControlEvents events;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A straight line across its rectangle: horizontal, vertical or diagonal.
class LineShape : public QWidget {
 public:
  LineShape(QWidget* parent, bool descending) : QWidget(parent), descending_(descending) {}
  QColor colour = Qt::black;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool descending_;
};

}  // namespace pfc::ui
