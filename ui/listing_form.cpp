#include "ui/listing_form.h"

#include "reports/listing.h"
#include "ui/form_names.h"
#include "ui/forms/form_designs.h"

namespace pfc::ui {

void ListingForm::Form_Load() {
  toolkit_.Move(kListingForm, 250, 500);
  const auto lines = BuildListing(session_.record, session_.decimalSeparator);
  // Captions first (A1's is part of the design), then the values in the window's own order.
  for (const ListingLine& line : lines) {
    if (line.line != "A1") {
      toolkit_.SetText(kListingForm, ListingCaptionControl(line.line), line.caption);
    }
  }
  for (const std::size_t index : ListingFillOrder()) {
    const ListingLine& line = lines[index];
    const std::string control = ListingValueControl(line.line);
    if (line.line == "A2") {
      toolkit_.SetForeColor(kListingForm, control,
                            line.colour == ListingColour::Red ? kRed : kBlack);
    }
    toolkit_.SetText(kListingForm, control, line.value);
  }
}

void ListingForm::Click(std::string_view control) {
  if (control == "cmdExit") {
    toolkit_.Unload(kListingForm);
  }
}

}  // namespace pfc::ui
