#include "ui/qt/toolkit/control_factories.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "ui/qt/toolkit/widget_look.h"

namespace pfc::ui {

namespace {

QWidget* BuildTextArea(const ControlSite& site) {
  const ControlDescription& control = site.control;
  auto* area = new TextArea(site.window);
  area->events = site.events;
  area->setPlainText(WithLineFeeds(control.text));
  area->setReadOnly(control.readOnly);
  area->setFrameShape(control.border ? QFrame::StyledPanel : QFrame::NoFrame);
  // Tab leaves the box, so that the keyboard never sticks in it; a tab comes in by pasting.
  // A text longer than the box scrolls in sight of the user.
  area->setTabChangesFocus(true);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return area;
}

QWidget* BuildEntryBox(const ControlSite& site) {
  const ControlDescription& control = site.control;
  auto* box = new EntryBox(site.window);
  box->events = site.events;
  box->setText(ToQt(control.text));
  box->setReadOnly(control.readOnly);
  box->setFrame(control.border);
  box->setAlignment(AlignmentOf(control.alignment) | Qt::AlignVCenter);
  QObject::connect(box, &QLineEdit::textEdited, box, [edited = site.events.edited] {
    if (edited) {
      edited();
    }
  });
  return box;
}

QWidget* BuildTextBox(const ControlSite& site) {
  return site.control.multiLine ? BuildTextArea(site) : BuildEntryBox(site);
}

QWidget* BuildListBox(const ControlSite& site) {
  auto* list = new QComboBox(site.window);
  list->setEditable(false);
  for (const std::string& item : site.control.items) {
    list->addItem(ToQt(item));
  }
  list->setCurrentIndex(site.control.chosenItem);
  QObject::connect(list, QOverload<int>::of(&QComboBox::activated), list,
                   [click = site.events.click](int) { click(); });
  return list;
}

QWidget* BuildCheckBox(const ControlSite& site) {
  auto* box = new TickBox(site.window);
  box->events = site.events;
  box->setText(ToQt(site.control.text));
  box->setChecked(site.control.ticked);
  QObject::connect(box, &QCheckBox::clicked, box, [click = site.events.click](bool) { click(); });
  return box;
}

QWidget* BuildButton(const ControlSite& site) {
  const auto& click = site.events.click;
  auto* button = new CommandButton(site.window);
  button->events = site.events;
  button->setText(ToQt(site.control.text));
  // Enter on a focused button clicks it, as Space does; elsewhere the form's default.
  button->setAutoDefault(true);
  QObject::connect(button, &QPushButton::clicked, button, [click](bool) { click(); });
  // Escape is the window's to hand on (FormWindow::escapePressed): as a shortcut it would
  // beat an open drop-down to the key and close the window under it.
  if (!site.control.shortcut.empty() && site.control.shortcut != kEscapeKey) {
    // Beside the access letter, which stays the button's own shortcut.
    auto* shortcut = new QShortcut(QKeySequence(ToQt(site.control.shortcut)), site.window);
    QObject::connect(shortcut, &QShortcut::activated, button, [click, button] {
      if (button->isEnabled() && button->isVisible()) {
        click();
      }
    });
  }
  return button;
}

QWidget* BuildLabel(const ControlSite& site) {
  const ControlDescription& control = site.control;
  auto* label = new CaptionLabel(site.window);
  label->events = site.events;
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQt(control.text));
  label->setWordWrap(control.wordWrap);
  label->setAlignment(AlignmentOf(control.alignment) | Qt::AlignTop);
  label->setFrameShape(control.border ? QFrame::Box : QFrame::NoFrame);
  return label;
}

QWidget* BuildFrame(const ControlSite& site) {
  auto* frame = new QFrame(site.window);
  frame->setFrameShape(site.control.border ? QFrame::Box : QFrame::NoFrame);
  return frame;
}

QWidget* BuildPicture(const ControlSite& site) {
  const QString path = site.pictureFolder + QStringLiteral("/") + ToQt(site.control.picture);
  if (!QFile::exists(path)) {
    return nullptr;  // no art is drawn rather than a placeholder
  }
  auto* picture = new QLabel(site.window);
  picture->setPixmap(QPixmap(path));
  picture->setScaledContents(true);
  return picture;
}

// A line's rectangle may run leftwards or upwards; the widget covers it from its top left
// corner and draws the diagonal that runs the same way.
QWidget* BuildLine(const ControlSite& site) {
  const TwipRect& r = site.control.rect;
  auto* line = new LineShape(site.window, (r.width >= 0) == (r.height >= 0));
  line->colour = ToQColor(site.control.foreColour.value_or(kBlack));
  const int x = Pixels(std::min(r.x, r.x + r.width));
  const int y = Pixels(std::min(r.y, r.y + r.height));
  line->setGeometry(x, y, std::max(1, Pixels(std::abs(r.width)) + 1),
                    std::max(1, Pixels(std::abs(r.height)) + 1));
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  return line;
}

QWidget* BuildCustom(const ControlSite& site) {
  const auto factory = site.customFactories.find(site.control.customKind);
  return factory == site.customFactories.end() ? nullptr
                                               : factory->second(site.control, site.window);
}

// The place, font, tip, state and colours every control but a line takes from its
// description.
void Dress(QWidget* widget, const ControlDescription& control) {
  widget->setGeometry(Pixels(control.rect.x), Pixels(control.rect.y), Pixels(control.rect.width),
                      Pixels(control.rect.height));
  widget->setFont(FontOf(control.font));
  widget->setToolTip(ToQt(control.toolTip));
  widget->setEnabled(control.enabled);
  if (control.backColour) {
    PaintBackground(widget, *control.backColour);
  }
  PaintText(widget, control.foreColour.value_or(kBlack));
  if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && control.shrinkToFit) {
    label->setProperty("pfcDesignPoints", control.font.points);
    FitCaption(label);
  }
}

struct ControlFactory {
  ControlKind kind;
  QWidget* (*build)(const ControlSite&);
  bool dressed;  // false for a control that places and paints itself
};

constexpr std::array kControlFactories{
    ControlFactory{ControlKind::TextBox, BuildTextBox, true},
    ControlFactory{ControlKind::ListBox, BuildListBox, true},
    ControlFactory{ControlKind::CheckBox, BuildCheckBox, true},
    ControlFactory{ControlKind::Button, BuildButton, true},
    ControlFactory{ControlKind::Label, BuildLabel, true},
    ControlFactory{ControlKind::Frame, BuildFrame, true},
    ControlFactory{ControlKind::Picture, BuildPicture, true},
    ControlFactory{ControlKind::Line, BuildLine, false},
    ControlFactory{ControlKind::Custom, BuildCustom, true},
};

// The table is indexed by kind, Custom last: a kind without its factory, or a factory out of
// place, does not compile.
constexpr bool IndexedByKind() {
  for (std::size_t i = 0; i < kControlFactories.size(); ++i) {
    if (static_cast<std::size_t>(kControlFactories[i].kind) != i) {
      return false;
    }
  }
  return kControlFactories.size() == static_cast<std::size_t>(ControlKind::Custom) + 1;
}
static_assert(IndexedByKind(), "one factory per ControlKind, in the enum's order");

}  // namespace

QWidget* BuildControl(const ControlSite& site) {
  const ControlFactory& factory = kControlFactories.at(static_cast<std::size_t>(site.control.kind));
  QWidget* widget = factory.build(site);
  if (widget != nullptr && factory.dressed) {
    Dress(widget, site.control);
  }
  return widget;
}

}  // namespace pfc::ui
