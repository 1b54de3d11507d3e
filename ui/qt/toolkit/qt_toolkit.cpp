#include "ui/qt/toolkit/qt_toolkit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/qt/common/window_placement.h"
#include "ui/qt/toolkit/form_window.h"
#include "ui/qt/toolkit/qt_controls.h"
#include "ui/qt/toolkit/widget_look.h"

namespace pfc::ui {

namespace {

// A message box's title and its text, shown as plain text with CR LF line ends honoured.
void SetTitleAndText(QMessageBox& box, std::string_view title, std::string_view text) {
  box.setWindowTitle(ToQt(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(WithLineFeeds(text));
}

// A label's access letter focuses its buddy; the label shows the letter underlined.
void LinkBuddies(const FormDescription& description, FormWindow& window) {
  for (const ControlDescription& control : description.controls) {
    const auto label = window.controls.find(control.name);
    const auto buddy = window.controls.find(control.buddy);
    if (control.buddy.empty() || label == window.controls.end() || buddy == window.controls.end()) {
      continue;
    }
    if (auto* caption = qobject_cast<QLabel*>(label->second); caption != nullptr) {
      caption->setBuddy(buddy->second);
    }
  }
}

}  // namespace

QtToolkit::QtToolkit(const FormRegistry& registry, QString pictureFolder)
    : FormHost(registry), pictureFolder_(std::move(pictureFolder)) {
  // A window of the program that is no form (the report viewer) taking the keyboard is a
  // switch away from the active form, so coming back activates the form again. Message
  // boxes and other dialogs are no such switch.
  focusWatch_ =
      QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [this](QWindow* focused) {
        QWidget* widget = QApplication::activeWindow();
        if (focused == nullptr || widget == nullptr ||
            dynamic_cast<FormWindow*>(widget) != nullptr ||
            qobject_cast<QDialog*>(widget) != nullptr) {
          return;
        }
        if (!ActiveForm().empty()) {
          ForgetActiveForm(ActiveForm());
        }
      });
}

QtToolkit::~QtToolkit() {
  QObject::disconnect(focusWatch_);
  // Unloaded windows waiting for their deferred deletion go too: they must not report to a
  // toolkit that is gone.
  // Forgotten first, so that events sent while they close find no form.
  windows_.clear();
  const std::vector<QPointer<FormWindow>> windows = std::move(createdWindows_);
  for (const QPointer<FormWindow>& window : windows) {
    delete window.data();
  }
}

void QtToolkit::AddWidgetFactory(std::string customKind, WidgetFactory factory) {
  factories_[std::move(customKind)] = std::move(factory);
}

void QtToolkit::SetMessagePresenter(MessagePresenter presenter) {
  presenter_ = std::move(presenter);
}

void QtToolkit::SetFirstShownHandler(std::function<void()> handler) {
  firstShown_ = std::move(handler);
}

QWidget* QtToolkit::Window(std::string_view form) const {
  const auto found = windows_.find(form);
  return found == windows_.end() ? nullptr : found->second.data();
}

QWidget* QtToolkit::Widget(std::string_view form, std::string_view control) {
  FormWindow* window = static_cast<FormWindow*>(Window(form));
  if (window == nullptr) {
    return nullptr;
  }
  const auto found = window->controls.find(control);
  return found == window->controls.end() ? nullptr : found->second;
}

QWidget* QtToolkit::Require(std::string_view form, std::string_view control) {
  Load(form);
  QWidget* widget = Widget(form, control);
  if (widget == nullptr) {
    throw std::logic_error("no control named " + std::string(control) + " on " + std::string(form));
  }
  return widget;
}

bool QtToolkit::IsCurrent(const std::string& form, const FormWindow* window) const {
  return Window(form) == window;
}

void QtToolkit::CreateWindow(const FormDescription& description) {
  // Hidden forms count as loaded: the toolkit, not the last visible window, ends the program.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  auto* window = new FormWindow(*this, description.name);
  window->setWindowTitle(ToQt(description.caption));
  const QSize designed(Pixels(description.clientWidth), Pixels(description.clientHeight));
  if (description.scrolls) {
    window->MakeScrolling(designed);
  } else if (description.resizable) {
    window->MakeResizable(designed);
  } else {
    window->setFixedSize(designed);
  }
  PaintBackground(window, description.backColour);
  PaintBackground(window->Canvas(), description.backColour);
  window->setFont(FontOf(description.font));
  std::vector<std::pair<int, QWidget*>> tabOrder;
  for (const ControlDescription& control : description.controls) {
    QWidget* widget = BuildControl(ControlSite{control, window->Canvas(),
                                               EventsOf(description.name, control.name, window),
                                               pictureFolder_, factories_});
    if (widget == nullptr) {
      continue;
    }
    widget->setObjectName(ToQt(control.name));
    window->controls[control.name] = widget;
    if (description.resizable || description.scrolls) {
      window->Follow(widget, widget->geometry(), control.stretch);
    }
    if (control.tabIndex >= 0) {
      tabOrder.emplace_back(control.tabIndex, widget);
    } else if (control.kind == ControlKind::Button || control.kind == ControlKind::CheckBox ||
               control.kind == ControlKind::Custom) {
      widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  if (description.acceptsFileDrops) {
    window->AcceptFileDrops();
  }
  AddKeys(description, window);
  LinkBuddies(description, *window);
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
  windows_[description.name] = window;
  std::erase_if(createdWindows_, [](const QPointer<FormWindow>& w) { return w.isNull(); });
  createdWindows_.emplace_back(window);
}

ControlEvents QtToolkit::EventsOf(const std::string& formName, const std::string& name,
                                  FormWindow* window) {
  auto current = [this, formName, window] { return IsCurrent(formName, window); };
  ControlEvents events;
  events.gotFocus = [this, current, formName, name, window](Qt::FocusReason reason) {
    const bool regained = reason == Qt::ActiveWindowFocusReason && window->focusedControl == name;
    if (current() && !regained && reason != Qt::PopupFocusReason) {
      window->focusedControl = name;
      FireGotFocus(formName, name);
    }
  };
  events.lostFocus = [this, current, formName, name, window](Qt::FocusReason reason) {
    // Another window taking the keyboard, or a list popping up, moves no focus in the form.
    if (current() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      window->focusedControl.clear();
      FireLostFocus(formName, name);
    }
  };
  events.mouseDown = [this, current, formName, name] {
    if (current()) {
      FireMouseDown(formName, name);
    }
  };
  events.mouseUp = [this, current, formName, name] {
    if (current()) {
      FireMouseUp(formName, name);
    }
  };
  events.keyPress = [this, current, formName, name](char32_t key) {
    return current() ? FireKeyPress(formName, name, key) : key;
  };
  events.click = [this, current, formName, name] {
    if (current()) {
      FireClick(formName, name);
    }
  };
  events.edited = [this, current, formName, name] {
    if (current()) {
      FireChange(formName, name);
    }
  };
  return events;
}

void QtToolkit::AddKeys(const FormDescription& description, FormWindow* window) {
  const std::string formName = description.name;
  auto press = [this, formName, window](const std::string& keys) {
    return [this, formName, window, keys] {
      if (IsCurrent(formName, window)) {
        FireKey(formName, keys);
      }
    };
  };
  std::vector<std::string> keys;
  for (const KeyCommand& command : description.keyCommands) {
    keys.push_back(command.keys);
  }
  for (const auto& [programKeys, handler] : Registry().ProgramKeys()) {
    keys.push_back(programKeys);
  }
  for (const std::string& combination : keys) {
    auto* shortcut = new QShortcut(QKeySequence(ToQt(combination)), window);
    QObject::connect(shortcut, &QShortcut::activated, window, press(combination));
  }
  for (const ControlDescription& control : description.controls) {
    const auto found = window->controls.find(control.name);
    auto* button =
        found == window->controls.end() ? nullptr : qobject_cast<QPushButton*>(found->second);
    if (control.shortcut == kEscapeKey && button != nullptr) {
      window->escapePressed = [button] {
        if (button->isEnabled() && button->isVisible()) {
          button->click();
        }
      };
    }
  }
  if (description.defaultButton.empty()) {
    return;
  }
  const auto found = window->controls.find(description.defaultButton);
  auto* button =
      found == window->controls.end() ? nullptr : qobject_cast<QPushButton*>(found->second);
  if (button == nullptr) {
    return;
  }
  button->setDefault(true);
  window->enterPressed = [button] {
    if (button->isEnabled() && button->isVisible()) {
      button->click();
    }
  };
}

void QtToolkit::DestroyWindow(std::string_view form) {
  const auto found = windows_.find(form);
  if (found == windows_.end()) {
    return;
  }
  QPointer<FormWindow> window = found->second;
  windows_.erase(found);
  if (window) {
    window->hide();
    window->deleteLater();
  }
}

void QtToolkit::ShowWindow(std::string_view form) {
  QWidget* window = Window(form);
  window->show();
  SettleCentring(*window);
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    window->raise();  // the offscreen platform has no stacking order to change
  }
  window->activateWindow();
}

void QtToolkit::HideWindow(std::string_view form) {
  Window(form)->hide();
}

void QtToolkit::OnNoFormLoaded() {
  // Judged once the current event has been handled: a handler may unload its form and then
  // show another one.
  std::weak_ptr<int> alive = lifetime_;
  QTimer::singleShot(0, qApp, [this, alive] {
    if (alive.expired() || !Ended()) {
      return;
    }
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) {
        // A window that is no form (the report viewer) is still open: the program ends
        // when it closes.
        QGuiApplication::setQuitOnLastWindowClosed(true);
        return;
      }
    }
    QCoreApplication::quit();
  });
}

void QtToolkit::WindowActivated(FormWindow* window) {
  if (IsCurrent(window->FormName(), window)) {
    FireActivated(window->FormName());
  }
}

void QtToolkit::WindowClosedByUser(FormWindow* window) {
  if (IsCurrent(window->FormName(), window)) {
    FireCloseRequested(window->FormName());
  }
}

void QtToolkit::WindowPainted() {
  if (firstShown_) {
    auto handler = std::move(firstShown_);
    firstShown_ = nullptr;
    handler();
  }
}

void QtToolkit::WindowFilesDropped(FormWindow* window, std::vector<std::string> paths) {
  // After the drop has ended: the handler may show a message box, and the program the
  // files came from waits until the drop is answered.
  QPointer<FormWindow> dropTarget(window);
  std::weak_ptr<int> alive = lifetime_;
  QTimer::singleShot(0, window, [this, alive, dropTarget, paths = std::move(paths)] {
    if (!alive.expired() && dropTarget && IsCurrent(dropTarget->FormName(), dropTarget)) {
      FireFilesDropped(dropTarget->FormName(), paths);
    }
  });
}

void QtToolkit::Move(std::string_view form, int leftTwips, int topTwips) {
  Load(form);
  Window(form)->move(Pixels(leftTwips), Pixels(topTwips));
}

void QtToolkit::Centre(std::string_view form) {
  Load(form);
  QWidget* window = Window(form);
  const QWidget* parent = QApplication::activeWindow();
  CentreOnParentScreen(*window, parent == window ? nullptr : parent);
}

void QtToolkit::SetMousePointer(std::string_view form, MousePointer pointer) {
  Load(form);
  if (pointer == MousePointer::Busy) {
    Window(form)->setCursor(Qt::WaitCursor);
  } else {
    Window(form)->unsetCursor();
  }
}

std::string QtToolkit::Caption(std::string_view form) {
  Load(form);
  return FromQt(Window(form)->windowTitle());
}

void QtToolkit::SetCaption(std::string_view form, std::string_view caption) {
  Load(form);
  Window(form)->setWindowTitle(ToQt(caption));
}

void QtToolkit::ShowMessage(const Message& message) {
  if (presenter_) {
    presenter_(message);
    return;
  }
  QMessageBox box(ActiveForm().empty() ? nullptr : Window(ActiveForm()));
  SetTitleAndText(box, message.title, message.text);
  box.setIcon(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

SaveChangesAnswer QtToolkit::AskToSaveChanges(std::string_view form, std::string_view title,
                                              std::string_view text) {
  QWidget* parent = IsVisible(form)        ? Window(form)
                    : ActiveForm().empty() ? nullptr
                                           : Window(ActiveForm());
  QMessageBox box(parent);
  SetTitleAndText(box, title, text);
  box.setIcon(QMessageBox::Warning);
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  // The same words on every desktop, as the manual names them.
  box.button(QMessageBox::Discard)->setText(QStringLiteral("Do&n't Save"));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);  // the title bar's close button too
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
      return SaveChangesAnswer::Discard;
    default:
      return SaveChangesAnswer::Cancel;
  }
}

bool QtToolkit::IsVisible(std::string_view form) const {
  const QWidget* window = Window(form);
  return window != nullptr && window->isVisible();
}

std::string QtToolkit::Text(std::string_view form, std::string_view control) {
  QWidget* widget = Require(form, control);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    return FromQt(box->text());
  }
  if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    QString text = area->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return FromQt(text);
  }
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    return FromQt(list->currentText());
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return FromQt(button->text());
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return FromQt(WholeCaption(label));
  }
  return {};
}

void QtToolkit::SetText(std::string_view form, std::string_view control, std::string_view text) {
  QWidget* widget = Require(form, control);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(ToQt(text));
    box->setCursorPosition(0);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    area->setPlainText(WithLineFeeds(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQt(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setProperty("pfcWholeText", QVariant());
    label->setText(ToQt(text));
    FitCaption(label);
  }
}

int QtToolkit::ChooseFromMenu(std::string_view form, std::string_view control,
                              const std::vector<std::string>& items) {
  QWidget* widget = Require(form, control);
  QMenu menu(widget);
  std::vector<QAction*> actions;
  for (const std::string& item : items) {
    actions.push_back(menu.addAction(ToQt(item)));
  }
  if (!actions.empty()) {
    menu.setActiveAction(actions.front());  // the keyboard starts on the first item
  }
  const QAction* chosen = menu.exec(widget->mapToGlobal(QPoint(0, widget->height())));
  const auto found = std::find(actions.begin(), actions.end(), chosen);
  return found == actions.end() ? -1 : static_cast<int>(found - actions.begin());
}

void QtToolkit::SetFocus(std::string_view form, std::string_view control) {
  QWidget* widget = Require(form, control);
  auto* window = static_cast<FormWindow*>(Window(form));
  // A run started from the keyboard (Alt with an access letter) leaves the focus in its
  // box, and Qt sends no event for a focus that does not move.
  const bool held = widget->hasFocus();
  widget->setFocus(Qt::OtherFocusReason);
  if (held || !widget->hasFocus()) {
    // Otherwise the window is not active (a message box has just closed, or it is hidden):
    // Qt moves the focus only when the window is activated again, so the handler runs now.
    window->focusedControl = std::string(control);
    FireGotFocus(form, control);
  }
}

void QtToolkit::SelectAll(std::string_view form, std::string_view control) {
  QWidget* widget = Require(form, control);
  if (auto* box = dynamic_cast<EntryBox*>(widget)) {
    box->SelectWholeText();
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    area->selectAll();
  }
}

void QtToolkit::SetBold(std::string_view form, std::string_view control, bool bold) {
  QWidget* widget = Require(form, control);
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

bool QtToolkit::IsBold(std::string_view form, std::string_view control) {
  return Require(form, control)->font().bold();
}

void QtToolkit::SetForeColor(std::string_view form, std::string_view control, Rgb colour) {
  QWidget* widget = Require(form, control);
  PaintText(widget, colour);
  if (auto* line = dynamic_cast<LineShape*>(widget)) {
    line->colour = ToQColor(colour);
    line->update();
  }
}

Rgb QtToolkit::ForeColor(std::string_view form, std::string_view control) {
  const QColor colour = Require(form, control)->property("pfcForeColour").value<QColor>();
  return Rgb{colour.red(), colour.green(), colour.blue()};
}

void QtToolkit::SetToolTip(std::string_view form, std::string_view control, std::string_view tip) {
  Require(form, control)->setToolTip(ToQt(tip));
}

void QtToolkit::SetEnabled(std::string_view form, std::string_view control, bool enabled) {
  Require(form, control)->setEnabled(enabled);
}

bool QtToolkit::IsEnabled(std::string_view form, std::string_view control) {
  return Require(form, control)->isEnabled();
}

namespace {

QComboBox* ListOf(QWidget* widget) {
  auto* list = qobject_cast<QComboBox*>(widget);
  if (list == nullptr) {
    throw std::logic_error("not a list: " + widget->objectName().toStdString());
  }
  return list;
}

QCheckBox* CheckBoxOf(QWidget* widget) {
  auto* box = qobject_cast<QCheckBox*>(widget);
  if (box == nullptr) {
    throw std::logic_error("not a check box: " + widget->objectName().toStdString());
  }
  return box;
}

}  // namespace

void QtToolkit::ClearItems(std::string_view form, std::string_view control) {
  ListOf(Require(form, control))->clear();
}

void QtToolkit::AddItem(std::string_view form, std::string_view control, std::string_view item) {
  QComboBox* list = ListOf(Require(form, control));
  const int chosen = list->currentIndex();
  list->addItem(ToQt(item));
  // A name longer than the list is wide ends in "…" in its drop-down; the tip shows it whole.
  list->setItemData(list->count() - 1, ToQt(item), Qt::ToolTipRole);
  // Qt chooses the first item added to an empty list; appending chooses nothing here.
  list->setCurrentIndex(chosen);
}

int QtToolkit::ItemCount(std::string_view form, std::string_view control) {
  return ListOf(Require(form, control))->count();
}

std::string QtToolkit::ItemText(std::string_view form, std::string_view control, int position) {
  QComboBox* list = ListOf(Require(form, control));
  return position >= 0 && position < list->count() ? FromQt(list->itemText(position))
                                                   : std::string();
}

void QtToolkit::Choose(std::string_view form, std::string_view control, int position) {
  QComboBox* list = ListOf(Require(form, control));
  list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

int QtToolkit::ChosenPosition(std::string_view form, std::string_view control) {
  return ListOf(Require(form, control))->currentIndex();
}

void QtToolkit::SetTicked(std::string_view form, std::string_view control, bool ticked) {
  QCheckBox* box = CheckBoxOf(Require(form, control));
  if (box->isChecked() != ticked) {
    box->setChecked(ticked);
    FireClick(form, control);
  }
}

bool QtToolkit::IsTicked(std::string_view form, std::string_view control) {
  return CheckBoxOf(Require(form, control))->isChecked();
}

}  // namespace pfc::ui
