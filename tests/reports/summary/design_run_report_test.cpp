#include <gtest/gtest.h>

#include "engine/catalogue/catalogue.h"
#include "engine/method/design_run.h"
#include "reports/summary/listing.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"
#include "tests/reports/latin1_bytes.h"
#include "tests/reports/report_fixtures.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

// A published run of the form's default entries, as the summary window then shows it.
class DefaultRun : public ::testing::Test {
 protected:
  DefaultRun() {
    DataLoad(wires);
    ArrayData_PFC_Load(catalogue, record);
    record.CalcType = CalcSelects;  // the form opens in this mode
    outcome = RunDesign(EntryTexts{}, record, catalogue, wires);
    summary = PublishedSummary(record);
  }
  CoreCatalogue catalogue;
  WireTable wires;
  DesignRecord record;
  RunOutcome outcome;
  ResultSummary summary;
};

TEST_F(DefaultRun, ReportIsTheHandWrittenDefaultReport) {
  ASSERT_EQ(outcome.ending, RunEnding::Published) << outcome.check;
  const ReportContact contact = test::MakersContact();
  const std::string expected = test::Latin1Bytes(test::ExpectedDocument(
      "reports/expected/default_design.htm",
      {{"{support telephone}", contact.telephone}, {"{support e-mail}", contact.email}}));
  const std::string bytes = ReportBytes(
      summary, record,
      ReportImages{"file:///opt/pfc/bin/toridyne_logo.gif", "file:///opt/pfc/bin/gapcore.gif"});
  EXPECT_EQ(bytes, expected) << test::FirstDifference(expected, bytes);
}

TEST_F(DefaultRun, ListingShowsTheAcceptedCore) {
  ASSERT_EQ(outcome.ending, RunEnding::Published) << outcome.check;
  const auto lines = BuildListing(record);
  auto value = [&](const char* id) {
    for (const ListingLine& line : lines) {
      if (line.line == id)
        return line.value;
    }
    return std::string("no line ") + id;
  };
  EXPECT_EQ(value("A2"), "0.299");
  EXPECT_EQ(lines[1].colour, ListingColour::Black);
  EXPECT_EQ(value("A7"), "4.67 cm");
  EXPECT_EQ(value("B1"), "224 nH/turn²");
  EXPECT_EQ(value("B4"), "156.8 nH/turn²");
  EXPECT_EQ(value("B5"), "31 turns");
  EXPECT_EQ(value("B9"), "12 AWG");
  EXPECT_EQ(value("B13"), "70 °C");
  EXPECT_EQ(value("C6"), "120.19 Volts");
  EXPECT_EQ(value("C12"), "3.56 W");
}

}  // namespace
}  // namespace pfc
