#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/colour.h"

namespace pfc::ui {

enum class ControlKind {
  TextBox,  // single or multi-line entry
  ListBox,  // drop-down list that only allows choosing
  CheckBox,
  Button,
  Label,
  Frame,    // a plain panel drawn behind the controls
  Picture,  // an image file from beside the executable; nothing is drawn without it
  Line,     // a straight line from (x, y) to (x + width, y + height)
  Custom,   // built by a factory the toolkit was given for ControlDescription::customKind
};

enum class TextAlignment { Left, Centre, Right };

struct FontDescription {
  std::string family = "Arial";
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

// Position and size in twips (1/1440 inch) within the form's client area.
struct TwipRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The shares of a resizable form's extra width and height by which a control moves (x, y)
// and grows (width, height): 0 keeps its designed place and size, 1 takes all of the room.
struct Stretch {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// A key combination that gives the form's logic a command no control shows: the logic hears
// it as a click of `command`, which names no control.
struct KeyCommand {
  std::string keys;  // "Ctrl+S"
  std::string command;
};

// The shortcut of a button that Escape presses: the form's when no control takes the key.
inline constexpr const char* kEscapeKey = "Esc";

// One control as the form is designed: everything a toolkit needs to build it.
struct ControlDescription {
  ControlKind kind = ControlKind::Label;
  std::string name;
  std::string text;  // text or caption; "&" marks the access letter of captions
  std::vector<std::string> items;
  int chosenItem = -1;
  std::string toolTip;
  int tabIndex = -1;  // -1 takes no keyboard focus
  TwipRect rect;
  FontDescription font;
  std::optional<Rgb> foreColour;
  std::optional<Rgb> backColour;
  TextAlignment alignment = TextAlignment::Left;
  bool enabled = true;
  bool ticked = false;
  bool multiLine = false;
  bool readOnly = false;
  bool border = false;  // a sunken frame around a text box, a box around a label
  bool wordWrap = false;
  bool shrinkToFit = false;  // a label whose caption is too wide is drawn in a smaller size
  std::string picture;       // file name of a Picture
  std::string customKind;    // of a Custom control
  // A key combination ("Ctrl+S") that clicks this button from anywhere in its form.
  std::string shortcut;
  Stretch stretch;  // in a resizable form
  // The control a label's access letter ("Roll-off &grade") gives the focus to.
  std::string buddy;
};

struct FormDescription {
  std::string name;
  std::string caption;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  Rgb backColour = kLightGrey;
  FontDescription font;           // of controls that bring none of their own
  bool acceptsFileDrops = false;  // local files dropped on the window reach its logic
  // Enter clicks this button from anywhere in the form but another button, which takes it
  // itself; none when empty.
  std::string defaultButton;
  std::vector<KeyCommand> keyCommands;
  // The user may enlarge and maximise the window, never below its designed size; the
  // controls follow their stretch.
  bool resizable = false;
  // Resizable both ways: smaller than designed (down to what a laptop's screen holds) the
  // content scrolls, and the control taking the focus is scrolled into view; larger, the
  // controls follow their stretch.
  bool scrolls = false;
  std::vector<ControlDescription> controls;  // drawn in this order, later ones on top

  const ControlDescription* Find(std::string_view control) const {
    for (const auto& c : controls) {
      if (c.name == control) {
        return &c;
      }
    }
    return nullptr;
  }
};

}  // namespace pfc::ui
