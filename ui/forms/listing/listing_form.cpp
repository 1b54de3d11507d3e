#include "ui/forms/listing/listing_form.h"

#include "reports/listing.h"
#include "reports/listing_csv.h"
#include "ui/forms/listing/listing_design.h"
#include "ui/forms/session/file_export.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace listing_controls;

void ListingForm::Form_Load() {
  toolkit_.Centre(kListingForm);
  shown_ = session_.record;
  const auto lines = BuildListing(shown_, session_.decimalSeparator);
  // Captions first (A1's is part of the design), then the values in the window's own order.
  for (const ListingLine& line : lines) {
    if (line.line != "A1") {
      toolkit_.SetText(kListingForm, CaptionControl(line.line), line.caption);
    }
  }
  for (const std::size_t index : ListingFillOrder()) {
    const ListingLine& line = lines[index];
    const std::string control = ValueControl(line.line);
    if (line.line == "A2") {
      toolkit_.SetForeColor(kListingForm, control,
                            line.colour == ListingColour::Red ? kRed : kBlack);
    }
    toolkit_.SetText(kListingForm, control, line.value);
  }
}

void ListingForm::Click(std::string_view control) {
  if (control == kCmdExit) {
    toolkit_.Unload(kListingForm);
  } else if (control == kCmdExportCsv) {
    // The values the window shows, at full precision, even after a later run.
    ExportFile(toolkit_, services_, CsvFileRequest("Export Calculations", "calculations.csv"),
               ListingCsv(shown_));
  }
}

}  // namespace pfc::ui
