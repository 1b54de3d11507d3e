#include "cli/batch/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/design/design_options.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

// Rows that differ from their neighbours in every way a row can: power, line voltage,
// stack, a picked core now and then, a rejected entry and a broken row among them.
std::string VariedRows(int count) {
  std::string text = "output-power,vin-min,stack,pick,efficiency\n";
  for (int i = 0; i < count; ++i) {
    if (i % 997 == 500) {
      text += "1000,85\n";  // too few fields
      continue;
    }
    text += std::to_string(100 + (i * 37) % 3000) + "," + std::to_string(80 + i % 23) + "," +
            std::to_string(1 + i % 3) + ",";
    if (i % 11 == 0)
      text += "TD-" + std::to_string(10 + i % 22);
    text += i % 101 == 7 ? ",9x5\n" : ",95\n";
  }
  return text;
}

struct Pool {
  const char* label;
  int workers;
  bool check;
};

void PrintTo(const Pool& pool, std::ostream* os) {
  *os << pool.label;
}

class BatchRunOrder : public ::testing::TestWithParam<Pool> {
 protected:
  // The output lines of every row, each designed in turn on this thread.
  std::string OneByOne(const std::string& input, const BatchLayout& layout) {
    std::istringstream in(input);
    CsvReader reader(in);
    CsvRecord record;
    reader.Next(record);
    NumberTextCache numbers;
    std::string lines;
    while (reader.Next(record))
      layout.AppendRow(record, Tables(), numbers, lines);
    return lines;
  }

  BatchLayout Layout(const std::string& input) {
    AddDesignOptions(design_, options_, tables_.catalogue, true);
    std::istringstream in(input);
    CsvReader reader(in);
    CsvRecord header;
    reader.Next(header);
    std::string refusal;
    BatchLayout layout = *BatchLayout::FromHeader(header.fields, design_, refusal);
    if (GetParam().check)
      layout.AddCheckColumns(90, DesignLimits{});
    return layout;
  }

  DesignTables Tables() const { return {tables_.catalogue, tables_.wires, tables_.record}; }

  LoadedTables tables_;
  CLI::App design_;
  DesignOptions options_;
};

TEST_P(BatchRunOrder, GivesWhatOneRowAfterAnotherGivesInInputOrder) {
  constexpr int kRows = 10000;  // about twenty blocks, several rounds of those in flight
  const std::string input = VariedRows(kRows);
  const BatchLayout layout = Layout(input);

  std::istringstream in(input);
  CsvReader reader(in);
  CsvRecord header;
  reader.Next(header);
  std::string pooled;
  std::uint64_t lastBytesRead = 0;
  const BatchTotals totals = RunBatchRows(
      reader, layout, Tables(),
      [&pooled](std::string_view lines) {
        pooled.append(lines);
        return true;
      },
      [&lastBytesRead](const BatchTotals& progress) {
        EXPECT_GE(progress.bytesRead, lastBytesRead) << "progress never goes back";
        lastBytesRead = progress.bytesRead;
      },
      GetParam().workers);

  EXPECT_EQ(totals.rows, static_cast<std::uint64_t>(kRows));
  EXPECT_LT(totals.published, totals.rows);
  EXPECT_GT(totals.published, totals.rows / 2);
  EXPECT_EQ(lastBytesRead, input.size());
  // One comparison of the whole text: a lost, repeated or swapped row shows as a difference.
  const std::string expected = OneByOne(input, layout);
  ASSERT_EQ(pooled.size(), expected.size());
  EXPECT_TRUE(pooled == expected)
      << "first difference at byte "
      << std::mismatch(pooled.begin(), pooled.end(), expected.begin()).first - pooled.begin();
}

INSTANTIATE_TEST_SUITE_P(Pools, BatchRunOrder,
                         ::testing::Values(Pool{"two workers with the check", 2, true},
                                           Pool{"more workers than cores", 5, false},
                                           Pool{"the calling thread alone", 1, false}));

TEST(BatchRunStop, ASinkThatRefusesStopsTheBatchAfterThatBlock) {
  LoadedTables tables;
  CLI::App design;
  DesignOptions options;
  AddDesignOptions(design, options, tables.catalogue, true);
  const std::string input = VariedRows(3000);
  std::istringstream in(input);
  CsvReader reader(in);
  CsvRecord header;
  reader.Next(header);
  std::string refusal;
  const BatchLayout layout = *BatchLayout::FromHeader(header.fields, design, refusal);
  int calls = 0;
  const BatchTotals totals = RunBatchRows(
      reader, layout, {tables.catalogue, tables.wires, tables.record},
      [&calls](std::string_view) { return ++calls < 2; }, nullptr, 2);
  EXPECT_TRUE(totals.stopped);
  EXPECT_EQ(calls, 2) << "nothing more is handed over once refused";
  EXPECT_LT(totals.rows, 3000u);
}

}  // namespace
}  // namespace pfc
