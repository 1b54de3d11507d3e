#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/design/design_entry_names.h"
#include "cli/number_text_cache.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/check/design_limits.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/design_record.h"

namespace pfc {

// The tables a batch designs with, loaded once and only read by the rows.
struct DesignTables {
  const CoreCatalogue& catalogue;
  const WireTable& wires;
  const DesignRecord& loaded;  // the record as loading leaves it, before any run
};

// The ending of a row that never ran: broken quoting, the wrong number of fields, or a
// cell its option refuses (a unit not in the list, a part number not in the catalogue).
inline constexpr const char* kBadRowEnding = "bad-row";

// The columns of a batch: the input's, each named by an option of `design`, then "ending",
// "message", the summary texts under their design --json keys, the record's numbers under
// its keys and, with the check, its key figures under their check --json names.
class BatchLayout {
 public:
  // From the input's header, judged against a command made with AddDesignOptions (whose
  // option checks the cells then go through). Nothing when a name is unknown or repeated;
  // refusal says which.
  static std::optional<BatchLayout> FromHeader(const std::vector<std::string>& header,
                                               CLI::App& design, std::string& refusal);

  // Adds the operating check's key figures and verdicts after the record's numbers (batch
  // --check): the check of every published design with this grade (kDefaultRolloffGrade: the
  // one that matches each design's core), wound in `strands` strands of its wire, judged by
  // the limits.
  void AddCheckColumns(int grade, const DesignLimits& limits, double strands = 1) {
    checkGrade_ = grade;
    limits_ = limits;
    strands_ = strands;
  }

  // The output's header line, ending in CR LF.
  std::string HeaderLine() const;

  // Appends the output line of one input record; true when its design was published.
  // Safe to call from several threads at once, each with its own number cache.
  bool AppendRow(const CsvRecord& input, const DesignTables& tables, NumberTextCache& numbers,
                 std::string& out) const;

 private:
  struct Column {
    std::string name;
    const DesignEntryName* entry;
    EntryOptionChecks checks;
  };

  bool AppendBadRow(const CsvRecord& input, const std::string& why, std::string& out) const;

  std::vector<Column> columns_;
  std::optional<int> checkGrade_;
  DesignLimits limits_;
  double strands_ = 1;
};

}  // namespace pfc
