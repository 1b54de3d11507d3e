#include "cli/batch/batch_check_columns.h"

#include <optional>
#include <type_traits>

#include "cli/check/check_key_figures.h"
#include "engine/check/check_verdicts.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

// visit(path, value) for the figures of a group under `path`: an InductanceAtCurrent's parts
// one by one, any other figure whole.
template <typename Visitor>
void VisitFigure(const std::string& path, const auto& figure, Visitor& visit) {
  if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
    VisitInductanceFigures(figure, [&visit, &path](const char* part, const CheckedNumber& number) {
      visit(path + "." + part, number);
    });
  } else {
    visit(path, figure);
  }
}

// visit(path, value) for every column, value a CheckedNumber, a bool or, for a verdict, an
// optional bool (empty where not judged). The worst case's columns are there only where the
// limits ask for one; `check` is nullptr where only the names are read.
template <typename Visitor>
void VisitCheckColumns(const OperatingCheck* check, const DesignLimits& limits, Visitor&& visit) {
  static const OperatingCheck kNames = [] {
    OperatingCheck names;
    names.worstCase.emplace();
    return names;
  }();
  const bool worstCase = limits.alTolerancePercent > 0;
  VisitCheckedLines(
      check != nullptr ? *check : kNames,
      [&visit, worstCase](const char* lineName, const LineCheck& line, const LineCheck* worst) {
        VisitLineKeyFigures(line, [&](const char* name, const auto& figure) {
          VisitFigure(std::string(lineName) + "." + name, figure, visit);
        });
        if (!worstCase || worst == nullptr)
          return;
        VisitWorstCaseFigures(*worst, [&](const char* name, const auto& figure) {
          VisitFigure(std::string(lineName) + ".worst_case." + name, figure, visit);
        });
      });
  if (check == nullptr) {
    for (std::size_t k = 0; k < kCheckVerdicts; ++k)
      visit(std::string("verdicts.") + VerdictName(static_cast<CheckVerdict>(k)),
            std::optional<bool>());
    return;
  }
  for (const VerdictOutcome& verdict : JudgeCheck(*check, limits))
    visit(std::string("verdicts.") + VerdictName(verdict.code),
          verdict.judged ? std::optional<bool>(verdict.Passes()) : std::nullopt);
}

}  // namespace

void AppendCheckColumnNames(const DesignLimits& limits, std::string& line) {
  VisitCheckColumns(nullptr, limits, [&line](const std::string& path, const auto&) {
    line.append(",").append(path);
  });
}

// Written directly, not through the rows' number cache: a check's figures seldom repeat
// between rows, and would only push out the design's numbers that do.
void AppendCheckCells(const OperatingCheck& check, const DesignLimits& limits, std::string& line) {
  VisitCheckColumns(&check, limits, [&line](const std::string&, const auto& value) {
    line.push_back(',');
    using Value = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, bool>) {
      line.append(value ? "true" : "false");
    } else if constexpr (std::is_same_v<Value, std::optional<bool>>) {
      if (value)
        line.append(*value ? "true" : "false");
    } else if (value) {
      AppendShortest(line, *value);
    }
  });
}

void AppendEmptyCheckCells(const DesignLimits& limits, std::string& line) {
  std::size_t count = 0;
  VisitCheckColumns(nullptr, limits, [&count](const std::string&, const auto&) { ++count; });
  line.append(count, ',');
}

}  // namespace pfc
