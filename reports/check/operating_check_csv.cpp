#include "reports/check/operating_check_csv.h"

#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"

namespace pfc {
namespace {

// The fields come from the check's own visitor, so a new angle figure needs no edit here.
void AppendRows(std::string& csv, const char* line, const LineCheck& check,
                const std::string& strands) {
  for (const CheckedAngle& angle : check.angles) {
    csv.append(line).append(",").append(std::to_string(angle.deg));
    VisitAngleFigures(angle, [&csv](const char*, const CheckedNumber& figure) {
      csv.push_back(',');
      if (figure)
        csv.append(FormatShortest(*figure));
    });
    csv.append(",").append(strands).append(kCsvLineEnd);
  }
}

}  // namespace

std::string OperatingCheckCsv(const OperatingCheck& check, double strands) {
  std::string csv = "line,deg";
  const CheckedAngle names;
  VisitAngleFigures(
      names, [&csv](const char* name, const CheckedNumber&) { csv.append(",").append(name); });
  csv.append(",strands").append(kCsvLineEnd);
  const std::string strandCount = FormatShortest(strands);
  AppendRows(csv, "low", check.lowLine, strandCount);
  AppendRows(csv, "high", check.highLine, strandCount);
  if (check.worstCase) {
    AppendRows(csv, "low-worst-case", check.worstCase->lowLine, strandCount);
    AppendRows(csv, "high-worst-case", check.worstCase->highLine, strandCount);
  }
  return csv;
}

}  // namespace pfc
