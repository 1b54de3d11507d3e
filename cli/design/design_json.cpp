#include "cli/design/design_json.h"

#include <string>
#include <type_traits>

#include "cli/design/design_entry_names.h"
#include "cli/design/listing_json.h"
#include "engine/record/design_record.h"

namespace pfc {
namespace {

nlohmann::ordered_json MessageJson(const Message& message) {
  nlohmann::ordered_json json;
  json["title"] = message.title;
  json["icon"] = message.icon == MessageIcon::Information ? "information" : "none";
  json["text"] = message.text;
  return json;
}

}  // namespace

const char* StatusOf(RunEnding ending) {
  switch (ending) {
    case RunEnding::Published:
      return "published";
    case RunEnding::Rejected:
      return "rejected";
    default:
      return "stopped";
  }
}

nlohmann::ordered_json RecordJson(const DesignRecord& record) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  VisitRecordFields(record, [&json](const char* name, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    // A double stays a floating-point number, written in shortest form.
    if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
      json[name] = field;
    } else {
      json[name] = static_cast<int>(field);
    }
  });
  // The desktop's temporary folder once travelled in the record; scripts that read it from
  // here find the key still, empty as it always was for the command line.
  json["TempFolder"] = "";
  return json;
}

const char* TotalTempStyleName(TotalTempStyle style) {
  return style == TotalTempStyle::BoldRed ? "bold-red" : "normal-black";
}

nlohmann::ordered_json SummaryJson(const ResultSummary& s) {
  nlohmann::ordered_json json;
  VisitSummaryJsonTexts(s, [&json](const char* name, std::string_view text) { json[name] = text; });
  return json;
}

nlohmann::ordered_json DesignJson(const RunOutcome& outcome, const DesignRecord& record,
                                  const ResultSummary& summary) {
  nlohmann::ordered_json json;
  json["version"] = kDesignJsonVersion;
  json["status"] = StatusOf(outcome.ending);
  json["ending"] = RunEndingName(outcome.ending);
  json["check"] = outcome.check;
  json["messages"] = nlohmann::ordered_json::array();
  for (const Message& message : outcome.messages)
    json["messages"].push_back(MessageJson(message));
  json["focus"] = outcome.focus ? nlohmann::ordered_json(PublicEntryName(*outcome.focus))
                                : nlohmann::ordered_json(nullptr);
  json["record"] = RecordJson(record);
  if (outcome.ending == RunEnding::Published) {
    json["summary"] = SummaryJson(summary);
    json["listing"] = ListingJson(record);
  }
  return json;
}

}  // namespace pfc
