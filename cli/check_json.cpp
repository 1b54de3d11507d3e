#include "cli/check_json.h"

#include <type_traits>

#include "cli/check_key_figures.h"
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
  VisitLineKeyFigures(line, [&json](const char* name, const auto& figure) {
    using Figure = std::decay_t<decltype(figure)>;
    if constexpr (std::is_same_v<Figure, InductanceAtCurrent>) {
      json[name] = InductanceJson(figure);
    } else if constexpr (std::is_same_v<Figure, bool>) {
      json[name] = figure;
    } else {
      json[name] = NumberJson(figure);
    }
  });
  json["angles"] = Json::array();
  for (const CheckedAngle& angle : line.angles)
    json["angles"].push_back(AngleJson(angle));
  return json;
}

Json VerdictsJson(const DesignRecord& record, const OperatingCheck& check,
                  const CheckLimits& limits) {
  Json json = Json::object();
  for (const CheckVerdictText& verdict : CheckVerdictTexts(record, check, limits, '.'))
    json[VerdictName(verdict.code)] = verdict.passes;
  return json;
}

}  // namespace

Json CheckJson(const RunOutcome& outcome, const DesignRecord& record, const ResultSummary& summary,
               const RolloffGrade& grade, const CheckLimits& limits, const OperatingCheck* check) {
  Json json;
  json["status"] = check ? "checked" : "not-published";
  json["grade"] = grade.permeability;
  json["ripple_limit_percent"] = limits.ripplePercent;
  json["zero_bias_uh"] = check ? NumberJson(check->zeroBiasUh) : Json(nullptr);
  json["design"] = DesignJson(outcome, record, summary);
  static const OperatingCheck kNames;  // only its line names are read without a check
  VisitCheckedLines(check ? *check : kNames,
                    [&json, check](const char* name, const LineCheck& line) {
                      json[name] = check ? LineJson(line) : Json(nullptr);
                    });
  json["verdicts"] = check ? VerdictsJson(record, *check, limits) : Json(nullptr);
  return json;
}

}  // namespace pfc
