#include "ui/pick_list.h"

#include "engine/pick_list.h"

namespace pfc::ui {

std::vector<std::string> PickListEntries(const CoreCatalogue& catalogue, char decimalSeparator) {
  std::vector<std::string> entries{std::string()};
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    entries.push_back(PickListEntry(catalogue, row, decimalSeparator));
  }
  return entries;
}

}  // namespace pfc::ui
