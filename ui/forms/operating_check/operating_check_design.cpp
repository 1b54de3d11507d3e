#include "ui/forms/operating_check/operating_check_design.h"

#include "reports/check/check_figures.h"
#include "reports/check/check_verdict_texts.h"
#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/limit_entries.h"

namespace pfc::ui {

using namespace design;
using namespace check_controls;

namespace {

// The table of figures on the left, the charts on the right.
constexpr int kCaptionX = 12;
constexpr int kMethodX = 214;
constexpr int kLowX = 336;
constexpr int kHighX = 488;
constexpr int kTableRight = 640;
constexpr int kHeadingY = 74;
constexpr int kFirstRowY = 96;
constexpr int kRowPitch = 16;
constexpr int kVerdictPitch = 30;
constexpr int kChartX = 652;
constexpr int kChartWidth = 536;
constexpr int kChartHeight = 310;
// The limits under the charts, a row each: the caption, the box and why a text is refused.
constexpr int kLimitsY = kHeadingY - 4 + 2 * kChartHeight + 8;
constexpr int kLimitPitch = 34;
constexpr int kLimitCaptionWidth = 230;
constexpr int kLimitBoxWidth = 64;

// The table grows with the check's rows; the worst case, the verdicts and the buttons follow
// it.
int WorstCaseY() {
  return kFirstRowY + CheckFigureRowCount() * kRowPitch + 6;
}
int VerdictHeadingY() {
  return WorstCaseY() + 48;  // three lines of the worst case
}
int FirstVerdictY() {
  return VerdictHeadingY() + 22;
}
// After the verdicts, what to do when one misses.
int NextStepY() {
  return FirstVerdictY() + static_cast<int>(kCheckVerdicts) * kVerdictPitch + 4;
}
int ButtonY() {
  return NextStepY() + 50;  // three lines of the next step
}

ControlDescription Chart(std::string name, std::string kind, TwipRect rect) {
  ControlDescription c;
  c.kind = ControlKind::Custom;
  c.name = std::move(name);
  c.customKind = std::move(kind);
  c.rect = rect;
  c.font = Arial(8.25);
  return c;
}

// An entry of the winding on the button row, its caption's access letter focusing it.
void AddWindingEntry(std::vector<ControlDescription>& c, const char* captionName,
                     const char* caption, int captionWidth, const char* name, int x, int width,
                     int tabIndex, const char* toolTip) {
  auto label = Label(captionName, caption, Pixels(x, ButtonY() + 8, captionWidth, 18),
                     Arial(8.25, true), kNavy);
  label.alignment = TextAlignment::Right;
  label.buddy = name;
  c.push_back(label);
  auto entry = TextBox(name, "", Pixels(x + captionWidth + 4, ButtonY() + 2, width, 24),
                       Arial(9.75), tabIndex);
  entry.toolTip = toolTip;
  c.push_back(entry);
}

// A figure too long for its column is drawn smaller rather than over the next one.
ControlDescription Value(std::string name, int x, int y, int width) {
  auto value = Label(std::move(name), "", Pixels(x, y, width, kRowPitch), Arial(8.25));
  value.shrinkToFit = true;
  return value;
}

// The design's name and the material it is checked in.
void AddDesignAndGrade(std::vector<ControlDescription>& c) {
  c.push_back(Label(kDesign, "", Pixels(12, 10, 860, 20), Arial(9.75, true), kNavy));
  auto gradeCaption = Label(kGradeCaption, "Roll-off &grade (initial permeability)",
                            Pixels(880, 13, 210, 18), Arial(8.25, true), kNavy);
  gradeCaption.alignment = TextAlignment::Right;
  gradeCaption.buddy = kGrade;
  c.push_back(gradeCaption);
  auto grade = List(kGrade, Pixels(1096, 9, 92, 24), Arial(9.75), 0);
  grade.backColour = kWhite;
  grade.toolTip = "The powder's roll-off the check assumes; the design is checked again at once";
  c.push_back(grade);
  // The logic writes which material the core is taken in.
  auto assumption = Label(kAssumption, "", Pixels(12, 34, 860, 32), Arial(8.25), kNavy);
  assumption.wordWrap = true;
  c.push_back(assumption);
}

// The figures: a caption, then the method's value beside the low and the high line's.
void AddFigureTable(std::vector<ControlDescription>& c) {
  c.push_back(Label(kMethodHeading, "Method, at Vin Min",
                    Pixels(kMethodX, kHeadingY, kLowX - kMethodX, 18), Arial(8.25, true), kNavy));
  // A material's name may be long: the heading is cut short and shown whole in its tip.
  auto low = Label(kLowHeading, "", Pixels(kLowX, kHeadingY, kHighX - kLowX, 18), Arial(8.25, true),
                   kNavy);
  low.shrinkToFit = true;
  c.push_back(low);
  auto high = Label(kHighHeading, "", Pixels(kHighX, kHeadingY, kTableRight - kHighX, 18),
                    Arial(8.25, true), kNavy);
  high.shrinkToFit = true;
  c.push_back(high);
  c.push_back(Line("linHeading", kCaptionX * kPixel, (kFirstRowY - 3) * kPixel,
                   kTableRight * kPixel, (kFirstRowY - 3) * kPixel, kNavy));
  for (int row = 0; row < CheckFigureRowCount(); ++row) {
    const int y = kFirstRowY + row * kRowPitch;
    auto caption =
        Label(FigureControl(row, FigureColumn::Caption), "",
              Pixels(kCaptionX, y, kMethodX - kCaptionX, kRowPitch), Arial(8.25, true), kNavy);
    caption.shrinkToFit = true;
    c.push_back(caption);
    c.push_back(Value(FigureControl(row, FigureColumn::Method), kMethodX, y, kLowX - kMethodX));
    c.push_back(Value(FigureControl(row, FigureColumn::Low), kLowX, y, kHighX - kLowX));
    c.push_back(Value(FigureControl(row, FigureColumn::High), kHighX, y, kTableRight - kHighX));
  }
}

void AddVerdicts(std::vector<ControlDescription>& c) {
  auto worstCase = Label(kWorstCase, "", Pixels(kCaptionX, WorstCaseY(), 628, 46), Arial(8.25));
  worstCase.wordWrap = true;
  c.push_back(worstCase);
  auto heading = Label(kVerdictHeading, "", Pixels(kCaptionX, VerdictHeadingY(), 628, 18),
                       Arial(9.75, true, true), kNavy);
  heading.shrinkToFit = true;
  c.push_back(heading);
  for (int verdict = 0; verdict < static_cast<int>(kCheckVerdicts); ++verdict) {
    auto line =
        Label(VerdictControl(verdict), "",
              Pixels(kCaptionX, FirstVerdictY() + verdict * kVerdictPitch, 628, kVerdictPitch - 2),
              Arial(8.25));
    line.wordWrap = true;
    c.push_back(line);
  }
  auto nextStep = Label(kNextStep, "", Pixels(kCaptionX, NextStepY(), 466, 46), Arial(8.25), kNavy);
  nextStep.wordWrap = true;
  c.push_back(nextStep);
  auto findDesigns =
      Button(kFindDesigns, "Fin&d Designs…", Pixels(490, NextStepY(), 150, 28), Arial(9.75), 5);
  findDesigns.toolTip =
      "Search this operating point for designs that meet the limits, at the worst case";
  findDesigns.enabled = false;
  c.push_back(findDesigns);
}

// The limits the verdicts take, shared with Find Designs.
void AddLimits(std::vector<ControlDescription>& c) {
  int row = 0;
  for (const LimitEntryDescription& limit : LimitEntryDescriptions()) {
    const int y = kLimitsY + row * kLimitPitch;
    const int boxX = kChartX + kLimitCaptionWidth + 4;
    const int noteX = boxX + kLimitBoxWidth + 6;
    LimitEntryPlace place{Pixels(kChartX, y + 4, kLimitCaptionWidth, 18),
                          Pixels(boxX, y, kLimitBoxWidth, 22),
                          Pixels(noteX, y - 2, kChartX + kChartWidth - noteX, 30)};
    AddLimitEntry(c, limit.entry, place, 1 + row);
    ++row;
  }
}

// The actions, and the winding to check with the way back to the published one.
void AddButtonsAndWinding(std::vector<ControlDescription>& c) {
  c.push_back(Button(kExportCsv, "&Export CSV…", Pixels(12, ButtonY(), 110, 28), Arial(9.75), 6));
  c.push_back(Button(kSavePdf, "Save as &PDF…", Pixels(128, ButtonY(), 110, 28), Arial(9.75), 7));
  c.push_back(
      Button(kExportModel, "Export &Model…", Pixels(244, ButtonY(), 110, 28), Arial(9.75), 8));
  auto sheet =
      Button(kBuildSheet, "Build &Sheet…", Pixels(360, ButtonY(), 100, 28), Arial(9.75), 9);
  sheet.toolTip = "The part as checked, with what the winder needs, to print or save as PDF";
  c.push_back(sheet);
  AddWindingEntry(
      c, kTurnsCaption, "&Turns", 40, kTurns, 466, 56, 10,
      "The turns to check; empty for the published design's. The check follows at once");
  AddWindingEntry(c, kWireCaption, "&Wire (AWG)", 74, kWire, 572, 44, 11,
                  "The wire size to check; empty for the published design's");
  AddWindingEntry(c, kStrandsCaption, "Stra&nds", 54, kStrands, 700, 28, 12,
                  "Strands of the wire wound in parallel, 1 to 8; empty for one");
  c.push_back(Button(kPublishedWinding, "Pu&blished Winding", Pixels(792, ButtonY(), 128, 28),
                     Arial(9.75), 13));
  auto material = Button(kMaterial, "M&aterial…", Pixels(926, ButtonY(), 84, 28), Arial(9.75), 14);
  material.toolTip = "Add a material file of your own to the list of grades";
  c.push_back(material);
  // Beside Material…, after it in the Tab order.
  auto fit =
      Button(kFitMaterial, "&Fit Material…", Pixels(1016, ButtonY(), 104, 28), Arial(9.75), 15);
  fit.toolTip = "Fit a material of your own to the points of a supplier's DC-bias curve";
  c.push_back(fit);
  c.push_back(CloseButton(kClose, "&Close", Pixels(1126, ButtonY(), 62, 28), Arial(9.75), 16));
  auto problem =
      Label(kWindingProblem, "", Pixels(12, ButtonY() + 34, 1176, 20), Arial(8.25), kRed);
  problem.shrinkToFit = true;
  c.push_back(problem);
}

}  // namespace

FormDescription OperatingCheckFormDesign() {
  FormDescription form;
  form.name = kOperatingCheckForm;
  form.caption = "Operating Check";
  form.clientWidth = 1200 * kPixel;
  form.clientHeight = (ButtonY() + 38 + 24) * kPixel;  // a line for the winding under the buttons
  form.backColour = kWhite;
  form.font = Arial(8.25);
  form.scrolls = true;  // taller than a laptop's screen

  auto& c = form.controls;
  AddDesignAndGrade(c);
  AddFigureTable(c);
  AddVerdicts(c);
  auto inductance = Chart(kInductanceChart, kInductanceChartKind,
                          Pixels(kChartX, kHeadingY - 4, kChartWidth, kChartHeight));
  inductance.stretch = {0, 0, 1, 0.5};
  c.push_back(inductance);
  auto lineCurrent =
      Chart(kLineCurrentChart, kLineCurrentChartKind,
            Pixels(kChartX, kHeadingY - 2 + kChartHeight, kChartWidth, kChartHeight));
  lineCurrent.stretch = {0, 0.5, 1, 0.5};
  c.push_back(lineCurrent);

  const std::size_t belowCharts = c.size();
  AddLimits(c);
  AddButtonsAndWinding(c);
  // The limits and the button row stay under the charts as they grow.
  for (std::size_t i = belowCharts; i < c.size(); ++i)
    c[i].stretch.y = 1;
  return form;
}

}  // namespace pfc::ui
