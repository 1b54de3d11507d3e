#include "tests/support/recording_toolkit.h"

#include <algorithm>
#include <stdexcept>

#include "ui/toolkit/utf8.h"

namespace pfc::ui {

namespace {

std::string ColourText(Rgb colour) {
  return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue);
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::ListBox ||
         kind == ControlKind::CheckBox || kind == ControlKind::Button;
}

}  // namespace

void RecordingToolkit::Record(std::string operation, std::string_view form,
                              std::string_view control, std::string value) {
  calls_.push_back(RecordedCall{std::move(operation), std::string(form), std::string(control),
                                std::move(value)});
}

std::vector<RecordedCall> RecordingToolkit::CallsOf(std::string_view operation) const {
  std::vector<RecordedCall> matching;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
               [operation](const RecordedCall& call) { return call.operation == operation; });
  return matching;
}

void RecordingToolkit::ClearRecord() {
  menus_.clear();
  calls_.clear();
  messages_.clear();
  questions_.clear();
}

void RecordingToolkit::CreateWindow(const FormDescription& description) {
  Record("Load", description.name);
  FormState state;
  state.caption = description.caption;
  for (const ControlDescription& control : description.controls) {
    ControlState c;
    c.kind = control.kind;
    c.text = control.text;
    c.items = control.items;
    c.chosen = control.chosenItem;
    c.enabled = control.enabled;
    c.ticked = control.ticked;
    c.bold = control.font.bold;
    c.fore = control.foreColour.value_or(kBlack);
    c.toolTip = control.toolTip;
    c.tabIndex = control.tabIndex;
    c.shortcut = control.shortcut;
    state.controls.emplace(control.name, std::move(c));
  }
  forms_[description.name] = std::move(state);
}

void RecordingToolkit::DestroyWindow(std::string_view form) {
  Record("Unload", form);
  if (focusForm_ == form) {
    focusForm_.clear();
    focusControl_.clear();
  }
  forms_.erase(std::string(form));
  DropFromFront(form);
}

void RecordingToolkit::ShowWindow(std::string_view form) {
  Record("Show", form);
  forms_.find(form)->second.visible = true;
  std::erase(frontToBack_, form);
  frontToBack_.emplace_back(form);
  if (activateOnShow_)
    FireActivated(form);
}

void RecordingToolkit::HideWindow(std::string_view form) {
  Record("Hide", form);
  forms_.find(form)->second.visible = false;
  if (focusForm_ == form) {
    focusForm_.clear();
    focusControl_.clear();
  }
  DropFromFront(form);
}

void RecordingToolkit::DropFromFront(std::string_view form) {
  std::erase(frontToBack_, form);
  if (activateOnShow_ && (ActiveForm().empty() || ActiveForm() == form) && !frontToBack_.empty()) {
    // Copied: the activate handler may show or hide forms.
    const std::string next = frontToBack_.back();
    FireActivated(next);
  }
}

bool RecordingToolkit::IsVisible(std::string_view form) const {
  const auto found = forms_.find(form);
  return found != forms_.end() && found->second.visible;
}

RecordingToolkit::ControlState& RecordingToolkit::ControlOf(std::string_view form,
                                                            std::string_view control) {
  Load(form);
  auto& controls = forms_.find(form)->second.controls;
  const auto found = controls.find(control);
  if (found == controls.end()) {
    throw std::logic_error("no control named " + std::string(control) + " on " + std::string(form));
  }
  return found->second;
}

const RecordingToolkit::ControlState* RecordingToolkit::PeekControl(
    std::string_view form, std::string_view control) const {
  const auto f = forms_.find(form);
  if (f == forms_.end()) {
    return nullptr;
  }
  const auto c = f->second.controls.find(control);
  return c == f->second.controls.end() ? nullptr : &c->second;
}

void RecordingToolkit::Move(std::string_view form, int leftTwips, int topTwips) {
  Load(form);
  Record("Move", form, {}, std::to_string(leftTwips) + "," + std::to_string(topTwips));
  FormState& state = forms_.find(form)->second;
  state.left = leftTwips;
  state.top = topTwips;
  state.centred = false;
}

void RecordingToolkit::Centre(std::string_view form) {
  Load(form);
  Record("Centre", form);
  forms_.find(form)->second.centred = true;
}

void RecordingToolkit::SetMousePointer(std::string_view form, MousePointer pointer) {
  Load(form);
  Record("Pointer", form, {}, pointer == MousePointer::Busy ? "Busy" : "Normal");
  forms_.find(form)->second.pointer = pointer;
}

std::string RecordingToolkit::Caption(std::string_view form) {
  Load(form);
  return forms_.find(form)->second.caption;
}

void RecordingToolkit::SetCaption(std::string_view form, std::string_view caption) {
  Load(form);
  Record("SetCaption", form, {}, std::string(caption));
  forms_.find(form)->second.caption = std::string(caption);
}

void RecordingToolkit::ShowMessage(const Message& message) {
  Record("Message", message.title, {}, message.text);
  messages_.push_back(message);
}

SaveChangesAnswer RecordingToolkit::AskToSaveChanges(std::string_view form, std::string_view title,
                                                     std::string_view text) {
  Record("AskToSave", form, {}, std::string(text));
  questions_.push_back(Message{std::string(title), MessageIcon::None, std::string(text)});
  return saveChangesAnswer_;
}

std::string RecordingToolkit::Text(std::string_view form, std::string_view control) {
  return ControlOf(form, control).text;
}

void RecordingToolkit::SetText(std::string_view form, std::string_view control,
                               std::string_view text) {
  ControlState& c = ControlOf(form, control);
  Record("SetText", form, control, std::string(text));
  c.text = std::string(text);
  c.selectionStart = 0;
  c.selectionLength = 0;
}

void RecordingToolkit::SetFocus(std::string_view form, std::string_view control) {
  ControlOf(form, control);
  Record("SetFocus", form, control);
  if (focusForm_ == form && focusControl_ == control) {
    FireGotFocus(form, control);  // put there again by the program
    return;
  }
  MoveFocus(form, control);
}

void RecordingToolkit::MoveFocus(std::string_view form, std::string_view control) {
  if (focusForm_ == form && focusControl_ == control) {
    return;
  }
  const std::string previousForm = focusForm_;
  const std::string previousControl = focusControl_;
  focusForm_.clear();
  focusControl_.clear();
  if (!previousControl.empty()) {
    FireLostFocus(previousForm, previousControl);
    if (!focusControl_.empty()) {
      return;  // the lost-focus handler sent the focus elsewhere
    }
  }
  focusForm_ = std::string(form);
  focusControl_ = std::string(control);
  FireGotFocus(form, control);
}

void RecordingToolkit::SelectAll(std::string_view form, std::string_view control) {
  ControlState& c = ControlOf(form, control);
  Record("SelectAll", form, control);
  c.selectionStart = 0;
  c.selectionLength = c.text.size();
}

void RecordingToolkit::SetBold(std::string_view form, std::string_view control, bool bold) {
  ControlState& c = ControlOf(form, control);
  Record("SetBold", form, control, bold ? "1" : "0");
  c.bold = bold;
}

bool RecordingToolkit::IsBold(std::string_view form, std::string_view control) {
  return ControlOf(form, control).bold;
}

void RecordingToolkit::SetForeColor(std::string_view form, std::string_view control, Rgb colour) {
  ControlState& c = ControlOf(form, control);
  Record("SetForeColor", form, control, ColourText(colour));
  c.fore = colour;
}

Rgb RecordingToolkit::ForeColor(std::string_view form, std::string_view control) {
  return ControlOf(form, control).fore;
}

void RecordingToolkit::SetToolTip(std::string_view form, std::string_view control,
                                  std::string_view tip) {
  ControlState& c = ControlOf(form, control);
  Record("SetToolTip", form, control, std::string(tip));
  c.toolTip = std::string(tip);
}

void RecordingToolkit::SetEnabled(std::string_view form, std::string_view control, bool enabled) {
  ControlState& c = ControlOf(form, control);
  Record("SetEnabled", form, control, enabled ? "1" : "0");
  c.enabled = enabled;
}

bool RecordingToolkit::IsEnabled(std::string_view form, std::string_view control) {
  return ControlOf(form, control).enabled;
}

void RecordingToolkit::ClearItems(std::string_view form, std::string_view control) {
  ControlState& c = ControlOf(form, control);
  Record("ClearItems", form, control);
  c.items.clear();
  c.chosen = -1;
}

void RecordingToolkit::AddItem(std::string_view form, std::string_view control,
                               std::string_view item) {
  ControlState& c = ControlOf(form, control);
  Record("AddItem", form, control, std::string(item));
  c.items.emplace_back(item);
}

int RecordingToolkit::ItemCount(std::string_view form, std::string_view control) {
  return static_cast<int>(ControlOf(form, control).items.size());
}

std::string RecordingToolkit::ItemText(std::string_view form, std::string_view control,
                                       int position) {
  const ControlState& c = ControlOf(form, control);
  if (position < 0 || position >= static_cast<int>(c.items.size())) {
    return {};
  }
  return c.items[static_cast<std::size_t>(position)];
}

void RecordingToolkit::Choose(std::string_view form, std::string_view control, int position) {
  ControlState& c = ControlOf(form, control);
  Record("Choose", form, control, std::to_string(position));
  // A position past the list chooses nothing, as an empty list does.
  c.chosen = position >= 0 && position < static_cast<int>(c.items.size()) ? position : -1;
}

int RecordingToolkit::ChosenPosition(std::string_view form, std::string_view control) {
  return ControlOf(form, control).chosen;
}

void RecordingToolkit::SetTicked(std::string_view form, std::string_view control, bool ticked) {
  ControlState& c = ControlOf(form, control);
  Record("SetTicked", form, control, ticked ? "1" : "0");
  if (c.ticked != ticked) {
    c.ticked = ticked;
    FireClick(form, control);
  }
}

bool RecordingToolkit::IsTicked(std::string_view form, std::string_view control) {
  return ControlOf(form, control).ticked;
}

MousePointer RecordingToolkit::Pointer(std::string_view form) const {
  const auto found = forms_.find(form);
  return found == forms_.end() ? MousePointer::Normal : found->second.pointer;
}

std::pair<int, int> RecordingToolkit::Position(std::string_view form) const {
  const auto found = forms_.find(form);
  return found == forms_.end() ? std::pair{0, 0} : std::pair{found->second.left, found->second.top};
}

bool RecordingToolkit::IsCentred(std::string_view form) const {
  const auto found = forms_.find(form);
  return found != forms_.end() && found->second.centred;
}

std::string RecordingToolkit::ToolTip(std::string_view form, std::string_view control) const {
  const ControlState* c = PeekControl(form, control);
  return c == nullptr ? std::string() : c->toolTip;
}

std::string RecordingToolkit::SelectedText(std::string_view form, std::string_view control) const {
  const ControlState* c = PeekControl(form, control);
  return c == nullptr ? std::string() : c->text.substr(c->selectionStart, c->selectionLength);
}

void RecordingToolkit::UserShortcut(std::string_view form, std::string_view keys) {
  Load(form);
  const auto& controls = forms_.find(form)->second.controls;
  for (const auto& [name, c] : controls) {
    if (c.shortcut == keys && c.kind == ControlKind::Button && c.enabled) {
      FireClick(form, std::string(name));
      return;
    }
  }
  FireKey(form, keys);
}

int RecordingToolkit::ChooseFromMenu(std::string_view form, std::string_view control,
                                     const std::vector<std::string>& items) {
  ControlOf(form, control);  // loads the form, as every control operation does
  Record("Menu", form, control, std::to_string(items.size()));
  menus_.push_back(items);
  return menuAnswer_ < static_cast<int>(items.size()) ? menuAnswer_ : -1;
}

void RecordingToolkit::UserDropFiles(std::string_view form, const std::vector<std::string>& paths) {
  FireFilesDropped(form, paths);
}

void RecordingToolkit::UserAccessKey(std::string_view form, std::string_view control) {
  if (ControlOf(form, control).enabled) {
    FireClick(form, control);
  }
}

void RecordingToolkit::UserClick(std::string_view form, std::string_view control) {
  ControlState& c = ControlOf(form, control);
  if (!c.enabled) {
    return;
  }
  switch (c.kind) {
    case ControlKind::CheckBox:
      MoveFocus(form, control);
      c.ticked = !c.ticked;
      FireClick(form, control);
      break;
    case ControlKind::Button:
      MoveFocus(form, control);
      FireClick(form, control);
      break;
    case ControlKind::TextBox:
    case ControlKind::ListBox:
      MoveFocus(form, control);
      FireClick(form, control);
      break;
    default:
      FireMouseDown(form, control);
      FireMouseUp(form, control);
      FireClick(form, control);
      break;
  }
}

void RecordingToolkit::UserFocus(std::string_view form, std::string_view control) {
  if (ControlOf(form, control).enabled) {
    MoveFocus(form, control);
  }
}

void RecordingToolkit::UserType(std::string_view form, std::string_view control,
                                std::string_view text) {
  if (!ControlOf(form, control).enabled) {
    return;
  }
  if (focusForm_ != form || focusControl_ != control) {
    MoveFocus(form, control);
  }
  for (const char32_t typed : DecodeUtf8(text)) {
    const char32_t kept = FireKeyPress(form, control, typed);
    if (kept == 0 || !IsLoaded(form)) {
      continue;
    }
    ControlState& box = ControlOf(form, control);
    const std::string before = box.text;
    TypeCharacter(box, kept);
    if (box.text != before) {
      FireChange(form, control);
    }
  }
}

void RecordingToolkit::TypeCharacter(ControlState& box, char32_t key) {
  if (key < 0x20 && key != U'\b') {
    return;  // Ctrl+C and the like act on the clipboard, not on the text
  }
  std::string& text = box.text;
  std::size_t caret = std::min(box.selectionStart, text.size());
  const std::size_t length = std::min(box.selectionLength, text.size() - caret);
  if (length > 0) {
    text.erase(caret, length);
  } else if (key == U'\b') {
    const std::size_t back = LengthOfCodePointBefore(text, caret);
    text.erase(caret - back, back);
    caret -= back;
  }
  if (key != U'\b') {
    std::string encoded;
    AppendUtf8(encoded, key);
    text.insert(caret, encoded);
    caret += encoded.size();
  }
  box.selectionStart = caret;
  box.selectionLength = 0;
}

void RecordingToolkit::UserTab() {
  const auto f = forms_.find(focusForm_);
  if (f == forms_.end()) {
    return;
  }
  std::vector<std::pair<int, std::string>> order;
  int current = -1;
  for (const auto& [name, c] : f->second.controls) {
    if (c.tabIndex >= 0 && c.enabled && TakesFocus(c.kind)) {
      order.emplace_back(c.tabIndex, name);
    }
    if (name == focusControl_) {
      current = c.tabIndex;
    }
  }
  if (order.empty()) {
    return;
  }
  std::sort(order.begin(), order.end());
  auto next = std::upper_bound(order.begin(), order.end(), std::pair{current, std::string()},
                               [](const auto& a, const auto& b) { return a.first < b.first; });
  if (next == order.end()) {
    next = order.begin();
  }
  const std::string form = focusForm_;
  MoveFocus(form, next->second);
}

void RecordingToolkit::UserChoose(std::string_view form, std::string_view control, int position) {
  ControlState& c = ControlOf(form, control);
  if (!c.enabled) {
    return;
  }
  MoveFocus(form, control);
  ControlOf(form, control).chosen =
      position >= 0 && position < static_cast<int>(c.items.size()) ? position : -1;
  FireClick(form, control);
}

void RecordingToolkit::UserActivate(std::string_view form) {
  if (!IsVisible(form)) {
    return;
  }
  std::erase(frontToBack_, form);
  frontToBack_.emplace_back(form);
  FireActivated(form);
}

void RecordingToolkit::UserClose(std::string_view form) {
  FireCloseRequested(form);
}

void RecordingToolkit::UserMouseDown(std::string_view form, std::string_view control) {
  if (ControlOf(form, control).enabled) {
    FireMouseDown(form, control);
  }
}

void RecordingToolkit::UserMouseUp(std::string_view form, std::string_view control) {
  if (ControlOf(form, control).enabled) {
    FireMouseUp(form, control);
  }
}

}  // namespace pfc::ui
