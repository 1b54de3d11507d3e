#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/catalogue/csv_reader.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

struct Table {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;

  std::string Cell(std::size_t row, const std::string& column) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
      if (header[i] == column)
        return rows.at(row).at(i);
    }
    ADD_FAILURE() << "no column " << column;
    return {};
  }
};

Table ParseCsv(const std::string& text) {
  std::istringstream in(text);
  CsvReader reader(in);
  CsvRecord record;
  Table table;
  if (reader.Next(record))
    table.header = record.fields;
  while (reader.Next(record)) {
    EXPECT_EQ(record.problem, "") << "output line " << record.line;
    EXPECT_EQ(record.fields.size(), table.header.size()) << "output line " << record.line;
    table.rows.push_back(record.fields);
  }
  return table;
}

class BatchCommand : public ::testing::Test {
 protected:
  CliResult Batch(const std::string& input, std::vector<std::string> options = {}) {
    WriteFile(folder.Path() / "in.csv", input);
    options.insert(options.begin(), {"batch", InputPath()});
    return RunCli(options);
  }
  std::string InputPath() const { return (folder.Path() / "in.csv").string(); }

  ScratchFolder folder;
};

using Options = std::vector<std::pair<std::string, std::string>>;

nlohmann::ordered_json DesignJson(const Options& options) {
  std::vector<std::string> args = {"design", "--json"};
  for (const auto& [name, value] : options) {
    if (name == "pick" && value.empty())
      continue;
    args.push_back("--" + name);
    args.push_back(value);
  }
  return nlohmann::ordered_json::parse(RunCli(args).out);
}

// The row's results, checked against design --json with the same options: the same
// ending and first message, the summary texts when published, every record number bit for
// bit. The output's result columns are the keys of design --json, in its order.
void ExpectRowIsTheDesignRun(const Table& table, std::size_t row, const Options& options) {
  SCOPED_TRACE("row " + std::to_string(row));
  const nlohmann::ordered_json json = DesignJson(options);
  EXPECT_EQ(table.Cell(row, "ending"), json["ending"]);
  EXPECT_EQ(table.Cell(row, "message"),
            json["messages"].empty() ? "" : json["messages"][0]["text"].get<std::string>());
  const bool published = json["ending"] == "published";
  const nlohmann::ordered_json summaryKeys = DesignJson({})["summary"];
  for (const auto& [key, text] : summaryKeys.items())
    EXPECT_EQ(table.Cell(row, key), published ? json["summary"][key] : "") << key;
  for (const auto& [key, value] : json["record"].items()) {
    if (!value.is_number())
      continue;
    const std::string cell = table.Cell(row, key);
    EXPECT_EQ(std::strtod(cell.c_str(), nullptr), value.get<double>()) << key << " " << cell;
  }
}

const std::vector<Options> kRows = {
    {{"frequency", "100000"}, {"output-power", "1500"}, {"stack", "1"}, {"pick", ""}},
    {{"frequency", "100000"}, {"output-power", "1000"}, {"stack", "2"}, {"pick", ""}},
    {{"frequency", "100"}, {"output-power", "1.2"}, {"stack", ""}, {"pick", ""}},
    {{"frequency", "100000"}, {"output-power", "800"}, {"stack", "1"}, {"pick", "TD-26"}},
    {{"frequency", "20000"}, {"output-power", "100"}, {"stack", "1"}, {"pick", ""}},
    {{"frequency", "100000"}, {"output-power", "500"}, {"stack", "1"}, {"pick", ""}},
    {{"frequency", "100000"}, {"output-power", "4999"}, {"stack", "1"}, {"pick", "TD-01"}},
    {{"frequency", "1e5"}, {"output-power", "1500"}, {"stack", "1"}, {"pick", ""}},
};

TEST_F(BatchCommand, EachRowIsTheDesignRunOfItsOptions) {
  // Units and voltages that differ per row come in the columns of the first rows.
  std::string input = "frequency,output-power,stack,pick,frequency-unit,output-power-unit,vout\n";
  std::vector<Options> rows = kRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool kilo = i == 2;
    const bool belowPeak = i == 5;
    rows[i].push_back({"frequency-unit", kilo ? "kHz" : "Hz"});
    rows[i].push_back({"output-power-unit", kilo ? "Kilo Watts" : "Watts"});
    rows[i].push_back({"vout", belowPeak ? "100" : "380"});
    for (std::size_t c = 0; c < rows[i].size(); ++c)
      input += (c > 0 ? "," : "") + rows[i][c].second;
    input += "\n";
  }
  const CliResult result = Batch(input);
  EXPECT_EQ(result.status, 1) << "the output below the line peak and 1e5 do not publish";
  EXPECT_EQ(result.err, "") << "no progress when standard error is not a terminal";
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    ExpectRowIsTheDesignRun(table, i, rows[i]);

  std::vector<std::string> expectedHeader = {"frequency", "output-power",   "stack",
                                             "pick",      "frequency-unit", "output-power-unit",
                                             "vout",      "ending",         "message"};
  const nlohmann::ordered_json json = DesignJson({});
  for (const auto& [key, value] : json["summary"].items())
    expectedHeader.push_back(key);
  for (const auto& [key, value] : json["record"].items()) {
    if (value.is_number())
      expectedHeader.push_back(key);
  }
  EXPECT_EQ(table.header, expectedHeader);
}

TEST_F(BatchCommand, AColumnLeftOutTakesTheFormsDefault) {
  const CliResult result = Batch("vout\r\n400\r\n");
  EXPECT_EQ(result.status, 0);
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), 1u);
  ExpectRowIsTheDesignRun(table, 0, {{"vout", "400"}});
}

TEST_F(BatchCommand, ABadRowGetsItsEndingAndMessageAndTheBatchGoesOn) {
  struct Row {
    const char* text;                 // as in the file
    const char* ending;               // expected
    const char* named;                // the message names it
    std::vector<std::string> echoed;  // the input columns of the output
  };
  const std::vector<Row> rows = {
      {"1000,Hz", "published", "", {"1000", "Hz"}},
      {"1000", "bad-row", "line 3", {"1000", ""}},
      {"1000,Hz,3", "bad-row", "line 4", {"1000", "Hz"}},
      {"1000,\"Hz\"x", "bad-row", "line 5", {"1000", "Hzx"}},
      {"1000,MHz", "bad-row", "MHz", {"1000", "MHz"}},
      {"\"1,000\",Hz", "rejected", "Output Power", {"1,000", "Hz"}},
      {"\"10\n00\",Hz", "rejected", "Output Power", {"10\n00", "Hz"}},
      {"1000,hz", "bad-row", "line 10", {"1000", "hz"}},
      {"1000,Hz", "published", "", {"1000", "Hz"}},
      {"1000,\"Hz", "bad-row", "line 12", {"1000", "Hz\n"}},
  };
  std::string input = "output-power,frequency-unit\n";
  for (const Row& row : rows)
    input += std::string(row.text) + "\n";
  const CliResult result = Batch(input);
  EXPECT_EQ(result.status, 1);
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].text);
    EXPECT_EQ(table.Cell(i, "ending"), rows[i].ending);
    EXPECT_NE(table.Cell(i, "message").find(rows[i].named), std::string::npos)
        << table.Cell(i, "message");
    EXPECT_EQ(std::vector<std::string>(table.rows[i].begin(), table.rows[i].begin() + 2),
              rows[i].echoed);
    if (table.Cell(i, "ending") == "bad-row") {
      EXPECT_EQ(table.Cell(i, "TotalLoss"), "") << "a row that never ran has no numbers";
    }
  }
}

TEST_F(BatchCommand, ARowTooLongForAnyDesignIsCutAndReported) {
  const CliResult result = Batch("vout\n\"" + std::string(200000, '4') + "\"\n400\n");
  EXPECT_EQ(result.status, 1);
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.Cell(0, "ending"), "bad-row");
  EXPECT_LT(result.out.size(), 100000u) << "the row is not echoed whole";
  EXPECT_EQ(table.Cell(1, "ending"), "published");
}

// The cell a check --json value gives at the column's path ("low_line.at_ipk.l_uh"): empty
// where the path meets null (a figure that does not exist, a group or line without any),
// "true" or "false" for a flag; numbers are compared by value.
void ExpectCheckCell(const std::string& cell, const nlohmann::ordered_json& check,
                     const std::string& column) {
  const nlohmann::ordered_json* at = &check;
  for (std::size_t start = 0; at->is_object();) {
    const std::size_t dot = column.find('.', start);
    at = &(*at)[column.substr(start, dot - start)];
    if (dot == std::string::npos)
      break;
    start = dot + 1;
  }
  if (at->is_null())
    EXPECT_EQ(cell, "") << column;
  else if (at->is_boolean())
    EXPECT_EQ(cell, at->get<bool>() ? "true" : "false") << column;
  else
    EXPECT_EQ(std::strtod(cell.c_str(), nullptr), at->get<double>()) << column << " " << cell;
}

// The key figures of a line of check --json, flattened to column names: every member but the
// angle rows, a group's members after its name.
void FlattenLine(const nlohmann::ordered_json& figures, const std::string& prefix,
                 std::vector<std::string>& names) {
  for (const auto& [key, value] : figures.items()) {
    if (key == "angles")
      continue;
    if (value.is_object())
      FlattenLine(value, prefix + key + ".", names);
    else
      names.push_back(prefix + key);
  }
}

TEST_F(BatchCommand, CheckColumnsAreTheKeyFiguresOfCheckJson) {
  const std::vector<Options> rows = {
      {{"output-power", "1500"}, {"frequency", "100000"}, {"vin-max", "264"}, {"pick", ""}},
      {{"output-power", "600"}, {"frequency", "20000"}, {"vin-max", "230"}, {"pick", "TD-26"}},
      // Both lines saturate the core; no high line at 0 V.
      {{"output-power", "1500"}, {"frequency", "0.001"}, {"vin-max", "0"}, {"pick", "TD-26"}},
      {{"output-power", "15x"}, {"frequency", "100000"}, {"vin-max", "264"}, {"pick", ""}},
      {{"output-power", "50"}, {"frequency", "100000"}, {"vin-max", "264"}, {"pick", ""}},
  };
  std::string input = "output-power,frequency,vin-max,pick\n";
  for (const Options& row : rows)
    input += row[0].second + "," + row[1].second + "," + row[2].second + "," + row[3].second + "\n";
  input += "1000,100000,264,TD-99\n";  // a part number that does not exist: a bad row
  // The limits, the worst-case core's figures and the verdicts they give are check's too.
  const std::vector<std::string> limits = {"--al-tolerance", "8", "--ripple-limit", "20"};
  std::vector<std::string> options = {"--check", "--grade", "26"};
  options.insert(options.end(), limits.begin(), limits.end());
  const CliResult result = Batch(input, options);
  EXPECT_EQ(result.status, 1);
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), rows.size() + 1);

  std::vector<std::string> checkColumns;
  std::vector<std::string> defaultCheck = {"check", "--json"};
  defaultCheck.insert(defaultCheck.end(), limits.begin(), limits.end());
  const nlohmann::ordered_json checked = nlohmann::ordered_json::parse(RunCli(defaultCheck).out);
  for (const char* line : {"low_line", "high_line"})
    FlattenLine(checked[line], std::string(line) + ".", checkColumns);
  FlattenLine(checked["verdicts"], "verdicts.", checkColumns);
  ASSERT_GE(table.header.size(), checkColumns.size());
  EXPECT_EQ(std::vector<std::string>(table.header.end() - static_cast<long>(checkColumns.size()),
                                     table.header.end()),
            checkColumns)
      << "the check's columns come last";

  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    std::vector<std::string> args = {"check", "--json", "--grade", "26"};
    args.insert(args.end(), limits.begin(), limits.end());
    for (const auto& [name, value] : rows[i]) {
      if (!value.empty())
        args.insert(args.end(), {"--" + name, value});
    }
    const nlohmann::ordered_json check = nlohmann::ordered_json::parse(RunCli(args).out);
    EXPECT_EQ(table.Cell(i, "ending"), check["design"]["ending"]);
    for (const std::string& column : checkColumns)
      ExpectCheckCell(table.Cell(i, column), check, column);
  }
  EXPECT_EQ(table.Cell(rows.size(), "ending"), "bad-row");
  for (const std::string& column : checkColumns)
    EXPECT_EQ(table.Cell(rows.size(), column), "") << column;
}

// With --strands each published design is checked as check --strands checks it; one whose
// strands overfill the window has no check figures.
TEST_F(BatchCommand, StrandsWindEveryCheckedDesignAsCheckDoes) {
  const CliResult result = Batch("fill-factor\n.9\n.4\n", {"--check", "--strands", "2"});
  EXPECT_EQ(result.status, 0) << result.err;
  const Table table = ParseCsv(result.out);
  ASSERT_EQ(table.rows.size(), 2u);
  nlohmann::ordered_json check = nlohmann::ordered_json::parse(
      RunCli({"check", "--json", "--fill-factor", ".9", "--strands", "2"}).out);
  std::vector<std::string> columns;
  for (const char* line : {"low_line", "high_line"}) {
    check[line].erase("worst_case");  // none without an AL tolerance
    FlattenLine(check[line], std::string(line) + ".", columns);
  }
  for (const std::string& column : columns) {
    ExpectCheckCell(table.Cell(0, column), check, column);
    EXPECT_EQ(table.Cell(1, column), "") << column;
  }
  EXPECT_EQ(RunCli({"batch", InputPath(), "--strands", "2"}).status, 2)
      << "--strands needs --check";
}

struct UsageCase {
  const char* label;
  std::string input;  // the file's text; nullptr-like "<none>" for no file
  std::vector<std::string> options;
  const char* named;  // the message names it
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.label;
}

class BatchUsage : public BatchCommand, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(BatchUsage, IsRefusedWithStatusTwoAndNoRows) {
  const CliResult result = Batch(GetParam().input, GetParam().options);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchUsage,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {"an unknown column", "vout,freq\n1,2\n", {}, "\"freq\""},
        {"a column named twice", "vout,stack,vout\n1,2,3\n", {}, "\"vout\""},
        {"an option that is no column", "json\n1\n", {}, "\"json\""},
        {"an empty file", "", {}, "no header"},
        {"a header with broken quoting", "\"vout\"x\n1\n", {}, "header"},
        {"a grade that does not exist", "vout\n1\n", {"--check", "--grade", "61"}, "61"},
        {"a grade in words", "vout\n1\n", {"--check", "--grade", "sixty"}, "sixty"},
        {"a grade with decimals", "vout\n1\n", {"--check", "--grade", "60.0"}, "60.0"},
        {"a grade left out", "vout\n1\n", {"--check", "--grade"}, "--grade"},
        {"a grade without the check", "vout\n1\n", {"--grade", "60"}, "--check"},
    }));

TEST_F(BatchCommand, AnInputThatCannotBeReadIsAUsageError) {
  const CliResult missing = RunCli({"batch", (folder.Path() / "none.csv").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
  const CliResult folderGiven = RunCli({"batch", folder.Path().string()});
  EXPECT_EQ(folderGiven.status, 2);
  EXPECT_NE(folderGiven.err.find(folder.Path().string()), std::string::npos) << folderGiven.err;
}

TEST_F(BatchCommand, OutputFileHoldsTheSameRowsAndIsReplacedWhole) {
  const std::string input = "output-power\n1000\n900\n";
  const std::string printed = Batch(input).out;
  const std::string path = (folder.Path() / "out.csv").string();
  WriteFile(path, "old rows");
  const CliResult result = Batch(input, {"-o", path});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(ReadFile(path), printed);

  const std::string nowhere = (folder.Path() / "missing" / "out.csv").string();
  const CliResult failed = Batch(input, {"-o", nowhere});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find(nowhere), std::string::npos) << failed.err;
}

TEST_F(BatchCommand, AnOutputThatIsTheInputIsRefusedAndTheRowsKept) {
  const std::string input = "output-power\n1000\n";
  std::filesystem::create_symlink("in.csv", folder.Path() / "link.csv");
  for (const std::filesystem::path& output :
       {folder.Path() / "in.csv", folder.Path() / "." / "in.csv", folder.Path() / "link.csv"}) {
    const CliResult result = Batch(input, {"-o", output.string()});
    EXPECT_EQ(result.status, 2) << output;
    EXPECT_NE(result.err.find(output.string()), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(InputPath()), input) << output;
  }
}

}  // namespace
}  // namespace pfc
