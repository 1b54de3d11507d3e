#include "engine/catalogue/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "reports/csv/csv_field.h"

namespace pfc {
namespace {

struct Read {
  std::vector<std::string> fields;
  std::uint64_t line;
  bool wellFormed;
};

bool operator==(const Read& a, const Read& b) {
  return a.fields == b.fields && a.line == b.line && a.wellFormed == b.wellFormed;
}

void PrintTo(const Read& r, std::ostream* os) {
  *os << "line " << r.line << (r.wellFormed ? "" : " (broken)") << ":";
  for (const std::string& field : r.fields)
    *os << " [" << field << "]";
}

std::vector<Read> ReadAll(const std::string& text, std::size_t maxRecordBytes = 1 << 20) {
  std::istringstream in(text);
  CsvReader reader(in, maxRecordBytes);
  std::vector<Read> records;
  CsvRecord record;
  while (reader.Next(record))
    records.push_back(Read{record.fields, record.line, record.problem.empty()});
  return records;
}

struct ReaderCase {
  const char* label;
  std::string text;
  std::vector<Read> records;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
  *os << c.label;
}

class CsvReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReaderTest, ReadsTheRecords) {
  EXPECT_EQ(ReadAll(GetParam().text), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvReaderTest,
    ::testing::ValuesIn(std::vector<ReaderCase>{
        {"nothing", "", {}},
        {"only line breaks", "\r\n\n\r\n", {}},
        {"LF lines", "a,b\n1,2\n", {{{"a", "b"}, 1, true}, {{"1", "2"}, 2, true}}},
        {"CR LF lines, the last without a break",
         "a,b\r\n1,2",
         {{{"a", "b"}, 1, true}, {{"1", "2"}, 2, true}}},
        {"empty fields", ",x,\n,\n", {{{"", "x", ""}, 1, true}, {{"", ""}, 2, true}}},
        {"empty lines between records are none",
         "a\n\n\r\nb\n",
         {{{"a"}, 1, true}, {{"b"}, 4, true}}},
        {"blanks belong to the field", " a , b \n", {{{" a ", " b "}, 1, true}}},
        {"a byte-order mark before the header",
         "\xEF\xBB\xBFvout\n1\n",
         {{{"vout"}, 1, true}, {{"1"}, 2, true}}},
        {"quoted commas, quotes and line breaks",
         "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\nnext\n",
         {{{"a,b", "say \"hi\"", "two\r\nlines"}, 1, true}, {{"next"}, 3, true}}},
        {"an empty quoted field", "\"\",\"\"\"\"\n", {{{"", "\""}, 1, true}}},
        {"a CR inside an unquoted field", "a\rb,c\n", {{{"a\rb", "c"}, 1, true}}},
        {"a quote inside an unquoted field",
         "ab\"c,d\nok\n",
         {{{"ab\"c", "d"}, 1, false}, {{"ok"}, 2, true}}},
        {"text after the closing quote",
         "\"ab\"c,d\nok\n",
         {{{"abc", "d"}, 1, false}, {{"ok"}, 2, true}}},
        {"a quote closed before a CR LF", "\"a\"\r\nb\n", {{{"a"}, 1, true}, {{"b"}, 2, true}}},
        {"a quote not closed by the end",
         "a\n\"b,c\nd\n",
         {{{"a"}, 1, true}, {{"b,c\nd\n"}, 2, false}}},
    }));

TEST(CsvReader, ARecordLongerThanTheLimitIsCutAndReadingGoesOnAtTheNextLine) {
  const std::vector<Read> records = ReadAll("ok\n\"" + std::string(100, 'x') + "\nnext\n", 50);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_TRUE(records[0].wellFormed);
  EXPECT_FALSE(records[1].wellFormed);
  EXPECT_LE(records[1].fields[0].size(), 50u);
  EXPECT_EQ(records[2], (Read{{"next"}, 3, true}));
}

// An input without line ends, such as a device that never ends, is reported as soon as the
// record passes the limit, not once the line is over.
TEST(CsvReader, AnOverlongRecordIsReportedBeforeTheRestOfItsLineIsRead) {
  const std::string endless(8 * 1024 * 1024, '\0');
  std::istringstream in(endless + "\nnext\n");
  CsvReader reader(in, 1000);
  CsvRecord record;
  ASSERT_TRUE(reader.Next(record));
  EXPECT_FALSE(record.problem.empty());
  EXPECT_LT(reader.bytesRead(), 1024u * 1024u);
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record.fields, std::vector<std::string>{"next"});
  EXPECT_EQ(record.line, 2u);
}

TEST(CsvReader, FieldsAcrossTheReadBufferStayWhole) {
  const std::string longField(200000, 'v');
  const std::vector<Read> records =
      ReadAll("a," + longField + "\n\"" + longField + "\r\n\",z\nlast");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", longField}));
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{longField + "\r\n", "z"}));
  EXPECT_EQ(records[2], (Read{{"last"}, 4, true}));
}

// What the writer writes, the reader reads back as the same texts.
TEST(CsvReader, ReadsBackWhatTheWriterWrites) {
  const std::vector<std::string> texts = {"",      "plain", " blanks ",    "a,b",        "\"",
                                          "\"\"",  "x\"y",  "line\nbreak", "cr\rlf\r\n", ",",
                                          "°C µH", "end\"", "\"start"};
  std::string line;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0)
      line.push_back(',');
    AppendCsvField(line, texts[i]);
  }
  line.append("\r\n");
  const std::vector<Read> records = ReadAll(line + line);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, texts);
  EXPECT_TRUE(records[0].wellFormed);
  EXPECT_EQ(records[1].fields, texts);
}

}  // namespace
}  // namespace pfc
