#include "ui/forms/design_file_design.h"
#include "ui/forms/design_helpers.h"
#include "ui/forms/form_designs.h"

namespace pfc::ui {

using namespace design;

namespace {

constexpr int kLabelX = 840;
constexpr int kLabelWidth = 3240;
constexpr int kEntryX = 4200;
constexpr int kEntryWidth = 1500;
constexpr int kUnitX = 5820;
constexpr int kFirstRowY = 1440;
constexpr int kRowPitch = 450;
constexpr int kEntryHeight = 330;

constexpr Rgb kGreyText{192, 192, 192};

int RowY(int row) {
  return kFirstRowY + (row - 1) * kRowPitch;
}

FontDescription LabelFont() {
  return Arial(12, true);
}
FontDescription EntryFont() {
  return Arial(9.75);
}

ControlDescription RowLabel(std::string name, std::string caption, int row) {
  return Label(std::move(name), std::move(caption),
               {kLabelX, RowY(row) + 15, kLabelWidth, kEntryHeight}, LabelFont(), kNavy);
}

ControlDescription Entry(std::string name, std::string text, int row, int tab,
                         std::string toolTip = {}) {
  auto box = TextBox(std::move(name), std::move(text),
                     {kEntryX, RowY(row), kEntryWidth, kEntryHeight}, EntryFont(), tab);
  box.alignment = TextAlignment::Right;
  box.backColour = kLightGrey;
  box.toolTip = std::move(toolTip);
  return box;
}

ControlDescription UnitList(std::string name, std::vector<std::string> items, int row, int tab) {
  auto list = List(std::move(name), {kUnitX, RowY(row), 1620, kEntryHeight}, EntryFont(), tab);
  list.items = std::move(items);
  list.chosenItem = 0;
  return list;
}

ControlDescription UnitLabel(std::string name, std::string caption, int row, int width = 900) {
  return Label(std::move(name), std::move(caption), {kUnitX, RowY(row) + 15, width, kEntryHeight},
               LabelFont(), kNavy);
}

}  // namespace

FormDescription InputFormDesign() {
  FormDescription form;
  form.name = "frmXls";
  form.caption = "Power factor Correction (PFC) Inputs";
  form.clientWidth = 9870;
  form.clientHeight = 7635;
  form.backColour = kWhite;
  form.font = EntryFont();

  auto& c = form.controls;
  c.push_back(Picture("imgSideStrip", kSideStripPicture, {0, 0, 525, 7635}));
  c.push_back(Picture("imgHeader", kWindowHeaderPicture, {6600, 60, 3030, 810}));
  c.push_back(Line("linTop", 720, 900, 9600, 900, kNavy));
  c.push_back(Line("linLeft", 720, 900, 720, RowY(12) + 420, kNavy));
  c.push_back(Label("lblTitle", "Inputs to PFC Core Design Tool", {840, 960, 5400, 420},
                    Arial(14.25, true, true), kNavy));

  c.push_back(RowLabel("lblFrequency", "Frequency", 1));
  c.push_back(
      Entry("txtFrequency", "100000", 1, 0, " Frequency should not be greater than 1000000 Hz."));
  c.push_back(UnitList("cmbfrequency", {"Hz", "kHz"}, 1, 1));
  c.push_back(RowLabel("lblInductance", "Inductance", 2));
  c.push_back(
      Entry("txtInductance", "0.00015", 2, 2, "Inductance should not be greater than 0.1 Henries"));
  c.push_back(UnitList("cmbinductance", {"Henry", "millihenry", "microhenry"}, 2, 3));
  c.push_back(RowLabel("lblOutputPower", "0utput Power", 3));
  c.push_back(
      Entry("txtOutputPower", "1500", 3, 4, "Output Power should not be greater than 5000 watts"));
  c.push_back(UnitList("cmboutputpower", {"Watts", "Kilo Watts"}, 3, 5));
  c.push_back(RowLabel("lblEfficiency", "Efficiency", 4));
  c.push_back(Entry("txtEfficiency", "95", 4, 6, "Efficiency should be between 90% to 100 %."));
  c.push_back(UnitLabel("lblPercent", "%", 4));
  c.push_back(RowLabel("lblVinMin", "Vin Min", 5));
  c.push_back(Entry("txtVinMin", "85", 5, 7));
  c.push_back(UnitLabel("lblVinMinUnit", "Volts", 5));
  c.push_back(RowLabel("lblVinMax", "Vin Max", 6));
  c.push_back(Entry("txtVinMax", "264", 6, 8));
  c.push_back(UnitLabel("lblVinMaxUnit", "Volts", 6));
  c.push_back(RowLabel("lblVout", "Vout", 7));
  c.push_back(
      Entry("txtVout", "380", 7, 9, "Out Voltage (Vout) should not be greater than 380 volts."));
  c.push_back(UnitLabel("lblVoutUnit", "Volts", 7));
  c.push_back(RowLabel("lblAmbientTemp", "Ambient Temperature", 8));
  c.push_back(Entry("txtAmbientTemp", "50", 8, 10,
                    "Ambient Temperature should not be greater than 75 degree centigrade"));
  c.push_back(UnitLabel("lblAmbientUnit", "°C", 8));
  c.push_back(RowLabel("lblFillFactor", "Window Fill Factor", 9));
  c.push_back(Entry("txtFill_Factor", ".4", 9, 19));
  c.push_back(Label("lblFillFactorNote", "(Fraction Filled by Conductor Only)",
                    {kUnitX, RowY(9) + 45, 3900, 285}, Arial(9.75, true), kNavy));

  auto stackLabel = Label("lblStack", "Cores To Stack", {7560, RowY(7) - 150, 1140, 630},
                          Arial(9.75, true), kNavy);
  stackLabel.wordWrap = true;
  stackLabel.alignment = TextAlignment::Right;
  c.push_back(stackLabel);
  auto stack = Entry("txtStack", "1", 7, 11, "Number of Cores to Stack In Calculations");
  stack.rect = {8760, RowY(7), 300, kEntryHeight};
  stack.border = false;
  c.push_back(stack);

  c.push_back(RowLabel("lblCalcType", "Choose Calculator Type", 10));
  c.push_back(CheckBox("chkCalcCore", "Calculate Core", {kEntryX, RowY(10), 1920, kEntryHeight},
                       EntryFont(), 12, true));
  c.push_back(CheckBox("chkPickCore", "Pick From List", {6300, RowY(10), 1920, kEntryHeight},
                       EntryFont(), 13, false));
  c.push_back(RowLabel("lblCoreSize", "Core Size List", 11));
  auto coreList = List("txtCoreSize", {kEntryX, RowY(11), 5400, kEntryHeight}, EntryFont(), 14);
  coreList.enabled = false;
  coreList.foreColour = kGreyText;
  c.push_back(coreList);

  const int buttonY = RowY(12) + 60;
  c.push_back(Button("cmdProcess", "&Show Results", {1800, buttonY, 1800, 420}, Arial(9.75), 15));
  c.push_back(Button("cmdQuit", "Clear &Results", {3900, buttonY, 1800, 420}, Arial(9.75), 16));
  c.push_back(Button("cmdExit", "&Cancel", {6000, buttonY, 1800, 420}, Arial(9.75), 17));
  // In the free end of the button row; after every designed control in tab order.
  c.push_back(
      Button("cmdCompareCores", "Co&mpare Cores", {8040, buttonY, 1560, 420}, Arial(9.75), 20));
  auto help = Button("cmdHelp", "Help", {8400, RowY(1), 1080, 375}, Arial(9.75), 18);
  help.toolTip = "Directions on how to use this product.";
  c.push_back(help);
  AddDesignFileButtons(form);
  return form;
}

}  // namespace pfc::ui
