#include "ui/forms/listing/listing_design.h"

#include <array>
#include <string>

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace design;
using namespace listing_controls;

namespace {

struct ColumnGroup {
  char letter;
  int rows;
  int captionX;
  int valueX;
  int rightEdge;  // the next divider
};

constexpr std::array<ColumnGroup, 3> kGroups{{
    {'A', 13, 840, 2160, 3840},
    {'B', 13, 3960, 5880, 7680},
    {'C', 12, 7800, 9480, 11040},
}};

// Two captions are wider than their column at the window's size. Each keeps its column's
// left edge, clear of the border, and takes room from its own value, which (a fraction to 3
// places, a length) then starts a little later.
struct WideCaption {
  const char* line;
  int valueX;
};

constexpr std::array<WideCaption, 2> kWideCaptions{{
    {"A2", 2520},
    {"C2", 9600},
}};

const WideCaption* FindWideCaption(const std::string& line) {
  for (const WideCaption& wide : kWideCaptions) {
    if (line == wide.line) {
      return &wide;
    }
  }
  return nullptr;
}

constexpr int kFirstRowY = 1560;
constexpr int kRowPitch = 375;
constexpr int kLabelHeight = 255;
constexpr int kGap = 60;

}  // namespace

namespace listing_controls {

std::string CaptionControl(const std::string& line) {
  return "lblCaption" + line;
}
std::string ValueControl(const std::string& line) {
  return "lblValue" + line;
}

}  // namespace listing_controls

FormDescription ListingFormDesign() {
  FormDescription form;
  form.name = kListingForm;
  form.caption = "PFC Intermediate Output";
  form.clientWidth = 11580;
  form.clientHeight = 7815;
  form.backColour = kWhite;
  form.font = Arial(9.75);

  auto& c = form.controls;
  auto frame = Frame("fraListing", {120, 0, 11055, 7695});
  c.push_back(frame);
  c.push_back(Picture("imgHeader", kWindowHeaderPicture, {7800, 240, 3030, 810}));
  c.push_back(Picture("imgSideStrip", kSideStripPicture, {70, 960, 400, 6000}));

  for (const ColumnGroup& group : kGroups) {
    for (int row = 1; row <= group.rows; ++row) {
      const std::string line = group.letter + std::to_string(row);
      const int y = kFirstRowY + (row - 1) * kRowPitch;
      const bool fixedCaption = line == "A1";
      const WideCaption* wide = FindWideCaption(line);
      const int captionX = group.captionX;
      const int valueX = wide != nullptr ? wide->valueX : group.valueX;
      const int captionRight = valueX - kGap;
      auto caption =
          Label(CaptionControl(line), fixedCaption ? "Input power" : "",
                {captionX, y, captionRight - captionX, kLabelHeight}, Arial(9.75, !fixedCaption));
      // A font wider than the designed one makes the caption smaller, never over its border.
      caption.shrinkToFit = true;
      c.push_back(caption);
      c.push_back(Label(ValueControl(line), "",
                        {valueX, y, group.rightEdge - valueX - kGap, kLabelHeight}, Arial(9.75)));
    }
  }

  c.push_back(Line("linBoxTop", 720, 1320, 11040, 1320));
  c.push_back(Line("linBoxBottom", 720, 6720, 11040, 6720));
  c.push_back(Line("linBoxLeft", 720, 1320, 720, 6720));
  c.push_back(Line("linBoxRight", 11040, 1320, 11040, 6720));
  c.push_back(Line("linDividerAB", 3840, 1320, 3840, 6720));
  c.push_back(Line("linDividerBC", 7680, 1320, 7680, 6720));

  c.push_back(CloseButton(kCmdExit, "&Close", {4800, 6960, 1185, 420}, Arial(9.75), 0));
  // Right-aligned with the box, clear of the centred "&Close".
  c.push_back(Button(kCmdExportCsv, "&Export CSV…", {9360, 6960, 1680, 420}, Arial(9.75), 1));
  return form;
}

}  // namespace pfc::ui
