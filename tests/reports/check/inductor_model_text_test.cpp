#include "reports/check/inductor_model_text.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"

namespace pfc {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

DesignRecord Record() {
  DesignRecord r;
  r.SelectedCoreSize = "TD-26";
  r.CoresToStack = 2;
  r.Turns = 31;
  r.WireGauge = 12;
  r.WindingResistance = 0.0117;
  return r;
}

InductorModel Model(double peakCurrent) {
  InductorModel model;
  model.material = *FindRolloffGrade(60);
  model.alNh = 134;
  model.resistance = 0.017;
  model.temperatureC = 140;
  model.table =
      TabulateFluxLinkage(RolloffInductor(31, 224, 10.55, *FindRolloffGrade(60)), peakCurrent);
  return model;
}

// How each format's comment lines start, and the line that begins its body.
struct Shape {
  ModelFormat format;
  const char* comment;
  const char* body;
};

constexpr Shape kShapes[] = {{ModelFormat::Ngspice, "* ", ".subckt "},
                             {ModelFormat::Ltspice, "* ", ".subckt "},
                             {ModelFormat::Plecs, "% ", "i_L = ["},
                             {ModelFormat::Csv, "# ", "current_a,"}};

// The number of comment lines before the body; -1 when another line comes first.
int HeaderLines(const std::string& text, const Shape& shape) {
  int count = 0;
  for (const std::string& line : Lines(text)) {
    if (line.rfind(shape.body, 0) == 0)
      return count;
    if (line.rfind(shape.comment, 0) != 0)
      return -1;
    ++count;
  }
  return -1;
}

class NameTest : public testing::TestWithParam<const char*> {};

// Whatever the name, the comment lines stay comments and a SPICE subcircuit's name is one
// that both simulators take, the same at .subckt and .ends.
TEST_P(NameTest, CannotBreakTheFile) {
  const InductorModel model = Model(30);
  static const std::regex kSpiceName("[A-Za-z][A-Za-z0-9_]*");
  for (const Shape& shape : kShapes) {
    SCOPED_TRACE(ModelFormatOf(shape.format).name);
    const std::string text = ModelFileText(Record(), model, shape.format, GetParam());
    EXPECT_GT(HeaderLines(text, shape), 0) << text.substr(0, 400);
    if (shape.format == ModelFormat::Ngspice || shape.format == ModelFormat::Ltspice) {
      const std::string name = SafeModelName(GetParam(), shape.format);
      EXPECT_TRUE(std::regex_match(name, kSpiceName)) << name;
      EXPECT_NE(text.find(".subckt " + name + " 1 2\n"), std::string::npos);
      EXPECT_NE(text.find(".ends " + name + "\n"), std::string::npos);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Names, NameTest,
                         testing::Values("TD-26x2_31T", "", "9 lives", "two\nlines",
                                         "semi;colon (x) = 1", "\xC2\xB5H", "_", "\r"));

TEST(ModelFileText, TheDefaultNameCarriesPartStackAndTurns) {
  const std::string name = SafeModelName(DefaultModelName(Record()), ModelFormat::Ngspice);
  for (const char* part : {"TD", "26", "2", "31"})
    EXPECT_NE(name.find(part), std::string::npos) << name;
}

// A table cut short at saturation says so in one more comment line.
TEST(ModelFileText, ATableEndingAtSaturationSaysSo) {
  const InductorModel whole = Model(30);
  const InductorModel cut = Model(600);
  ASSERT_FALSE(whole.table.endsAtSaturation);
  ASSERT_TRUE(cut.table.endsAtSaturation);
  for (const Shape& shape : kShapes) {
    SCOPED_TRACE(ModelFormatOf(shape.format).name);
    EXPECT_EQ(HeaderLines(ModelFileText(Record(), cut, shape.format, "L"), shape),
              HeaderLines(ModelFileText(Record(), whole, shape.format, "L"), shape) + 1);
  }
}

TEST(ModelFormats, EachIsFoundByItsName) {
  for (const ModelFormatInfo& info : ModelFormats())
    EXPECT_EQ(ModelFormatNamed(info.name), info.format) << info.name;
  EXPECT_EQ(ModelFormatNamed("spice"), std::nullopt);
}

}  // namespace
}  // namespace pfc
