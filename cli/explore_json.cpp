#include "cli/explore_json.h"

namespace pfc {

nlohmann::ordered_json ExplorationJson(const Exploration& exploration) {
  nlohmann::ordered_json designs = nlohmann::ordered_json::array();
  for (const ExploredDesign& d : exploration.designs) {
    nlohmann::ordered_json json;
    json["SelectedCoreSize"] = d.SelectedCoreSize;
    json["CoresToStack"] = d.CoresToStack;
    json["CoreIndex"] = d.CoreIndex;
    json["Turns"] = d.Turns;
    json["WireGauge"] = d.WireGauge;
    json["HMax"] = d.HMax;
    json["ActualFillFactor"] = d.ActualFillFactor;
    json["CoreLoss"] = d.CoreLoss;
    json["CopperLoss"] = d.CopperLoss;
    json["TotalLoss"] = d.TotalLoss;
    json["TempRise"] = d.TempRise;
    json["TotalTemp"] = d.TotalTemp;
    json["CoreOD"] = d.CoreOD;
    json["CoreHT"] = d.CoreHT;
    json["BoxedVolume"] = d.BoxedVolume;
    json["CoreMass"] = d.CoreMass;
    json["PassesFieldStrength"] = d.PassesFieldStrength;
    json["PassesTemperature"] = d.PassesTemperature;
    json["PassesFillFactor"] = d.PassesFillFactor;
    json["PassesVpeak"] = d.PassesVpeak;
    json["PassesAll"] = d.PassesAll();
    json["CalculatorChoice"] = d.CalculatorChoice;
    json["check_l_at_ipk_percent"] = d.CheckLAtIpkPercent;
    json["check_ripple_percent"] = d.CheckRipplePercent;
    json["check_winding_temperature_c"] = d.CheckWindingTemperature;
    designs.push_back(std::move(json));
  }
  return designs;
}

}  // namespace pfc
