#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/toolkit/form_description.h"

class QScrollArea;

namespace pfc::ui {

class QtToolkit;

// The top-level window of one loaded form. Reports activation, the title bar's close button
// and its first painting to the toolkit; the toolkit decides what they mean.
class FormWindow : public QWidget {
 public:
  FormWindow(QtToolkit& toolkit, std::string formName);
  ~FormWindow() override;

  const std::string& FormName() const { return formName_; }
  // Takes drops of local files, on the window and on its entry boxes alike, and hands
  // their paths to the toolkit; other drops go where they went before.
  void AcceptFileDrops();
  std::map<std::string, QWidget*, std::less<>> controls;
  // The control whose focus-gained event ran last and that has not lost the focus since;
  // the window giving the focus back to it after a switch of windows is no new event.
  std::string focusedControl;
  // Enter pressed where no control took it; nothing when unset.
  std::function<void()> enterPressed;
  // Escape pressed where no control took it (an open drop-down or completer takes it, and
  // closes); nothing when unset.
  std::function<void()> escapePressed;
  // Makes the window resizable from its designed size up, the controls following their
  // stretch from their designed geometry.
  void MakeResizable(QSize designed);
  // Makes the window resizable and its content scroll below the designed size; the controls
  // go on Canvas(). At first as large as designed, or as the screen's free part holds.
  void MakeScrolling(QSize designed);
  void Follow(QWidget* control, QRect designed, Stretch stretch);
  // Where the controls are: the window itself, or the content of its scroll area.
  QWidget* Canvas() const { return canvas_ != nullptr ? canvas_ : const_cast<FormWindow*>(this); }
  // The smallest a scrolling window may be made: it fits a 1366×768 screen with a panel.
  static QSize SmallestScrolling() { return {640, 480}; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QtToolkit& toolkit_;
  std::string formName_;
  bool takesFileDrops_ = false;
  QSize designed_;
  QWidget* canvas_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QMetaObject::Connection focusWatch_;
  struct Following {
    QWidget* control;
    QRect designed;
    Stretch stretch;
  };
  std::vector<Following> following_;

  // True when the event was a drag or drop of local files, now answered.
  bool TakeFileDrag(QEvent* event);
  void Lay(QSize size);
};

}  // namespace pfc::ui
