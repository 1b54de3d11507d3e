#include "tests/viewer/stand_in_forms.h"

#include "ui/toolkit/toolkit.h"

namespace pfc::test {
namespace {

class SummaryLogic final : public ui::FormLogic {
 public:
  explicit SummaryLogic(ui::Toolkit& toolkit) : toolkit_(toolkit) {}
  void Form_Unload() override { toolkit_.Show("frmXls"); }

 private:
  ui::Toolkit& toolkit_;
};

ui::FormDescription InputForm() {
  ui::ControlDescription list;
  list.kind = ui::ControlKind::ListBox;
  list.name = "txtCoreSize";
  list.items = {"", "TD-01", "TD-02"};
  list.chosenItem = 2;
  list.tabIndex = 0;
  list.rect = {120, 120, 1500, 315};
  ui::FormDescription form;
  form.name = "frmXls";
  form.caption = "input form";
  form.clientWidth = 3000;
  form.clientHeight = 1500;
  form.controls = {list};
  return form;
}

ui::FormDescription Summary() {
  ui::ControlDescription label;
  label.kind = ui::ControlKind::Label;
  label.name = "Label2";
  label.text = "summary";
  label.rect = {120, 120, 1500, 315};
  ui::FormDescription form;
  form.name = "frmResult";
  form.caption = "summary";
  form.clientWidth = 3000;
  form.clientHeight = 1500;
  form.controls = {label};
  return form;
}

}  // namespace

ui::FormRegistry StandInForms() {
  ui::FormRegistry registry;
  registry.Add(InputForm(), [](ui::Toolkit&) { return std::make_unique<ui::FormLogic>(); });
  registry.Add(Summary(),
               [](ui::Toolkit& toolkit) { return std::make_unique<SummaryLogic>(toolkit); });
  return registry;
}

}  // namespace pfc::test
