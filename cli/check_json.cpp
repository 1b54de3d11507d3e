#include "cli/check_json.h"

#include <type_traits>

#include "cli/design_json.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

Json NumberJson(const CheckedNumber& number) {
  return number ? Json(*number) : Json(nullptr);
}

Json InductanceJson(const InductanceAtCurrent& at) {
  Json json = Json::object();
  bool any = false;
  VisitInductanceFigures(at, [&json, &any](const char* name, const CheckedNumber& number) {
    json[name] = NumberJson(number);
    any = any || number.has_value();
  });
  return any ? json : Json(nullptr);
}

Json AngleJson(const CheckedAngle& angle) {
  Json json;
  json["deg"] = angle.deg;
  VisitAngleFigures(angle, [&json](const char* name, const CheckedNumber& number) {
    json[name] = NumberJson(number);
  });
  return json;
}

Json LineJson(const LineCheck& line) {
  Json json;
  VisitLineFigures(line, [&json](const char* name, const auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
      json[name] = InductanceJson(figure);
    } else {
      json[name] = NumberJson(figure);
    }
  });
  json["steady"] = line.Steady();
  json["peak_above_vout"] = line.peakAboveVout;
  json["saturates"] = line.saturates;
  json["angles"] = Json::array();
  for (const CheckedAngle& angle : line.angles)
    json["angles"].push_back(AngleJson(angle));
  return json;
}

}  // namespace

Json CheckJson(const RunOutcome& outcome, const DesignRecord& record, const ResultSummary& summary,
               const RolloffGrade& grade, const OperatingCheck* check) {
  Json json;
  json["status"] = check ? "checked" : "not-published";
  json["grade"] = grade.permeability;
  json["zero_bias_uh"] = check ? NumberJson(check->zeroBiasUh) : Json(nullptr);
  json["design"] = DesignJson(outcome, record, summary);
  json["low_line"] = check ? LineJson(check->lowLine) : Json(nullptr);
  json["high_line"] = check ? LineJson(check->highLine) : Json(nullptr);
  return json;
}

}  // namespace pfc
