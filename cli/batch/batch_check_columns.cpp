#include "cli/batch/batch_check_columns.h"

#include <type_traits>

#include "cli/check/check_key_figures.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

// visit(lineName, figureName, partName, value) for every column; partName is nullptr but
// within the inductance groups, value a CheckedNumber or a bool.
template <typename Visitor>
void VisitCheckColumns(const OperatingCheck& check, Visitor&& visit) {
  VisitCheckedLines(check, [&visit](const char* lineName, const LineCheck& line) {
    VisitLineKeyFigures(line, [&visit, lineName](const char* name, const auto& figure) {
      if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
        VisitInductanceFigures(
            figure, [&visit, lineName, name](const char* part, const CheckedNumber& number) {
              visit(lineName, name, part, number);
            });
      } else {
        visit(lineName, name, nullptr, figure);
      }
    });
  });
}

// Only the names of a check that never ran are read.
const OperatingCheck& NoCheck() {
  static const OperatingCheck none;
  return none;
}

std::size_t CheckColumnCount() {
  std::size_t count = 0;
  VisitCheckColumns(NoCheck(),
                    [&count](const char*, const char*, const char*, const auto&) { ++count; });
  return count;
}

}  // namespace

void AppendCheckColumnNames(std::string& line) {
  VisitCheckColumns(NoCheck(),
                    [&line](const char* lineName, const char* name, const char* part, const auto&) {
                      line.append(",").append(lineName).append(".").append(name);
                      if (part != nullptr)
                        line.append(".").append(part);
                    });
}

// Written directly, not through the rows' number cache: a check's figures seldom repeat
// between rows, and would only push out the design's numbers that do.
void AppendCheckCells(const OperatingCheck& check, std::string& line) {
  VisitCheckColumns(check, [&line](const char*, const char*, const char*, const auto& value) {
    line.push_back(',');
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
      line.append(value ? "true" : "false");
    } else if (value) {
      AppendShortest(line, *value);
    }
  });
}

void AppendEmptyCheckCells(std::string& line) {
  static const std::size_t kColumns = CheckColumnCount();
  line.append(kColumns, ',');
}

}  // namespace pfc
