#include "reports/listing_csv.h"

#include <cmath>

#include "engine/number_text.h"
#include "reports/csv_field.h"
#include "reports/listing.h"

namespace pfc {

std::string ListingCsv(const DesignRecord& record) {
  std::string csv = "Line,Caption,Value,Unit\r\n";
  for (const ListingLine& line : BuildListing(record)) {
    csv += CsvField(line.line) + ',' + CsvField(line.caption) + ',';
    if (std::isfinite(line.number)) {
      csv += FormatShortest(line.number);
    }
    csv += ',' + CsvField(line.unit) + "\r\n";
  }
  return csv;
}

}  // namespace pfc
