#include "engine/inputs/pick_list.h"

#include "engine/record/number_text.h"

namespace pfc {

std::string PickListEntry(const CoreCatalogue& catalogue, std::int16_t row, char decimalSeparator) {
  const auto i = static_cast<std::size_t>(row);
  std::string entry = catalogue.PartNo[i];
  entry.append(" (OD ").append(FormatFixed(catalogue.OD[i], 2, decimalSeparator));
  entry.append("mm, ID ").append(FormatFixed(catalogue.ID[i], 2, decimalSeparator));
  entry.append("mm, HT ").append(FormatFixed(catalogue.HT[i], 2, decimalSeparator));
  entry.append("mm)");
  return entry;
}

std::vector<std::string> PickListEntries(const CoreCatalogue& catalogue, char decimalSeparator) {
  std::vector<std::string> entries{std::string()};
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    entries.push_back(PickListEntry(catalogue, row, decimalSeparator));
  }
  return entries;
}

}  // namespace pfc
