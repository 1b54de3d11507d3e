#include "reports/csv/csv_field.h"

#include <gtest/gtest.h>

#include <string>

namespace pfc {
namespace {

struct FieldCase {
  const char* text;
  const char* field;
};

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const FieldCase cases[] = {
      {"TD-26", "TD-26"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"line\nfeed", "\"line\nfeed\""},
      {"carriage\rreturn", "\"carriage\rreturn\""},
      {"", ""},
  };
  for (const FieldCase& c : cases) {
    EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    // Appending keeps what the line already holds.
    std::string line = "x,";
    AppendCsvField(line, c.text);
    EXPECT_EQ(line, std::string("x,") + c.field) << c.text;
  }
}

}  // namespace
}  // namespace pfc
