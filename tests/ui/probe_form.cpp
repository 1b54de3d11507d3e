#include "tests/ui/probe_form.h"

namespace pfc::ui::testing {

namespace {

ControlDescription Control(ControlKind kind, std::string name, std::string text, int tab,
                           TwipRect rect) {
  ControlDescription c;
  c.kind = kind;
  c.name = std::move(name);
  c.text = std::move(text);
  c.tabIndex = tab;
  c.rect = rect;
  c.border = kind == ControlKind::TextBox;
  return c;
}

class ProbeLogic final : public FormLogic {
 public:
  ProbeLogic(Toolkit& toolkit, std::string form, ProbeLog& log)
      : toolkit_(toolkit), form_(std::move(form)), log_(log) {}

  void Form_Load() override { Note("Load"); }
  void Form_Activate() override { Note("Activate"); }
  void Form_Unload() override { Note("Unload"); }
  bool QueryUnload() override {
    if (toolkit_.Text(form_, "txtDigits") != "ask") {
      return true;
    }
    const SaveChangesAnswer answer = toolkit_.AskToSaveChanges(form_, "Probe", "Close?");
    Note(std::string("Answer ") + (answer == SaveChangesAnswer::Save      ? "Save"
                                   : answer == SaveChangesAnswer::Discard ? "Discard"
                                                                          : "Cancel"));
    return answer != SaveChangesAnswer::Cancel;
  }
  void Click(std::string_view control) override {
    Note("Click " + std::string(control));
    if (control == "cmdClose") {
      toolkit_.Unload(form_);
      Note("after unload");
    }
  }
  void GotFocus(std::string_view control) override {
    Note("GotFocus " + std::string(control));
    if (control == "txtDigits") {
      toolkit_.SelectAll(form_, control);
    }
  }
  void LostFocus(std::string_view control) override {
    Note("LostFocus " + std::string(control));
    if (control == "cmdBounce") {
      toolkit_.SetFocus(form_, "txtDigits");
    }
  }
  char32_t KeyPress(std::string_view control, char32_t key) override {
    return control == "txtDigits" && key == U'x' ? 0 : key;
  }
  void MouseDown(std::string_view control) override { Note("MouseDown " + std::string(control)); }
  void MouseUp(std::string_view control) override { Note("MouseUp " + std::string(control)); }
  void Change(std::string_view control) override { Note("Change " + std::string(control)); }
  void FilesDropped(const std::vector<std::string>& paths) override {
    std::string dropped = "Drop";
    for (const std::string& path : paths) {
      dropped += " " + path;
    }
    Note(dropped);
  }

 private:
  void Note(std::string event) { log_.events.push_back(form_ + ": " + std::move(event)); }

  Toolkit& toolkit_;
  std::string form_;
  ProbeLog& log_;
};

}  // namespace

FormDescription ProbeDesign(const std::string& name) {
  FormDescription form;
  form.name = name;
  form.caption = "Probe " + name;
  form.clientWidth = 6000;
  form.clientHeight = 3000;
  form.controls.push_back(
      Control(ControlKind::TextBox, "txtDigits", "380", 0, {150, 150, 1500, 300}));
  ControlDescription list = Control(ControlKind::ListBox, "cmbUnit", "", 1, {1800, 150, 1500, 300});
  list.items = {"Hz", "kHz"};
  list.chosenItem = 0;
  form.controls.push_back(list);
  ControlDescription check =
      Control(ControlKind::CheckBox, "chkOption", "Option", 2, {150, 600, 1500, 300});
  check.ticked = true;
  form.controls.push_back(check);
  ControlDescription go = Control(ControlKind::Button, "cmdGo", "&Go", 3, {150, 1050, 1200, 420});
  go.shortcut = "Ctrl+G";
  form.controls.push_back(go);
  form.acceptsFileDrops = name == "frmA";
  form.controls.push_back(
      Control(ControlKind::Button, "cmdBounce", "&Bounce", 4, {1500, 1050, 1200, 420}));
  form.controls.push_back(
      Control(ControlKind::Button, "cmdClose", "&Close", 5, {2850, 1050, 1200, 420}));
  form.controls.push_back(Control(ControlKind::TextBox, "txtFree", "", 6, {150, 1650, 1500, 300}));
  ControlDescription label =
      Control(ControlKind::Label, "lblNote", "Press here", -1, {1800, 1650, 2000, 300});
  label.toolTip = "A note";
  form.controls.push_back(label);
  if (name == "frmA") {
    form.defaultButton = "cmdGo";
    form.keyCommands.push_back({"Ctrl+K", "keyProbe"});
  } else {
    form.resizable = true;
    for (ControlDescription& control : form.controls) {
      if (control.name == "txtFree") {
        control.stretch = {.width = 1, .height = 1};
      } else if (control.name == "cmdClose") {
        control.stretch = {.x = 0.5, .y = 1};
      }
    }
  }
  return form;
}

void RegisterProbe(FormRegistry& registry, const std::string& name, ProbeLog& log) {
  registry.Add(ProbeDesign(name), [name, &log](Toolkit& toolkit) {
    return std::make_unique<ProbeLogic>(toolkit, name, log);
  });
}

}  // namespace pfc::ui::testing
