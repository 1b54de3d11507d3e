#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/record/design_record.h"
#include "engine/record/number_text.h"

namespace pfc {

// Every field of a record as (name, exact text), so that two records compare field by field
// with readable failures.
inline std::vector<std::pair<std::string, std::string>> RecordValues(const DesignRecord& r) {
  std::vector<std::pair<std::string, std::string>> values;
  VisitRecordFields(r, [&values](const char* name, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    if constexpr (std::is_same_v<T, std::string>) {
      values.emplace_back(name, field);
    } else {
      values.emplace_back(name, FormatShortest(static_cast<double>(field)));
    }
  });
  return values;
}

}  // namespace pfc
