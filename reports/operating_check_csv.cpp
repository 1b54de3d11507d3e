#include "reports/operating_check_csv.h"

#include "engine/number_text.h"

namespace pfc {
namespace {

void AppendField(std::string& csv, const CheckedNumber& number) {
  csv.push_back(',');
  if (number)
    csv.append(FormatShortest(*number));
}

void AppendLine(std::string& csv, const char* name, const LineCheck& line) {
  for (const CheckedAngle& angle : line.angles) {
    csv.append(name).push_back(',');
    csv.append(std::to_string(angle.deg));
    for (const CheckedNumber& number :
         {angle.vin, angle.iAvg, angle.duty, angle.ripplePp, angle.iMax, angle.fluxSwingT}) {
      AppendField(csv, number);
    }
    csv.append("\r\n");
  }
}

}  // namespace

std::string OperatingCheckCsv(const OperatingCheck& check) {
  std::string csv = "line,deg,vin,i_avg,duty,ripple_pp,i_max,flux_swing_t\r\n";
  AppendLine(csv, "low", check.lowLine);
  AppendLine(csv, "high", check.highLine);
  return csv;
}

}  // namespace pfc
