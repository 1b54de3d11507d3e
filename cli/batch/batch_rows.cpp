#include "cli/batch/batch_rows.h"

#include <cmath>
#include <type_traits>

#include "cli/batch/batch_check_columns.h"
#include "cli/design/design_json.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"
#include "engine/record/number_text.h"
#include "engine/record/quoted_text.h"
#include "reports/csv/csv_field.h"
#include "reports/summary/summary_texts.h"

namespace pfc {
namespace {

// The record's numbers: every field but the texts.
template <typename Visitor>
void VisitRecordNumbers(const DesignRecord& record, Visitor&& visit) {
  VisitRecordFields(record, [&visit](const char* name, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    if constexpr (!std::is_same_v<T, std::string>)
      visit(name, field);
  });
}

std::size_t SummaryColumnCount() {
  std::size_t count = 0;
  VisitSummaryJsonTexts(ResultSummary{}, [&count](const char*, std::string_view) { ++count; });
  return count;
}

std::size_t RecordColumnCount() {
  std::size_t count = 0;
  VisitRecordNumbers(DesignRecord{}, [&count](const char*, auto) { ++count; });
  return count;
}

void AppendNumber(std::string& line, NumberTextCache& numbers, double value) {
  // A value past what a double holds exists only in a rejected run; no number is written.
  if (std::isfinite(value))
    numbers.AppendShortest(line, value);
}

void AppendNumber(std::string& line, NumberTextCache&, std::int16_t value) {
  line.append(std::to_string(value));
}

void AppendEmptyFields(std::string& line, std::size_t count) {
  line.append(count, ',');
}

}  // namespace

std::optional<BatchLayout> BatchLayout::FromHeader(const std::vector<std::string>& header,
                                                   CLI::App& design, std::string& refusal) {
  BatchLayout layout;
  for (const std::string& name : header) {
    const DesignEntryName* entry = FindDesignEntryName(name);
    if (entry == nullptr) {
      refusal =
          "unknown column " + QuotedExcerpt(name) + "; columns are named by the options of design:";
      for (const DesignEntryName& known : DesignEntryNames())
        refusal.append(" ").append(known.name);
      return std::nullopt;
    }
    for (const Column& column : layout.columns_) {
      if (column.entry == entry) {
        refusal = "the column " + QuotedExcerpt(name) + " is named twice";
        return std::nullopt;
      }
    }
    layout.columns_.push_back(Column{name, entry, EntryOptionChecks(design, *entry)});
  }
  return layout;
}

std::string BatchLayout::HeaderLine() const {
  std::string line;
  for (const Column& column : columns_) {
    AppendCsvField(line, column.name);
    line.push_back(',');
  }
  line.append("ending,message");
  VisitSummaryJsonTexts(ResultSummary{}, [&line](const char* key, std::string_view) {
    line.push_back(',');
    line.append(key);
  });
  VisitRecordNumbers(DesignRecord{}, [&line](const char* key, auto) {
    line.push_back(',');
    line.append(key);
  });
  if (checkGrade_)
    AppendCheckColumnNames(limits_, line);
  line.append(kCsvLineEnd);
  return line;
}

bool BatchLayout::AppendBadRow(const CsvRecord& input, const std::string& why,
                               std::string& out) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i < input.fields.size())
      AppendCsvField(out, input.fields[i]);
    out.push_back(',');
  }
  out.append(kBadRowEnding).push_back(',');
  AppendCsvField(out, "line " + std::to_string(input.line) + ": " + why);
  static const std::size_t kResultColumns = SummaryColumnCount() + RecordColumnCount();
  AppendEmptyFields(out, kResultColumns);
  if (checkGrade_)
    AppendEmptyCheckCells(limits_, out);
  out.append(kCsvLineEnd);
  return false;
}

bool BatchLayout::AppendRow(const CsvRecord& input, const DesignTables& tables,
                            NumberTextCache& numbers, std::string& out) const {
  if (!input.problem.empty())
    return AppendBadRow(input, input.problem, out);
  if (input.fields.size() != columns_.size()) {
    const std::size_t count = input.fields.size();
    return AppendBadRow(input,
                        std::to_string(count) + (count == 1 ? " field" : " fields") +
                            " where the header has " + std::to_string(columns_.size()),
                        out);
  }
  DesignOptions options;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const Column& column = columns_[i];
    const std::string& text = input.fields[i];
    // An empty pick lets the calculator select, as leaving out --pick does.
    if (column.entry->text != nullptr || !text.empty()) {
      const std::string refusal = column.checks.Refusal(text);
      if (!refusal.empty())
        return AppendBadRow(input, refusal, out);
    }
    SetDesignEntry(*column.entry, text, options);
  }

  DesignRecord record = tables.loaded;
  const EntryTexts entries = FormEntries(options, tables.catalogue, record);
  const RunOutcome outcome = RunDesign(entries, record, tables.catalogue, tables.wires, '.');
  const bool published = outcome.ending == RunEnding::Published;
  const ResultSummary summary = published ? PublishedSummary(record, '.') : ResultSummary{};

  for (const std::string& field : input.fields) {
    AppendCsvField(out, field);
    out.push_back(',');
  }
  out.append(RunEndingName(outcome.ending)).push_back(',');
  if (!outcome.messages.empty())
    AppendCsvField(out, outcome.messages.front().text);
  VisitSummaryJsonTexts(summary, [&out, published](const char*, std::string_view text) {
    out.push_back(',');
    if (published)
      AppendCsvField(out, text);
  });
  VisitRecordNumbers(record, [&out, &numbers](const char*, auto value) {
    out.push_back(',');
    AppendNumber(out, numbers, value);
  });
  if (checkGrade_) {
    // The method's turns and wire in the strands asked for; a winding the window does not
    // take has no check.
    const bool wound =
        published &&
        (strands_ == 1 ||
         ApplyWinding(record, tables.wires, {std::nullopt, std::nullopt, strands_}).Wound());
    if (wound)
      AppendCheckCells(CheckOperation(record, GradeMaterialFor(record, *checkGrade_),
                                      limits_.alTolerancePercent),
                       limits_, out);
    else
      AppendEmptyCheckCells(limits_, out);
  }
  out.append(kCsvLineEnd);
  return published;
}

}  // namespace pfc
