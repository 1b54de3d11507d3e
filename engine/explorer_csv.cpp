#include "engine/explorer_csv.h"

#include <cmath>

#include "engine/number_text.h"

namespace pfc {
namespace {

constexpr std::string_view kHeader =
    "SelectedCoreSize,CoresToStack,CoreIndex,Turns,WireGauge (AWG),HMax (Oe),"
    "ActualFillFactor,CoreLoss (W),CopperLoss (W),TotalLoss (W),TempRise (°C),"
    "TotalTemp (°C),CoreOD (cm),CoreHT (cm),BoxedVolume (cm³),CoreMass (g),"
    "PassesFieldStrength,PassesTemperature,PassesFillFactor,PassesVpeak,PassesAll,"
    "CalculatorChoice,check_l_at_ipk_percent,check_ripple_percent,check_winding_temperature_c\r\n";

void AppendNumber(std::string& line, double value) {
  if (std::isfinite(value))
    line.append(FormatShortest(value));
  line.push_back(',');
}

void AppendFlag(std::string& line, bool flag, char end) {
  line.append(flag ? "true" : "false");
  line.push_back(end);
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos)
    return std::string(text);
  std::string field = "\"";
  for (const char c : text) {
    if (c == '"')
      field.push_back('"');
    field.push_back(c);
  }
  field.push_back('"');
  return field;
}

std::string ExplorationCsv(const Exploration& exploration) {
  std::string csv(kHeader);
  for (const ExploredDesign& d : exploration.designs) {
    csv.append(CsvField(d.SelectedCoreSize)).push_back(',');
    AppendNumber(csv, d.CoresToStack);
    AppendNumber(csv, d.CoreIndex);
    for (const double value :
         {d.Turns, d.WireGauge, d.HMax, d.ActualFillFactor, d.CoreLoss, d.CopperLoss, d.TotalLoss,
          d.TempRise, d.TotalTemp, d.CoreOD, d.CoreHT, d.BoxedVolume, d.CoreMass}) {
      AppendNumber(csv, value);
    }
    AppendFlag(csv, d.PassesFieldStrength, ',');
    AppendFlag(csv, d.PassesTemperature, ',');
    AppendFlag(csv, d.PassesFillFactor, ',');
    AppendFlag(csv, d.PassesVpeak, ',');
    AppendFlag(csv, d.PassesAll(), ',');
    AppendFlag(csv, d.CalculatorChoice, ',');
    for (const double value :
         {d.CheckLAtIpkPercent, d.CheckRipplePercent, d.CheckWindingTemperature}) {
      AppendNumber(csv, value);
    }
    csv.back() = '\r';  // the last number's comma
    csv.push_back('\n');
  }
  return csv;
}

}  // namespace pfc
