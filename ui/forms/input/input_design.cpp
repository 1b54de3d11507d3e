#include "ui/forms/input/input_design.h"

#include <algorithm>
#include <vector>

#include "engine/inputs/entries.h"
#include "ui/forms/design_files/design_file_design.h"
#include "ui/forms/input/built_part_line.h"
#include "ui/forms/input/catalogue_design.h"
#include "ui/forms/session/design_helpers.h"

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

ControlDescription EntryBox(const EntryDescription& entry, int row) {
  auto box = TextBox(std::string(entry.control), std::string(entry.defaultText),
                     {kEntryX, RowY(row), kEntryWidth, kEntryHeight}, EntryFont(), entry.tabIndex);
  box.alignment = TextAlignment::Right;
  box.backColour = kLightGrey;
  box.toolTip = entry.toolTip;
  return box;
}

ControlDescription UnitList(const EntryDescription& entry, int row) {
  auto list = List(std::string(entry.unitControl), {kUnitX, RowY(row), 1620, kEntryHeight},
                   EntryFont(), entry.tabIndex + 1);
  for (const UnitChoice& unit : entry.units)
    list.items.emplace_back(unit.text);
  list.chosenItem = 0;
  return list;
}

ControlDescription UnitLabel(std::string name, std::string caption, int row, int width = 900) {
  return Label(std::move(name), std::move(caption), {kUnitX, RowY(row) + 15, width, kEntryHeight},
               LabelFont(), kNavy);
}

// The entries in rows from the top, each with its caption on the left and its unit on the
// right; the stack and the core list sit elsewhere.
struct EntryRow {
  Entry entry;
  const char* label;      // the caption
  const char* unitLabel;  // a single unit shown without a list; nullptr for none
};

constexpr EntryRow kEntryRows[] = {
    {Entry::Frequency, "lblFrequency", nullptr},
    {Entry::Inductance, "lblInductance", nullptr},
    {Entry::OutputPower, "lblOutputPower", nullptr},
    {Entry::Efficiency, "lblEfficiency", "lblPercent"},
    {Entry::VinMin, "lblVinMin", "lblVinMinUnit"},
    {Entry::VinMax, "lblVinMax", "lblVinMaxUnit"},
    {Entry::Vout, "lblVout", "lblVoutUnit"},
    {Entry::AmbientTemp, "lblAmbientTemp", "lblAmbientUnit"},
    {Entry::FillFactor, "lblFillFactor", nullptr},
};

// The form has always spelt one caption with a zero for its "O"; the messages spell it right.
std::string RowCaption(const EntryDescription& entry) {
  return entry.entry == Entry::OutputPower ? "0utput Power" : std::string(entry.caption);
}

void AddEntryRows(std::vector<ControlDescription>& c) {
  int row = 0;
  for (const EntryRow& entryRow : kEntryRows) {
    const EntryDescription& entry = DescriptionOf(entryRow.entry);
    ++row;
    c.push_back(RowLabel(entryRow.label, RowCaption(entry), row));
    c.push_back(EntryBox(entry, row));
    if (!entry.unitControl.empty()) {
      c.push_back(UnitList(entry, row));
    } else if (entryRow.unitLabel != nullptr) {
      c.push_back(UnitLabel(entryRow.unitLabel, std::string(entry.units.front().text), row));
    }
  }
}

// Tab goes through the form as it is read: row by row from the top, left to right within a
// row. Controls whose middles lie within half a row of each other share a row.
void TabInReadingOrder(FormDescription& form) {
  std::vector<ControlDescription*> focusable;
  for (ControlDescription& control : form.controls) {
    if (control.tabIndex >= 0) {
      focusable.push_back(&control);
    }
  }
  const auto middle = [](const ControlDescription* c) { return c->rect.y + c->rect.height / 2; };
  std::stable_sort(focusable.begin(), focusable.end(),
                   [&](const auto* a, const auto* b) { return middle(a) < middle(b); });
  std::size_t rowStart = 0;
  for (std::size_t i = 1; i <= focusable.size(); ++i) {
    if (i == focusable.size() ||
        middle(focusable[i]) - middle(focusable[rowStart]) > kRowPitch / 2) {
      std::stable_sort(focusable.begin() + static_cast<long>(rowStart),
                       focusable.begin() + static_cast<long>(i),
                       [](const auto* a, const auto* b) { return a->rect.x < b->rect.x; });
      rowStart = i;
    }
  }
  for (std::size_t i = 0; i < focusable.size(); ++i) {
    focusable[i]->tabIndex = static_cast<int>(i);
  }
}

// Below the button row, the part as built and the button that clears it; after the buttons
// above in tab order.
void AddBuiltPartLine(std::vector<ControlDescription>& c, int y) {
  auto line = Label(kBuiltPartLabel, "", {840, y, 7080, 450}, Arial(9.75, true), kNavy);
  line.wordWrap = true;
  c.push_back(line);
  auto clear = Button(kClearPartButton, "Clear &Part", {8040, y, 1560, 375}, Arial(9.75), 26);
  clear.enabled = false;
  clear.toolTip =
      "Check the method's own winding and the grade that matches the core again, and save "
      "the design without a winding or material of its own.";
  c.push_back(clear);
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

  AddEntryRows(c);
  c.push_back(Label("lblFillFactorNote", "(Fraction Filled by Conductor Only)",
                    {kUnitX, RowY(9) + 45, 3900, 285}, Arial(9.75, true), kNavy));

  const EntryDescription& stackEntry = DescriptionOf(Entry::Stack);
  auto stackLabel = Label("lblStack", std::string(stackEntry.caption),
                          {7560, RowY(7) - 150, 1140, 630}, Arial(9.75, true), kNavy);
  stackLabel.wordWrap = true;
  stackLabel.alignment = TextAlignment::Right;
  c.push_back(stackLabel);
  auto stack = EntryBox(stackEntry, 7);
  stack.rect = {8760, RowY(7), 300, kEntryHeight};
  stack.border = false;
  c.push_back(stack);

  c.push_back(RowLabel("lblCalcType", "Choose Calculator Type", 10));
  c.push_back(CheckBox("chkCalcCore", "Calculate Core", {kEntryX, RowY(10), 1920, kEntryHeight},
                       EntryFont(), 12, true));
  c.push_back(CheckBox("chkPickCore", "Pick From List", {6300, RowY(10), 1920, kEntryHeight},
                       EntryFont(), 13, false));
  const EntryDescription& coreEntry = DescriptionOf(Entry::CoreSize);
  c.push_back(RowLabel("lblCoreSize", std::string(coreEntry.caption), 11));
  auto coreList = List(std::string(coreEntry.control), {kEntryX, RowY(11), 5400, kEntryHeight},
                       EntryFont(), coreEntry.tabIndex);
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
  auto help = Button("cmdHelp", "&Help", {8400, RowY(1), 1080, 375}, Arial(9.75), 18);
  help.toolTip = "Directions on how to use this product.";
  c.push_back(help);
  AddBuiltPartLine(c, buttonY + 540);
  AddDesignFileButtons(form);
  AddCatalogueButtons(form);
  // Under the catalogue buttons, between the Stack caption and the fill factor's note; after
  // them in tab order.
  c.push_back(
      Button(kCmdFindDesigns, "&Find Designs…", {7320, RowY(8) + 60, 2160, 375}, Arial(9.75), 25));
  form.defaultButton = "cmdProcess";
  TabInReadingOrder(form);
  return form;
}

}  // namespace pfc::ui
