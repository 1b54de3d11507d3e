#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/toolkit/form_host.h"

namespace pfc::ui {

// One toolkit call as the recording toolkit saw it.
struct RecordedCall {
  std::string operation;  // "Load", "Show", "Hide", "Unload", "Move", "Centre", "Pointer",
                          // "Message", "AskToSave",
                          // "SetText", "SetFocus", "SelectAll", "SetBold", "SetForeColor",
                          // "SetToolTip", "SetEnabled", "ClearItems", "AddItem", "Choose",
                          // "SetTicked", "SetCaption", "Menu"
  std::string form;
  std::string control;
  std::string value;

  friend bool operator==(const RecordedCall&, const RecordedCall&) = default;
};

// A toolkit without windows: keeps the state of every loaded form in memory, records each
// call, and lets tests act as the user. Message boxes return at once, a question with the
// answer the test chose. Activation follows a simple window manager: a shown form comes to
// the front and becomes active; hiding or unloading the active form activates the
// front-most visible form left.
class RecordingToolkit final : public FormHost {
 public:
  explicit RecordingToolkit(const FormRegistry& registry) : FormHost(registry) {}

  // Toolkit.
  void Move(std::string_view form, int leftTwips, int topTwips) override;
  void Centre(std::string_view form) override;
  void SetMousePointer(std::string_view form, MousePointer pointer) override;
  std::string Caption(std::string_view form) override;
  void SetCaption(std::string_view form, std::string_view caption) override;
  void ShowMessage(const Message& message) override;
  SaveChangesAnswer AskToSaveChanges(std::string_view form, std::string_view title,
                                     std::string_view text) override;
  bool IsVisible(std::string_view form) const override;
  std::string Text(std::string_view form, std::string_view control) override;
  int ChooseFromMenu(std::string_view form, std::string_view control,
                     const std::vector<std::string>& items) override;
  void SetText(std::string_view form, std::string_view control, std::string_view text) override;
  void SetFocus(std::string_view form, std::string_view control) override;
  void SelectAll(std::string_view form, std::string_view control) override;
  void SetBold(std::string_view form, std::string_view control, bool bold) override;
  bool IsBold(std::string_view form, std::string_view control) override;
  void SetForeColor(std::string_view form, std::string_view control, Rgb colour) override;
  Rgb ForeColor(std::string_view form, std::string_view control) override;
  void SetToolTip(std::string_view form, std::string_view control, std::string_view tip) override;
  void SetEnabled(std::string_view form, std::string_view control, bool enabled) override;
  bool IsEnabled(std::string_view form, std::string_view control) override;
  void ClearItems(std::string_view form, std::string_view control) override;
  void AddItem(std::string_view form, std::string_view control, std::string_view item) override;
  int ItemCount(std::string_view form, std::string_view control) override;
  std::string ItemText(std::string_view form, std::string_view control, int position) override;
  void Choose(std::string_view form, std::string_view control, int position) override;
  int ChosenPosition(std::string_view form, std::string_view control) override;
  void SetTicked(std::string_view form, std::string_view control, bool ticked) override;
  bool IsTicked(std::string_view form, std::string_view control) override;

  // What the program did.
  const std::vector<RecordedCall>& Calls() const { return calls_; }
  std::vector<RecordedCall> CallsOf(std::string_view operation) const;
  const std::vector<Message>& Messages() const { return messages_; }
  // The questions whether to save changes, apart from the messages.
  const std::vector<Message>& Questions() const { return questions_; }
  void ClearRecord();

  // State that has no getter in the toolkit interface. Reading does not load the form.
  std::pair<std::string, std::string> Focus() const { return {focusForm_, focusControl_}; }
  MousePointer Pointer(std::string_view form) const;
  std::pair<int, int> Position(std::string_view form) const;  // left, top in twips
  bool IsCentred(std::string_view form) const;                // since the last Move
  std::string ToolTip(std::string_view form, std::string_view control) const;
  // Selected part of a text box's text.
  std::string SelectedText(std::string_view form, std::string_view control) const;

  // How every question whether to save changes is answered from now on; Cancel, as Escape
  // answers, until a test says otherwise.
  void AnswerSaveChanges(SaveChangesAnswer answer) { saveChangesAnswer_ = answer; }
  // The item every menu is answered with from now on; -1, dismissing it, until a test says
  // otherwise. The items of the menus shown, one list each.
  void AnswerMenus(int position) { menuAnswer_ = position; }
  const std::vector<std::vector<std::string>>& Menus() const { return menus_; }

  // Acting as the user. Events on a disabled control do nothing.
  void UserClick(std::string_view form, std::string_view control);
  // Alt with the button's access letter: clicks it, and the focus stays where it is.
  void UserAccessKey(std::string_view form, std::string_view control);
  void UserFocus(std::string_view form, std::string_view control);
  // Types each character of the UTF-8 text into the box ("\b" is Backspace), focusing it
  // first when it has not the focus.
  void UserType(std::string_view form, std::string_view control, std::string_view text);
  void UserTab();  // to the next control in tab order of the focused form
  void UserChoose(std::string_view form, std::string_view control, int position);
  void UserActivate(std::string_view form);
  // Like a window system that tells of activation later, as an event: shown and hidden windows
  // no longer activate the next one at once; only UserActivate does.
  void ActivateOnlyWhenAsked() { activateOnShow_ = false; }
  void UserClose(std::string_view form);  // the title bar's close button, which the form may refuse
  void UserMouseDown(std::string_view form, std::string_view control);
  void UserMouseUp(std::string_view form, std::string_view control);
  // A key combination ("Ctrl+S"): clicks the enabled button of the form that has it, or
  // else gives the form's or the program's key command.
  void UserShortcut(std::string_view form, std::string_view keys);
  // Local files dropped on the form.
  void UserDropFiles(std::string_view form, const std::vector<std::string>& paths);

 protected:
  void CreateWindow(const FormDescription& description) override;
  void DestroyWindow(std::string_view form) override;
  void ShowWindow(std::string_view form) override;
  void HideWindow(std::string_view form) override;

 private:
  struct ControlState {
    ControlKind kind = ControlKind::Label;
    std::string text;
    std::vector<std::string> items;
    int chosen = -1;
    bool enabled = true;
    bool ticked = false;
    bool bold = false;
    Rgb fore = kBlack;
    std::string toolTip;
    int tabIndex = -1;
    std::string shortcut;
    std::size_t selectionStart = 0;  // bytes of the UTF-8 text
    std::size_t selectionLength = 0;
  };
  struct FormState {
    bool visible = false;
    std::string caption;
    int left = 0;
    int top = 0;
    bool centred = false;
    MousePointer pointer = MousePointer::Normal;
    std::map<std::string, ControlState, std::less<>> controls;
  };

  void Record(std::string operation, std::string_view form, std::string_view control = {},
              std::string value = {});
  ControlState& ControlOf(std::string_view form, std::string_view control);
  const ControlState* PeekControl(std::string_view form, std::string_view control) const;
  void MoveFocus(std::string_view form, std::string_view control);
  void DropFromFront(std::string_view form);
  void TypeCharacter(ControlState& box, char32_t key);

  std::map<std::string, FormState, std::less<>> forms_;
  std::vector<std::string> frontToBack_;  // visible forms, the front-most last
  std::string focusForm_;
  std::string focusControl_;
  std::vector<RecordedCall> calls_;
  std::vector<Message> messages_;
  std::vector<Message> questions_;
  SaveChangesAnswer saveChangesAnswer_ = SaveChangesAnswer::Cancel;
  int menuAnswer_ = -1;
  bool activateOnShow_ = true;
  std::vector<std::vector<std::string>> menus_;
};

}  // namespace pfc::ui
