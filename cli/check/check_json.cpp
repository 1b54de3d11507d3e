#include "cli/check/check_json.h"

#include <type_traits>

#include "cli/check/check_key_figures.h"
#include "cli/design/design_json.h"

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

// The worst-case core's figures of a line.
Json WorstCaseJson(const LineCheck& worst) {
  Json json;
  VisitWorstCaseFigures(worst, [&json](const char* name, const auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
      json[name] = InductanceJson(figure);
    } else {
      json[name] = NumberJson(figure);
    }
  });
  return json;
}

Json VerdictsJson(const OperatingCheck& check, const DesignLimits& limits) {
  Json json = Json::object();
  for (const VerdictOutcome& verdict : JudgeCheck(check, limits))
    json[VerdictName(verdict.code)] = verdict.judged ? Json(verdict.Passes()) : Json(nullptr);
  return json;
}

// A built-in grade is named by its permeability, a number, as it always was.
Json GradeJson(const Material& material) {
  const RolloffGrade* grade = FindRolloffGrade(static_cast<int>(material.permeability));
  if (grade != nullptr && material.name == std::to_string(grade->permeability))
    return grade->permeability;
  return material.name;
}

}  // namespace

Json CheckJson(const RunOutcome& outcome, const DesignRecord& record, const ResultSummary& summary,
               const Material& material, const DesignLimits& limits, const OperatingCheck* check) {
  Json json;
  json["status"] = check ? "checked" : "not-published";
  json["grade"] = GradeJson(material);
  json["ripple_limit_percent"] = limits.ripplePercent ? Json(*limits.ripplePercent) : Json(nullptr);
  json["min_inductance_percent"] = limits.inductancePercent;
  json["max_temperature_c"] = limits.temperatureC;
  json["al_tolerance_percent"] = limits.alTolerancePercent;
  json["catalogue_permeability"] = check ? NumberJson(check->cataloguePermeability) : Json(nullptr);
  json["al_nh"] = check ? NumberJson(check->alNh) : Json(nullptr);
  json["zero_bias_uh"] = check ? NumberJson(check->zeroBiasUh) : Json(nullptr);
  json["design"] = DesignJson(outcome, record, summary);
  static const OperatingCheck kNames;  // only its line names are read without a check
  VisitCheckedLines(check ? *check : kNames, [&json, check](const char* name, const LineCheck& line,
                                                            const LineCheck* worst) {
    json[name] = check ? LineJson(line) : Json(nullptr);
    if (check)
      json[name]["worst_case"] = worst != nullptr ? WorstCaseJson(*worst) : Json(nullptr);
  });
  json["verdicts"] = check ? VerdictsJson(*check, limits) : Json(nullptr);
  return json;
}

}  // namespace pfc
