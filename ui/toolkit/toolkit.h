#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/record/message.h"
#include "ui/toolkit/colour.h"

namespace pfc::ui {

enum class MousePointer { Normal, Busy };

// How the user answered the question whether to save changes that are about to be lost.
enum class SaveChangesAnswer { Save, Discard, Cancel };

// The window operations every form and the design run rely on. Forms and controls are
// addressed by name. Touching a control of a form that is not loaded loads the form first,
// so its load handler runs at that moment. Implementations: the Qt widgets one for the
// desktop and a headless one that records every call for the tests.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Windows.
  virtual void Load(std::string_view form) = 0;  // nothing when already loaded
  virtual bool IsLoaded(std::string_view form) const = 0;
  // Modeless: loads if needed, makes visible and brings to the front; returns at once.
  virtual void Show(std::string_view form) = 0;
  virtual void Hide(std::string_view form) = 0;  // contents survive
  virtual bool IsVisible(std::string_view form) const = 0;
  // Runs the unload handler and destroys the window; nothing when not loaded. The program
  // ends once no form is loaded (a hidden form counts as loaded).
  virtual void Unload(std::string_view form) = 0;
  virtual void Move(std::string_view form, int leftTwips, int topTwips) = 0;
  // Centres the window on the screen of the program's active window (the screen under the
  // mouse when there is none), wholly on that screen, title bar included.
  virtual void Centre(std::string_view form) = 0;
  virtual void SetMousePointer(std::string_view form, MousePointer pointer) = 0;

  // The window's title bar. A form loads with the caption of its description.
  virtual std::string Caption(std::string_view form) = 0;
  virtual void SetCaption(std::string_view form, std::string_view caption) = 0;

  // Modal; returns when the box is closed. Lines of the text are separated by CR LF.
  virtual void ShowMessage(const Message& message) = 0;
  // Modal, over the form, with the buttons Save, Discard and Cancel; Escape or closing the
  // box answers Cancel. Saving is the caller's part: the box only asks.
  virtual SaveChangesAnswer AskToSaveChanges(std::string_view form, std::string_view title,
                                             std::string_view text) = 0;

  // Modal: a menu of the items dropping down from the control, as from a menu button ("&"
  // marks access letters). Returns the position chosen, or -1 when the menu was dismissed.
  virtual int ChooseFromMenu(std::string_view form, std::string_view control,
                             const std::vector<std::string>& items) = 0;

  // Text of a text box, caption of a label, button or check box.
  virtual std::string Text(std::string_view form, std::string_view control) = 0;
  virtual void SetText(std::string_view form, std::string_view control, std::string_view text) = 0;
  // Moves the keyboard focus to the control. Its focus-gained handler runs even when the
  // control held the focus already: the program put it there.
  virtual void SetFocus(std::string_view form, std::string_view control) = 0;
  // Caret to the start, selection extended to the end.
  virtual void SelectAll(std::string_view form, std::string_view control) = 0;
  virtual void SetBold(std::string_view form, std::string_view control, bool bold) = 0;
  virtual bool IsBold(std::string_view form, std::string_view control) = 0;
  virtual void SetForeColor(std::string_view form, std::string_view control, Rgb colour) = 0;
  virtual Rgb ForeColor(std::string_view form, std::string_view control) = 0;
  virtual void SetToolTip(std::string_view form, std::string_view control,
                          std::string_view tip) = 0;
  virtual void SetEnabled(std::string_view form, std::string_view control, bool enabled) = 0;
  virtual bool IsEnabled(std::string_view form, std::string_view control) = 0;

  // Drop-down lists that only allow choosing. Positions start at 0; -1 chooses nothing.
  virtual void ClearItems(std::string_view form, std::string_view control) = 0;
  virtual void AddItem(std::string_view form, std::string_view control, std::string_view item) = 0;
  virtual int ItemCount(std::string_view form, std::string_view control) = 0;
  virtual std::string ItemText(std::string_view form, std::string_view control, int position) = 0;
  virtual void Choose(std::string_view form, std::string_view control, int position) = 0;
  virtual int ChosenPosition(std::string_view form, std::string_view control) = 0;

  // Check boxes. Changing the state fires the box's click event, as a user click does.
  virtual void SetTicked(std::string_view form, std::string_view control, bool ticked) = 0;
  virtual bool IsTicked(std::string_view form, std::string_view control) = 0;

  // The text of the chosen item; empty when nothing is chosen.
  std::string ChosenText(std::string_view form, std::string_view control) {
    const int position = ChosenPosition(form, control);
    return position < 0 ? std::string() : ItemText(form, control, position);
  }
};

}  // namespace pfc::ui
