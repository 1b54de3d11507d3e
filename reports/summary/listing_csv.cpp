#include "reports/summary/listing_csv.h"

#include <cmath>

#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"
#include "reports/summary/listing.h"

namespace pfc {

std::string ListingCsv(const DesignRecord& record) {
  std::string csv = "Line,Caption,Value,Unit";
  csv.append(kCsvLineEnd);
  for (const ListingLine& line : BuildListing(record)) {
    csv += CsvField(line.line) + ',' + CsvField(line.caption) + ',';
    if (std::isfinite(line.number)) {
      csv += FormatShortest(line.number);
    }
    csv += ',' + CsvField(line.unit);
    csv.append(kCsvLineEnd);
  }
  return csv;
}

}  // namespace pfc
