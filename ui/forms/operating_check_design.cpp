#include "ui/forms/operating_check_design.h"

#include "ui/forms/design_helpers.h"
#include "ui/forms/form_names.h"
#include "ui/forms/operating_check_figures.h"

namespace pfc::ui {

using namespace design;
using namespace check_controls;

namespace {

constexpr int kPixel = 15;  // twips

TwipRect Pixels(int x, int y, int width, int height) {
  return {x * kPixel, y * kPixel, width * kPixel, height * kPixel};
}

// The table of figures on the left, the charts on the right.
constexpr int kCaptionX = 12;
constexpr int kMethodX = 214;
constexpr int kLowX = 336;
constexpr int kHighX = 488;
constexpr int kTableRight = 640;
constexpr int kHeadingY = 74;
constexpr int kFirstRowY = 96;
constexpr int kRowPitch = 18;
constexpr int kVerdictHeadingY = kFirstRowY + kFigureRows * kRowPitch + 10;
constexpr int kFirstVerdictY = kVerdictHeadingY + 22;
constexpr int kVerdictPitch = 30;
constexpr int kChartX = 652;
constexpr int kChartWidth = 536;
constexpr int kButtonY = 702;

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
  auto label = Label(captionName, caption, Pixels(x, kButtonY + 6, captionWidth, 18),
                     Arial(8.25, true), kNavy);
  label.alignment = TextAlignment::Right;
  label.buddy = name;
  c.push_back(label);
  auto entry = TextBox(name, "", Pixels(x + captionWidth + 4, kButtonY + 2, width, 24), Arial(9.75),
                       tabIndex);
  entry.toolTip = toolTip;
  c.push_back(entry);
}

ControlDescription Value(std::string name, int x, int y, int width) {
  return Label(std::move(name), "", Pixels(x, y, width, kRowPitch), Arial(8.25));
}

}  // namespace

FormDescription OperatingCheckFormDesign() {
  FormDescription form;
  form.name = kOperatingCheckForm;
  form.caption = "Operating Check";
  form.clientWidth = 1200 * kPixel;
  form.clientHeight = 764 * kPixel;
  form.backColour = kWhite;
  form.font = Arial(8.25);

  auto& c = form.controls;
  c.push_back(Label(kDesign, "", Pixels(12, 10, 860, 20), Arial(9.75, true), kNavy));
  auto gradeCaption = Label(kGradeCaption, "Roll-off grade (initial permeability)",
                            Pixels(880, 13, 210, 18), Arial(8.25, true), kNavy);
  gradeCaption.alignment = TextAlignment::Right;
  c.push_back(gradeCaption);
  auto grade = List(kGrade, Pixels(1096, 9, 92, 24), Arial(9.75), 0);
  grade.backColour = kWhite;
  grade.toolTip = "The powder's roll-off the check assumes; the design is checked again at once";
  c.push_back(grade);
  auto assumption =
      Label(kAssumption,
            "The grade is an assumption: the catalogue gives each core's inductance factor, not "
            "its material, and the grade only shapes how the permeability falls with the "
            "current. The method's own figures are at Vin Min, on 70 % of the inductance factor "
            "at full current and a ripple of 10 % of the line-peak current.",
            Pixels(12, 34, 1176, 32), Arial(8.25), kNavy);
  assumption.wordWrap = true;
  c.push_back(assumption);

  c.push_back(Label(kMethodHeading, "Method, at Vin Min",
                    Pixels(kMethodX, kHeadingY, kLowX - kMethodX, 18), Arial(8.25, true), kNavy));
  c.push_back(Label(kLowHeading, "", Pixels(kLowX, kHeadingY, kHighX - kLowX, 18),
                    Arial(8.25, true), kNavy));
  c.push_back(Label(kHighHeading, "", Pixels(kHighX, kHeadingY, kTableRight - kHighX, 18),
                    Arial(8.25, true), kNavy));
  c.push_back(Line("linHeading", kCaptionX * kPixel, (kFirstRowY - 3) * kPixel,
                   kTableRight * kPixel, (kFirstRowY - 3) * kPixel, kNavy));
  for (int row = 0; row < kFigureRows; ++row) {
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

  c.push_back(Label(kVerdictHeading, "", Pixels(kCaptionX, kVerdictHeadingY, 628, 18),
                    Arial(9.75, true, true), kNavy));
  for (int verdict = 0; verdict < kVerdicts; ++verdict) {
    auto line =
        Label(VerdictControl(verdict), "",
              Pixels(kCaptionX, kFirstVerdictY + verdict * kVerdictPitch, 628, kVerdictPitch - 2),
              Arial(8.25));
    line.wordWrap = true;
    c.push_back(line);
  }

  c.push_back(Chart(kInductanceChart, kInductanceChartKind,
                    Pixels(kChartX, kHeadingY - 4, kChartWidth, 310)));
  c.push_back(Chart(kLineCurrentChart, kLineCurrentChartKind,
                    Pixels(kChartX, kHeadingY + 312, kChartWidth, 310)));

  c.push_back(Button(kExportCsv, "&Export CSV…", Pixels(12, kButtonY, 150, 28), Arial(9.75), 1));
  c.push_back(Button(kSavePdf, "Save as &PDF…", Pixels(174, kButtonY, 150, 28), Arial(9.75), 2));
  AddWindingEntry(
      c, kTurnsCaption, "&Turns", 40, kTurns, 500, 56, 4,
      "The turns to check; empty for the published design's. The check follows at once");
  AddWindingEntry(c, kWireCaption, "&Wire (AWG)", 74, kWire, 604, 44, 5,
                  "The wire size to check; empty for the published design's");
  c.push_back(Button(kPublishedWinding, "Pu&blished Winding", Pixels(732, kButtonY, 150, 28),
                     Arial(9.75), 6));
  auto material = Button(kMaterial, "M&aterial…", Pixels(894, kButtonY, 110, 28), Arial(9.75), 7);
  material.toolTip = "Add a material file of your own to the list of grades";
  c.push_back(material);
  c.push_back(CloseButton(kClose, "&Close", Pixels(1078, kButtonY, 110, 28), Arial(9.75), 8));
  auto problem = Label(kWindingProblem, "", Pixels(12, kButtonY + 34, 1176, 20), Arial(8.25), kRed);
  problem.shrinkToFit = true;
  c.push_back(problem);
  return form;
}

}  // namespace pfc::ui
