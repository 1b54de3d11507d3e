#pragma once

#include <string>

#include "ui/forms/session/form_pictures.h"
#include "ui/toolkit/form_description.h"
#include "ui/toolkit/twips.h"

// Short-hands for writing form designs: each returns a control with the kind's usual
// settings, which the design then adjusts.
namespace pfc::ui::design {

inline FontDescription Arial(double points, bool bold = false, bool underline = false) {
  return FontDescription{"Arial", points, bold, underline};
}

// A control of the kind, named and placed; every short-hand below starts from it.
inline ControlDescription Placed(ControlKind kind, std::string name, TwipRect rect) {
  ControlDescription c;
  c.kind = kind;
  c.name = std::move(name);
  c.rect = rect;
  return c;
}

// A control the user reaches with Tab: black on the kind's background.
inline ControlDescription Reachable(ControlKind kind, std::string name, TwipRect rect,
                                    FontDescription font, int tabIndex, Rgb background) {
  ControlDescription c = Placed(kind, std::move(name), rect);
  c.font = std::move(font);
  c.tabIndex = tabIndex;
  c.foreColour = kBlack;
  c.backColour = background;
  return c;
}

inline ControlDescription Label(std::string name, std::string caption, TwipRect rect,
                                FontDescription font, Rgb colour = kBlack) {
  ControlDescription c = Placed(ControlKind::Label, std::move(name), rect);
  c.text = std::move(caption);
  c.font = std::move(font);
  c.foreColour = colour;
  return c;
}

inline ControlDescription TextBox(std::string name, std::string text, TwipRect rect,
                                  FontDescription font, int tabIndex) {
  ControlDescription c =
      Reachable(ControlKind::TextBox, std::move(name), rect, std::move(font), tabIndex, kWhite);
  c.text = std::move(text);
  c.border = true;
  return c;
}

inline ControlDescription Button(std::string name, std::string caption, TwipRect rect,
                                 FontDescription font, int tabIndex) {
  ControlDescription c =
      Reachable(ControlKind::Button, std::move(name), rect, std::move(font), tabIndex, kSilver);
  c.text = std::move(caption);
  return c;
}

// The button that closes a window opened from another one; Escape presses it too, as users
// expect of such a window.
inline ControlDescription CloseButton(std::string name, std::string caption, TwipRect rect,
                                      FontDescription font, int tabIndex) {
  ControlDescription c =
      Button(std::move(name), std::move(caption), rect, std::move(font), tabIndex);
  c.shortcut = "Esc";
  return c;
}

inline ControlDescription List(std::string name, TwipRect rect, FontDescription font,
                               int tabIndex) {
  return Reachable(ControlKind::ListBox, std::move(name), rect, std::move(font), tabIndex,
                   kLightGrey);
}

inline ControlDescription CheckBox(std::string name, std::string caption, TwipRect rect,
                                   FontDescription font, int tabIndex, bool ticked) {
  ControlDescription c = Reachable(ControlKind::CheckBox, std::move(name), rect, std::move(font),
                                   tabIndex, kLightGrey);
  c.text = std::move(caption);
  c.ticked = ticked;
  return c;
}

inline ControlDescription Picture(std::string name, std::string file, TwipRect rect) {
  ControlDescription c = Placed(ControlKind::Picture, std::move(name), rect);
  c.picture = std::move(file);
  return c;
}

// A line from (x1, y1) to (x2, y2).
inline ControlDescription Line(std::string name, int x1, int y1, int x2, int y2,
                               Rgb colour = kBlack) {
  ControlDescription c =
      Placed(ControlKind::Line, std::move(name), TwipRect{x1, y1, x2 - x1, y2 - y1});
  c.foreColour = colour;
  return c;
}

inline ControlDescription Frame(std::string name, TwipRect rect) {
  return Placed(ControlKind::Frame, std::move(name), rect);
}

// The windows drawn on a pixel grid rather than in the method's twips.
inline constexpr int kPixel = kTwipsPerPixel;

inline TwipRect Pixels(int x, int y, int width, int height) {
  return {x * kPixel, y * kPixel, width * kPixel, height * kPixel};
}

// A control the toolkit builds by its custom kind (a chart, a table).
inline ControlDescription Custom(std::string name, std::string kind, TwipRect rect, int tabIndex) {
  ControlDescription c = Placed(ControlKind::Custom, std::move(name), rect);
  c.customKind = std::move(kind);
  c.tabIndex = tabIndex;
  c.font = Arial(8.25);
  return c;
}

}  // namespace pfc::ui::design
