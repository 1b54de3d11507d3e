#include "reports/files/catalogue_csv.h"

#include <cstddef>
#include <cstdint>

#include "engine/catalogue/catalogue_file.h"
#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"

namespace pfc {

std::string CatalogueCsv(const CoreCatalogue& catalogue) {
  const std::span<const CatalogueColumn> columns = CatalogueColumns();
  std::string csv;
  for (const CatalogueColumn& column : columns)
    csv.append(column.header).push_back(',');
  csv.pop_back();
  csv.append(kCsvLineEnd);
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    const auto i = static_cast<std::size_t>(row);
    AppendCsvField(csv, catalogue.PartNo[i]);
    for (const CatalogueColumn& column : columns) {
      if (column.numbers != nullptr) {
        csv.push_back(',');
        AppendShortest(csv, (catalogue.*column.numbers)[i]);
      }
    }
    csv.append(kCsvLineEnd);
  }
  return csv;
}

}  // namespace pfc
