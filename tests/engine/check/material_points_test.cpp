#include "engine/check/material_points.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

TEST(RolloffPoints, ReadsTheFieldInEitherUnitAndTheColumnsInEitherOrder) {
  const std::string text = "\xEF\xBB\xBF Percent ,H\r\n97,10\r\n\r\n91, 2e1\r\n78,40\r\n";
  const PointsRead<RolloffPoint> oersted =
      RolloffPointsFromText(text, "points.csv", FieldUnit::Oersted);
  ASSERT_TRUE(oersted.read) << oersted.problem;
  ASSERT_EQ(oersted.points.size(), 3U);
  EXPECT_DOUBLE_EQ(oersted.points[1].field, 20 * 1000 / (4 * 3.14159265358979323846));
  EXPECT_EQ(oersted.points[1].percent, 91);
  EXPECT_EQ(oersted.points[1].line, 4U);
  const PointsRead<RolloffPoint> amperes =
      RolloffPointsFromText(text, "points.csv", FieldUnit::AmperesPerMetre);
  ASSERT_TRUE(amperes.read) << amperes.problem;
  EXPECT_EQ(amperes.points[2].field, 40);
}

// Points pasted from a spreadsheet are the points of the file with the same numbers, each
// named by its line of the pasted text.
struct Pasted {
  const char* label;
  std::string text;
  std::vector<std::uint64_t> lines;
};

void PrintTo(const Pasted& c, std::ostream* os) {
  *os << c.label;
}

class RolloffPointsPasted : public testing::TestWithParam<Pasted> {};

TEST_P(RolloffPointsPasted, AreTheFilesPoints) {
  const PointsRead<RolloffPoint> file =
      RolloffPointsFromText("h,percent\n20,97\n40,91.5\n80,70\n", "points.csv", FieldUnit::Oersted);
  ASSERT_TRUE(file.read) << file.problem;
  const PointsRead<RolloffPoint> pasted =
      RolloffPointsFromTable(GetParam().text, "Points", FieldUnit::Oersted);
  ASSERT_TRUE(pasted.read) << pasted.problem;
  ASSERT_EQ(pasted.points.size(), file.points.size());
  for (std::size_t i = 0; i < file.points.size(); ++i) {
    EXPECT_EQ(pasted.points[i].field, file.points[i].field);
    EXPECT_EQ(pasted.points[i].percent, file.points[i].percent);
    EXPECT_EQ(pasted.points[i].line, GetParam().lines[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RolloffPointsPasted,
    testing::ValuesIn(std::vector<Pasted>{
        {"tabs", "20\t97\n40\t91.5\n80\t70\n", {1, 2, 3}},
        {"commas and blanks", "20, 97\r\n40 ,91.5\r\n\r\n80,70", {1, 2, 4}},
        {"under headings", "H (Oe)\t% of initial\n20\t97\n40\t91.5\n80\t70\n", {2, 3, 4}},
    }),
    [](const testing::TestParamInfo<Pasted>& info) {
      std::string name = info.param.label;
      std::erase(name, ' ');
      return name;
    });

TEST(RolloffPoints, PastedAreRefusedAtTheirLineOfTheText) {
  for (const auto& [text, named] : std::vector<std::pair<std::string, std::string>>{
           {"20\t97\n40\t91\n", "Points: it holds 2 points"},
           {"20\t97\n40\t0\n60\t80\n", "Points, line 2, column 2 (percent)"},
           {"H\tpercent\n20\t97\n40\n60\t80\n", "Points, line 3, column 2 (percent)"},
           {"20\t97\nforty\t91\n60\t80\n", "Points, line 2, column 1 (h)"},
       }) {
    const PointsRead<RolloffPoint> read =
        RolloffPointsFromTable(text, "Points", FieldUnit::Oersted);
    EXPECT_FALSE(read.read) << text;
    EXPECT_EQ(read.problem.rfind(named, 0), 0U) << read.problem;
  }
}

TEST(LossPoints, TakesALossPerVolumeOverTheDensity) {
  const std::string perMass =
      "f_khz,b_mt,w_per_kg\n50,100,20\n50,200,80\n100,100,50\n"
      "100,200,190\n200,100,130\n200,200,470\n";
  const PointsRead<LossPoint> mass = LossPointsFromText(perMass, "loss.csv", std::nullopt);
  ASSERT_TRUE(mass.read) << mass.problem;
  ASSERT_EQ(mass.points.size(), 6U);
  EXPECT_EQ(mass.points[1].frequency, 50);
  EXPECT_DOUBLE_EQ(mass.points[1].fluxDensity, 0.2);
  EXPECT_EQ(mass.points[1].loss, 80);
  EXPECT_EQ(mass.points[1].line, 3U);

  std::string perVolume = "mw_per_cm3,B_mT,f_kHz\n";
  for (const LossPoint& point : mass.points) {
    perVolume += std::to_string(point.loss * 5) + "," + std::to_string(point.fluxDensity * 1000) +
                 "," + std::to_string(point.frequency) + "\n";
  }
  const PointsRead<LossPoint> volume = LossPointsFromText(perVolume, "loss.csv", 5.0);
  ASSERT_TRUE(volume.read) << volume.problem;
  for (std::size_t i = 0; i < mass.points.size(); ++i) {
    EXPECT_DOUBLE_EQ(volume.points[i].loss, mass.points[i].loss);
    EXPECT_DOUBLE_EQ(volume.points[i].fluxDensity, mass.points[i].fluxDensity);
  }
}

struct Refused {
  const char* label;
  std::string text;
  const char* named;  // what the problem must name: the line and column where they apply
};

void PrintTo(const Refused& c, std::ostream* os) {
  *os << c.label;
}

class RolloffPointsRefused : public testing::TestWithParam<Refused> {};

TEST_P(RolloffPointsRefused, NamesWhere) {
  const PointsRead<RolloffPoint> read =
      RolloffPointsFromText(GetParam().text, "points.csv", FieldUnit::Oersted);
  EXPECT_FALSE(read.read);
  EXPECT_TRUE(read.points.empty());
  EXPECT_EQ(read.problem.rfind("points.csv", 0), 0U) << read.problem;
  EXPECT_NE(read.problem.find(GetParam().named), std::string::npos) << read.problem;
}

const std::string kHeader = "h,percent\n";
const std::string kTwoPoints = kHeader + "20,97\n40,91\n";

INSTANTIATE_TEST_SUITE_P(
    Files, RolloffPointsRefused,
    testing::ValuesIn(std::vector<Refused>{
        {"empty", "", "empty"},
        {"blank", " \r\n\n", "empty"},
        {"binary", std::string("h,percent\n20,9\0", 15), "line 2: byte 5 of the line"},
        {"not UTF-8", kHeader + "20,97\n40,9\xFF\n60,80\n", "line 3: byte 5 of the line"},
        {"not CSV", "{\"h\": [20, 40, 60]}\n", "line 1: a double quote"},
        {"a letter", "Dear supplier,\n", "line 1, column 1: the header says \"Dear supplier\""},
        {"header only", kHeader, "0 points"},
        {"two points", kTwoPoints, "2 points; a fit needs at least 3"},
        {"no percent column", "h\n20\n40\n60\n", "line 1: the header names no column percent"},
        {"an unknown column", "h,percent,t\n", "line 1, column 3: the header says \"t\""},
        {"a column twice", "h,percent,H\n", "line 1, column 3: the column h is named twice"},
        {"a column short", kTwoPoints + "60\n", "line 4, column 2 (percent)"},
        {"a column over", kTwoPoints + "60,80,1\n", "line 4, column 3: the line has 3"},
        {"a field of zero", kTwoPoints + "0,80\n", "line 4, column 1 (h): \"0\" is not above zero"},
        {"a negative field", kTwoPoints + "-5,80\n", "line 4, column 1 (h): \"-5\""},
        {"a field beyond A/m", kTwoPoints + "1e308,80\n", "line 4, column 1 (h): \"1e308\" Oe"},
        {"a percent of zero", kTwoPoints + "60,0\n",
         "line 4, column 2 (percent): \"0\" is outside"},
        {"a percent above 100", kTwoPoints + "60,100.5\n", "line 4, column 2 (percent)"},
        {"a number not finite", kTwoPoints + "inf,80\n",
         "line 4, column 1 (h): \"inf\" is not a "
         "finite number"},
        {"not a number", kTwoPoints + "60,eighty\n", "line 4, column 2 (percent): \"eighty\""},
        {"an empty field", kTwoPoints + "60,\n", "line 4, column 2 (percent): the field is empty"},
        {"a quote not closed", kTwoPoints + "60,\"80\n", "line 4: "},
    }));

class LossPointsRefused : public testing::TestWithParam<Refused> {};

TEST_P(LossPointsRefused, NamesWhere) {
  const PointsRead<LossPoint> read = LossPointsFromText(GetParam().text, "loss.csv", std::nullopt);
  EXPECT_FALSE(read.read);
  EXPECT_NE(read.problem.find(GetParam().named), std::string::npos) << read.problem;
}

const std::string kFivePoints =
    "f_khz,b_mt,w_per_kg\n50,100,20\n50,200,80\n100,100,50\n"
    "100,200,190\n200,100,130\n";

INSTANTIATE_TEST_SUITE_P(
    Files, LossPointsRefused,
    testing::ValuesIn(std::vector<Refused>{
        {"five points", kFivePoints, "5 points; a fit needs at least 6"},
        {"no loss column", "f_khz,b_mt\n", "no loss column"},
        {"no frequency", "b_mt,w_per_kg\n", "the header names no column f_khz"},
        {"the loss twice", "f_khz,b_mt,w_per_kg,mw_per_cm3\n", "column 4 (mw_per_cm3)"},
        {"per volume, no density", "f_khz,b_mt,mw_per_cm3\n",
         "column 3 (mw_per_cm3): a loss "
         "per volume needs"},
        {"a loss of zero", kFivePoints + "200,200,0\n", "line 7, column 3 (w_per_kg)"},
        {"a flux of zero", kFivePoints + "200,0,10\n", "line 7, column 2 (b_mt)"},
        {"a flux too small to hold", kFivePoints + "200,1e-330,10\n", "line 7, column 2 (b_mt)"},
        {"one frequency",
         "f_khz,b_mt,w_per_kg\n100,50,5\n100,100,20\n100,150,45\n100,200,80\n"
         "100,250,125\n100,300,180\n",
         "column 1 (f_khz): every point is at 100"},
        {"one flux density",
         "f_khz,b_mt,w_per_kg\n50,100,5\n100,100,20\n150,100,45\n200,100,80\n"
         "250,100,125\n300,100,180\n",
         "column 2 (b_mt): every point is at 100"},
    }));

TEST(LossPoints, RefusesADensityThatIsNoNumberAboveZero) {
  const std::string text = "f_khz,b_mt,mw_per_cm3\n50,100,20\n";
  for (const double density : {0.0, -1.0, std::numeric_limits<double>::infinity()}) {
    const PointsRead<LossPoint> read = LossPointsFromText(text, "loss.csv", density);
    EXPECT_FALSE(read.read) << density;
    EXPECT_NE(read.problem.find("density"), std::string::npos) << read.problem;
  }
  const PointsRead<LossPoint> huge =
      LossPointsFromText("f_khz,b_mt,mw_per_cm3\n50,100,1e300\n", "loss.csv", 1e-10);
  EXPECT_FALSE(huge.read);
  EXPECT_NE(huge.problem.find("line 2, column 3 (mw_per_cm3)"), std::string::npos) << huge.problem;
}

TEST(PointsFiles, AreReadBoundedAndNamedByTheirPath) {
  test::ScratchFolder folder;
  const std::string path = folder.File("points.csv");
  test::WriteFile(path, kHeader + "20,97\n40,91\n60,80\n" + std::string(kPointsFileMaxBytes, '\n'));
  const PointsRead<RolloffPoint> large = ReadRolloffPointsFile(path, FieldUnit::Oersted);
  EXPECT_FALSE(large.read);
  EXPECT_NE(large.problem.find(path + ": it is larger"), std::string::npos) << large.problem;
  test::WriteFile(path, kHeader + "20,97\n40,91\n60,80\n");
  EXPECT_TRUE(ReadRolloffPointsFile(path, FieldUnit::Oersted).read);

  const PointsRead<LossPoint> missing = ReadLossPointsFile(folder.File("loss.csv"), 7.0);
  EXPECT_FALSE(missing.read);
  EXPECT_NE(missing.problem.find("loss.csv"), std::string::npos) << missing.problem;
}

}  // namespace
}  // namespace pfc
