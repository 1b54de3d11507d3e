#pragma once

#include <string>

#include "ui/forms/session/form_pictures.h"
#include "ui/toolkit/form_description.h"

// Short-hands for writing form designs: each returns a control with the kind's usual
// settings, which the design then adjusts.
namespace pfc::ui::design {

inline FontDescription Arial(double points, bool bold = false, bool underline = false) {
  return FontDescription{"Arial", points, bold, underline};
}

inline ControlDescription Label(std::string name, std::string caption, TwipRect rect,
                                FontDescription font, Rgb colour = kBlack) {
  ControlDescription c;
  c.kind = ControlKind::Label;
  c.name = std::move(name);
  c.text = std::move(caption);
  c.rect = rect;
  c.font = std::move(font);
  c.foreColour = colour;
  return c;
}

inline ControlDescription TextBox(std::string name, std::string text, TwipRect rect,
                                  FontDescription font, int tabIndex) {
  ControlDescription c;
  c.kind = ControlKind::TextBox;
  c.name = std::move(name);
  c.text = std::move(text);
  c.rect = rect;
  c.font = std::move(font);
  c.tabIndex = tabIndex;
  c.border = true;
  c.foreColour = kBlack;
  c.backColour = kWhite;
  return c;
}

inline ControlDescription Button(std::string name, std::string caption, TwipRect rect,
                                 FontDescription font, int tabIndex) {
  ControlDescription c;
  c.kind = ControlKind::Button;
  c.name = std::move(name);
  c.text = std::move(caption);
  c.rect = rect;
  c.font = std::move(font);
  c.tabIndex = tabIndex;
  c.foreColour = kBlack;
  c.backColour = kSilver;
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
  ControlDescription c;
  c.kind = ControlKind::ListBox;
  c.name = std::move(name);
  c.rect = rect;
  c.font = std::move(font);
  c.tabIndex = tabIndex;
  c.foreColour = kBlack;
  c.backColour = kLightGrey;
  return c;
}

inline ControlDescription CheckBox(std::string name, std::string caption, TwipRect rect,
                                   FontDescription font, int tabIndex, bool ticked) {
  ControlDescription c;
  c.kind = ControlKind::CheckBox;
  c.name = std::move(name);
  c.text = std::move(caption);
  c.rect = rect;
  c.font = std::move(font);
  c.tabIndex = tabIndex;
  c.ticked = ticked;
  c.foreColour = kBlack;
  c.backColour = kLightGrey;
  return c;
}

inline ControlDescription Picture(std::string name, std::string file, TwipRect rect) {
  ControlDescription c;
  c.kind = ControlKind::Picture;
  c.name = std::move(name);
  c.picture = std::move(file);
  c.rect = rect;
  return c;
}

// A line from (x1, y1) to (x2, y2).
inline ControlDescription Line(std::string name, int x1, int y1, int x2, int y2,
                               Rgb colour = kBlack) {
  ControlDescription c;
  c.kind = ControlKind::Line;
  c.name = std::move(name);
  c.rect = TwipRect{x1, y1, x2 - x1, y2 - y1};
  c.foreColour = colour;
  return c;
}

inline ControlDescription Frame(std::string name, TwipRect rect) {
  ControlDescription c;
  c.kind = ControlKind::Frame;
  c.name = std::move(name);
  c.rect = rect;
  return c;
}

// The windows drawn on a pixel grid rather than in the method's twips: 15 twips a pixel.
inline constexpr int kPixel = 15;

inline TwipRect Pixels(int x, int y, int width, int height) {
  return {x * kPixel, y * kPixel, width * kPixel, height * kPixel};
}

// A control the toolkit builds by its custom kind (a chart, a table).
inline ControlDescription Custom(std::string name, std::string kind, TwipRect rect, int tabIndex) {
  ControlDescription c;
  c.kind = ControlKind::Custom;
  c.name = std::move(name);
  c.customKind = std::move(kind);
  c.rect = rect;
  c.tabIndex = tabIndex;
  c.font = Arial(8.25);
  return c;
}

}  // namespace pfc::ui::design
