#include "engine/record/quoted_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pfc {
namespace {

struct ExcerptCase {
  const char* name;
  std::string text;
  std::string quoted;
};

TEST(QuotedExcerpt, QuotesShortTextsWholeAndCutsLongOnesBetweenCharacters) {
  const std::string forty(40, 'x');
  const std::string thirtyEight(38, 'x');
  const std::string thirtyNine(39, 'x');
  const ExcerptCase cases[] = {
      {"empty", "", "\"\""},
      {"forty bytes", forty, "\"" + forty + "\""},
      {"one byte more", forty + "y", "\"" + forty + "…\""},
      // "é" takes bytes 39 and 40: the cut falls before it, not between its bytes.
      {"a character across the cut", thirtyNine + "é" + "z", "\"" + thirtyNine + "…\""},
      {"a character ending at the cut", thirtyEight + "é" + "z", "\"" + thirtyEight + "é…\""},
      // A bare CR would send the terminal's cursor back over the message.
      {"line ends and a tab", "a\r\nb\tc", R"("a\r\nb\tc")"},
  };
  for (const ExcerptCase& c : cases)
    EXPECT_EQ(QuotedExcerpt(c.text), c.quoted) << c.name;
}

}  // namespace
}  // namespace pfc
