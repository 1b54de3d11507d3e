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

Json VerdictsJson(const OperatingCheck& check, const CheckLimits& limits) {
  Json json = Json::object();
  for (const VerdictOutcome& verdict : JudgeCheck(check, limits))
    json[VerdictName(verdict.code)] = verdict.Passes();
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
               const Material& material, const CheckLimits& limits, const OperatingCheck* check) {
  Json json;
  json["status"] = check ? "checked" : "not-published";
  json["grade"] = GradeJson(material);
  json["ripple_limit_percent"] = limits.ripplePercent;
  json["catalogue_permeability"] = check ? NumberJson(check->cataloguePermeability) : Json(nullptr);
  json["al_nh"] = check ? NumberJson(check->alNh) : Json(nullptr);
  json["zero_bias_uh"] = check ? NumberJson(check->zeroBiasUh) : Json(nullptr);
  json["design"] = DesignJson(outcome, record, summary);
  static const OperatingCheck kNames;  // only its line names are read without a check
  VisitCheckedLines(check ? *check : kNames,
                    [&json, check](const char* name, const LineCheck& line) {
                      json[name] = check ? LineJson(line) : Json(nullptr);
                    });
  json["verdicts"] = check ? VerdictsJson(*check, limits) : Json(nullptr);
  return json;
}

}  // namespace pfc
