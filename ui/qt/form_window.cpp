#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <utility>

#include "ui/qt/qt_toolkit.h"

namespace pfc::ui {

FormWindow::FormWindow(QtToolkit& toolkit, std::string formName)
    : QWidget(nullptr), toolkit_(toolkit), formName_(std::move(formName)) {
  setObjectName(QString::fromStdString(formName_));
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    toolkit_.WindowActivated(this);
  }
  return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The toolkit unloads the form, which destroys this window later.
  event->ignore();
  toolkit_.WindowClosedByUser(this);
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  toolkit_.WindowPainted();
}

}  // namespace pfc::ui
