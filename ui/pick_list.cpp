#include "ui/pick_list.h"

#include "engine/number_text.h"

namespace pfc::ui {

std::vector<std::string> PickListEntries(const CoreCatalogue& catalogue, char decimalSeparator) {
  std::vector<std::string> entries{std::string()};
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    const auto at = static_cast<std::size_t>(row);
    entries.push_back(catalogue.PartNo[at] + " (OD " +
                      FormatFixed(catalogue.OD[at], 2, decimalSeparator) + "mm, ID " +
                      FormatFixed(catalogue.ID[at], 2, decimalSeparator) + "mm, HT " +
                      FormatFixed(catalogue.HT[at], 2, decimalSeparator) + "mm)");
  }
  return entries;
}

}  // namespace pfc::ui
