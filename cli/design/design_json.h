#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "engine/method/design_run.h"
#include "engine/record/design_record.h"
#include "reports/summary/result_summary.h"

namespace pfc {

// The version of the design object's layout: 2 names the entry to focus by its public name
// (version 1, without the key, named its control). The record keeps its fields' names,
// which design files store too.
inline constexpr int kDesignJsonVersion = 2;

// "published", "rejected" (an input check failed) or "stopped" (the engine ended the run).
const char* StatusOf(RunEnding ending);

// Every record field under its own name, in declared order.
nlohmann::ordered_json RecordJson(const DesignRecord& record);

// "bold-red" or "normal-black".
const char* TotalTempStyleName(TotalTempStyle style);

// Calls visit(key, text) for every text SummaryJson holds, in its order; the key list of the
// summary for every export that shows it.
template <typename Visitor>
void VisitSummaryJsonTexts(const ResultSummary& summary, Visitor&& visit) {
  VisitSummaryTexts(summary, [&visit](const char* name, const std::string& text) {
    visit(name, std::string_view(text));
  });
  visit("txtTotalTempStyle", std::string_view(TotalTempStyleName(summary.txtTotalTempStyle)));
}

// Every summary text under its control's name, the unit label as "totaltemp" and the
// emphasis as "txtTotalTempStyle" ("bold-red" or "normal-black").
nlohmann::ordered_json SummaryJson(const ResultSummary& summary);

// The whole outcome of a design run: the layout's version, status, ending, messages, focus
// (the entry's public name), record and, when published, its summary and the intermediate
// listing.
nlohmann::ordered_json DesignJson(const RunOutcome& outcome, const DesignRecord& record,
                                  const ResultSummary& summary);

}  // namespace pfc
