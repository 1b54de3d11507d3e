#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pfc::ui {

// The code behind one form. The toolkit creates one object per loaded form, runs its
// handlers and destroys it when the form unloads; a handler may unload its own form.
class FormLogic {
 public:
  virtual ~FormLogic() = default;

  virtual void Form_Load() {}
  virtual void Form_Activate() {}  // the form became the program's active window
  virtual void Form_Unload() {}
  // The user asked to close the form (its close box, the window manager); false keeps it
  // loaded. The program's own Unload is not asked.
  virtual bool QueryUnload() { return true; }

  virtual void Click(std::string_view /*control*/) {}
  virtual void GotFocus(std::string_view /*control*/) {}
  virtual void LostFocus(std::string_view /*control*/) {}
  // A typed character (Backspace is 8, Ctrl+C is 3); returns the character to insert, or 0
  // to discard it.
  virtual char32_t KeyPress(std::string_view /*control*/, char32_t key) { return key; }
  virtual void MouseDown(std::string_view /*control*/) {}
  virtual void MouseUp(std::string_view /*control*/) {}
  // The user changed the text of an entry box (typing, pasting, cutting, undoing); text the
  // program sets is no change.
  virtual void Change(std::string_view /*control*/) {}
  // Local files dropped on a form whose description takes file drops, as paths.
  virtual void FilesDropped(const std::vector<std::string>& /*paths*/) {}
};

}  // namespace pfc::ui
