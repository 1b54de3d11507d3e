#include "reports/summary/report_document.h"

#include <gtest/gtest.h>

#include "reports/summary/report_writer.h"
#include "tests/reports/latin1_bytes.h"
#include "tests/reports/report_fixtures.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

using test::ExpectedDocument;
using test::FirstDifference;
using test::Latin1Bytes;

const ReportContact kContact{"+1 555 0100", "help@example.test"};

std::vector<std::pair<std::string, std::string>> FilledWith(const ReportContact& contact) {
  return {{"{support telephone}", contact.telephone}, {"{support e-mail}", contact.email}};
}

struct DocumentCase {
  const char* name;
  void (*design)(ResultSummary&, DesignRecord&);
  ReportImages images;
  const char* expectedFile;
};

void PrintTo(const DocumentCase& c, std::ostream* out) {
  *out << c.name;
}

class ReportDocument : public ::testing::TestWithParam<DocumentCase> {
 protected:
  void SetUp() override { GetParam().design(summary, record); }
  ResultSummary summary;
  DesignRecord record;
};

TEST_P(ReportDocument, MatchesTheHandWrittenDocument) {
  const std::string expected = ExpectedDocument(GetParam().expectedFile, FilledWith(kContact));
  const std::string document = BuildReportDocument(summary, record, GetParam().images, kContact);
  EXPECT_EQ(document, expected) << FirstDifference(expected, document);
  EXPECT_EQ(document.find('\n'), std::string::npos) << "the report is one line";
}

TEST_P(ReportDocument, FileBytesAreTheDocumentInWindows1252WithTheMakersContact) {
  const std::string expected =
      Latin1Bytes(ExpectedDocument(GetParam().expectedFile, FilledWith(test::MakersContact())));
  const std::string bytes = ReportBytes(summary, record, GetParam().images);
  EXPECT_EQ(bytes, expected) << FirstDifference(expected, bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ReportDocument,
    ::testing::Values(DocumentCase{"DefaultDesign", test::DefaultDesign,
                                   ReportImages{"file:///opt/pfc/bin/toridyne_logo.gif",
                                                "file:///opt/pfc/bin/gapcore.gif"},
                                   "reports/expected/default_design.htm"},
                      DocumentCase{"TwoStackedDesignerPicksWithoutImages",
                                   test::TwoStackedDesignerPicks, ReportImages{},
                                   "reports/expected/two_stacked_designer_picks.htm"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportBytes, DegreeAndMicroAreSingleBytes) {
  ResultSummary summary;
  DesignRecord record;
  test::TwoStackedDesignerPicks(summary, record);
  const std::string bytes = ReportBytes(summary, record, {});
  EXPECT_NE(bytes.find(">\xB0"
                       "C</font>"),
            std::string::npos);
  EXPECT_NE(bytes.find(">\xB5H</font>"), std::string::npos);
  EXPECT_NE(bytes.find("'> > 155\xB0"
                       "C</font></td></tr></table>"),
            std::string::npos)
      << "the total-temperature text goes in raw, '>' included";
  EXPECT_EQ(bytes.find('\xC2'), std::string::npos) << "no UTF-8 lead byte may remain";
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\xB0'), 3);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\xB5'), 2);
}

TEST(ReportBytes, TextsOutsideTheCodePageBecomeReferencesNotGarbage) {
  ResultSummary summary;
  DesignRecord record;
  test::TwoStackedDesignerPicks(summary, record);
  summary.txtcore = "Ω-core";
  summary.txtOutCoreSize =
      "TD-\xFF"
      "09";  // not UTF-8 at all
  const std::string bytes = ReportBytes(summary, record, {});
  EXPECT_NE(bytes.find("'>&#937;-core</font>"), std::string::npos);
  EXPECT_NE(bytes.find("Designer TD-&#65533;09 - Stacked by 2 </font>"), std::string::npos);
  EXPECT_NE(bytes.find("'>TD-&#65533;09 * 2</font>"), std::string::npos);
}

// The big heading of the selected-core section: who chose, the part and the stack.
TEST(ReportDocument, HeadingNamesWhoChoseAndTheStack) {
  struct Case {
    std::int16_t calcType;
    std::int16_t cores;
    const char* part;
    const char* heading;
    const char* lastInputCell;
  };
  const Case cases[] = {
      {CalcSelects, 1, "TD-26", "Core size selected by Program  TD-26", "Calculated"},
      {CalcSelects, 2, "TD-07", "Core size selected by Program  TD-07 - Stacked by 2 ",
       "Calculated"},
      {DesignerPicks, 1, "TD-31", "Core size selected by Designer TD-31", ""},
      {DesignerPicks, 9, "TD-01", "Core size selected by Designer TD-01 - Stacked by 9 ", ""},
  };
  for (const Case& c : cases) {
    ResultSummary summary;
    summary.txtOutCoreSize = c.part;
    DesignRecord record;
    record.CalcType = c.calcType;
    record.CoresToStack = c.cores;
    const std::string document = BuildReportDocument(summary, record, {}, kContact);
    const std::string big = "font-size:16px;color:maroon;font-weight:bold'>";
    const std::size_t start = document.find(big) + big.size();
    EXPECT_EQ(document.substr(start, document.find("</font>", start) - start), c.heading);
    const std::string lastInput =
        std::string("'>") + c.lastInputCell + "</font></td></tr></table><br><br><hr width=650><br>";
    EXPECT_NE(document.find(lastInput), std::string::npos) << c.heading;
    EXPECT_NE(
        document.find(std::string("'>") + c.part + " * " + std::to_string(c.cores) + "</font>"),
        std::string::npos);
  }
}

}  // namespace
}  // namespace pfc
