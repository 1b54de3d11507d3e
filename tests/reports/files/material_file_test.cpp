#include "reports/check/material_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "engine/record/number_text.h"
#include "tests/engine/check_values.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

// A grade's numbers as a file would hold them, each read back exactly.
std::string GradeFile(const RolloffGrade& grade, const std::string& name, bool withLoss) {
  std::string text = R"({"name": ")" + name + R"(", "permeability": )" +
                     std::to_string(grade.permeability) + R"(, "rolloff_b": )" +
                     FormatShortest(grade.b) + R"(, "rolloff_c": )" + FormatShortest(grade.c);
  if (withLoss) {
    text += R"(, "loss_k": )" + FormatShortest(kMethodCoreLossFit.k) + R"(, "loss_alpha": )" +
            FormatShortest(kMethodCoreLossFit.alpha) + R"(, "loss_beta": )" +
            FormatShortest(kMethodCoreLossFit.beta);
  }
  return text + "}";
}

TEST(MaterialFile, AMaterialEqualToAGradeChecksExactlyAsThatGrade) {
  LoadedTables tables;
  ASSERT_EQ(RunDesign(EntryTexts{}, tables.record, tables.catalogue, tables.wires).ending,
            RunEnding::Published);
  for (const RolloffGrade& grade : RolloffGrades()) {
    if (grade.b <= 0)
      continue;  // a file's roll-off must fall
    for (const bool withLoss : {false, true}) {
      const MaterialFileRead read = MaterialFromText(GradeFile(grade, "copy", withLoss));
      ASSERT_TRUE(read.read) << read.reason;
      EXPECT_EQ(read.material.name, "copy");
      EXPECT_EQ(CheckValues(CheckOperation(tables.record, read.material)),
                CheckValues(CheckOperation(tables.record, grade)))
          << "grade " << grade.permeability << (withLoss ? " with" : " without") << " loss fit";
    }
  }
}

TEST(MaterialFile, TakesItsOwnLossFit) {
  const MaterialFileRead read = MaterialFromText(
      R"({"loss_beta": 2.5, "name": "Sendust 60 µ", "permeability": 60, "rolloff_b": 0.01,
          "rolloff_c": 1.5, "loss_k": 30, "loss_alpha": 1.4})");
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.material.name, "Sendust 60 µ");
  EXPECT_EQ(read.material.permeability, 60);
  EXPECT_EQ(read.material.b, 0.01);
  EXPECT_EQ(read.material.c, 1.5);
  EXPECT_EQ(read.material.loss.k, 30);
  EXPECT_EQ(read.material.loss.alpha, 1.4);
  EXPECT_EQ(read.material.loss.beta, 2.5);
}

TEST(MaterialFile, WrittenReadsBackAsTheSameMaterial) {
  for (const RolloffGrade& grade : RolloffGrades()) {
    Material material(grade);
    material.name = "Sendust " + std::to_string(grade.permeability) + " µ";
    material.permeability = grade.permeability + 0.1;
    material.loss = {3.0 / 7, 1.0 + 1.0 / 3, 2.0 + 2.0 / 7};  // no short decimal holds them
    for (const bool withLoss : {false, true}) {
      const MaterialFileRead read = MaterialFromText(MaterialFileText(material, withLoss));
      ASSERT_TRUE(read.read) << read.reason;
      EXPECT_EQ(read.material.name, material.name);
      EXPECT_EQ(read.material.permeability, material.permeability);
      EXPECT_EQ(read.material.b, material.b);
      EXPECT_EQ(read.material.c, material.c);
      const CoreLossFit& loss = withLoss ? material.loss : kMethodCoreLossFit;
      EXPECT_EQ(read.material.loss.k, loss.k);
      EXPECT_EQ(read.material.loss.alpha, loss.alpha);
      EXPECT_EQ(read.material.loss.beta, loss.beta);
    }
  }
}

// A new material's file is written only when it reads back as the material, and a refusal
// names the key to correct.
TEST(NewMaterialFile, IsWrittenOnlyWhenItReadsBack) {
  Material good(RolloffGrades().front());
  good.name = "Supplier 75";
  const NewMaterialFile written = NewMaterialFileText(good, false);
  ASSERT_TRUE(written.written) << written.problem;
  EXPECT_EQ(MaterialFromText(written.text).material, good);
  struct Case {
    const char* label;
    Material material;
    const char* key;
  };
  Material flat = good;
  flat.c = 1;
  Material unnamed = good;
  unnamed.name.clear();
  Material latin1 = good;
  latin1.name = "Supplier \xB5";
  Material tooPermeable = good;
  tooPermeable.permeability = 1e9;
  for (const Case& c : {Case{"c of 1", flat, "rolloff_c"}, Case{"no name", unnamed, "name"},
                        Case{"a name not UTF-8", latin1, "name"},
                        Case{"a permeability beyond any powder", tooPermeable, "permeability"}}) {
    const NewMaterialFile refused = NewMaterialFileText(c.material, false);
    EXPECT_FALSE(refused.written) << c.label;
    EXPECT_TRUE(refused.text.empty()) << c.label;
    EXPECT_FALSE(refused.problem.empty()) << c.label;
    EXPECT_EQ(refused.key, c.key) << c.label << ": " << refused.problem;
  }
}

struct Refused {
  const char* label;
  std::string text;
  const char* named;  // what the message must name
};

void PrintTo(const Refused& c, std::ostream* os) {
  *os << c.label;
}

class MaterialFileRefuses : public testing::TestWithParam<Refused> {};

TEST_P(MaterialFileRefuses, SaysWhatIsWrong) {
  const MaterialFileRead read = MaterialFromText(GetParam().text);
  EXPECT_FALSE(read.read);
  EXPECT_NE(read.reason.find(GetParam().named), std::string::npos) << read.reason;
}

// A valid material with one key's text replaced (or, with an empty value, left out).
std::string With(const std::string& key, const std::string& value) {
  std::vector<std::pair<std::string, std::string>> keys = {
      {"name", R"("Mine")"}, {"permeability", "60"}, {"rolloff_b", "0.01"}, {"rolloff_c", "1.5"}};
  bool replaced = false;
  for (auto& [k, v] : keys) {
    if (k == key) {
      v = value;
      replaced = true;
    }
  }
  if (!replaced)
    keys.emplace_back(key, value);
  std::string text = "{";
  for (const auto& [k, v] : keys) {
    if (v.empty())
      continue;
    text += (text.size() > 1 ? ", \"" : "\"") + k + "\": " + v;
  }
  return text + "}";
}

// A valid material with the whole loss fit given.
std::string WithLoss(const std::string& k, const std::string& alpha, const std::string& beta) {
  std::string text = With("loss_k", k);
  text.pop_back();
  return text + ", \"loss_alpha\": " + alpha + ", \"loss_beta\": " + beta + "}";
}

INSTANTIATE_TEST_SUITE_P(
    Files, MaterialFileRefuses,
    testing::ValuesIn(std::vector<Refused>{
        {"empty", " \n", "empty"},
        {"binary", std::string("{\"name\":\0", 9), "binary"},
        {"not JSON", "name = Mine", "not JSON"},
        {"cut short", With("name", R"("Mine")").substr(0, 20), "not JSON"},
        {"a list", R"(["Mine", 60, 0.01, 1.5])", "not an object"},
        {"an unknown key", With("rolloff_d", "2"), "\"rolloff_d\""},
        {"a misspelt key", With("permeabilty", "60"), "\"permeabilty\""},
        {"a long unknown key", With(std::string(500, 'k'), "1"), "…"},
        {"no name", With("name", ""), "\"name\""},
        {"no permeability", With("permeability", ""), "\"permeability\""},
        {"no b", With("rolloff_b", ""), "\"rolloff_b\""},
        {"no c", With("rolloff_c", ""), "\"rolloff_c\""},
        {"part of the loss fit", With("loss_k", "30"), "\"loss_alpha\""},
        {"the loss fit without its k",
         With("loss_alpha", "1.3").substr(0, With("loss_alpha", "1.3").size() - 1) +
             ", \"loss_beta\": 2.2}",
         "\"loss_k\""},
        {"a name as a number", With("name", "60"), "\"name\""},
        {"an empty name", With("name", R"("")"), "empty"},
        {"a name too long", With("name", "\"" + std::string(61, 'x') + "\""), "longer"},
        {"a name with a slash", With("name", R"("a/b")"), "slash"},
        {"a name with a line break", With("name", R"("a\nb")"), "control"},
        {"a grade's name", With("name", R"("60")"), "built-in"},
        {"a permeability as a text", With("permeability", R"("60")"), "\"permeability\""},
        {"a nested b", With("rolloff_b", "{\"b\": 0.01}"), "\"rolloff_b\""},
        {"a zero permeability", With("permeability", "0"), "\"permeability\" is 0"},
        {"a negative b", With("rolloff_b", "-0.01"), "\"rolloff_b\" is -0.01"},
        {"a zero loss k", With("loss_k", "0"), "\"loss_k\" is 0"},
        {"c of one", With("rolloff_c", "1"), "\"rolloff_c\" is 1"},
        {"c below one", With("rolloff_c", "0.5"), "\"rolloff_c\" is 0.5"},
        // Within JSON's numbers but beyond any powder's.
        {"a permeability beyond any powder", With("permeability", "1e300"),
         "\"permeability\" is 1E+300; it must be from 1 to 1000"},
        {"a permeability below air's", With("permeability", "0.5"), "from 1 to 1000"},
        {"a cliff for a roll-off", With("rolloff_c", "4.01"), "above 1 and at most 4"},
        // With c = 1.5: 1 % lost at 100 kA/m takes b ≥ 3.19e-12, 99 % at 10 A/m b ≤ 0.0313.
        {"a powder that barely rolls off", With("rolloff_b", "3.1e-12"), "\"rolloff_b\""},
        {"a powder gone at 10 A/m", With("rolloff_b", "0.032"), "at 10 A/m"},
        {"a loss k too small", WithLoss("0.009", "1.3", "2.2"), "\"loss_k\""},
        {"a loss k too large", WithLoss("1.1e5", "1.3", "2.2"), "\"loss_k\""},
        {"an alpha too small", WithLoss("30", "0.9", "2.2"), "\"loss_alpha\""},
        {"an alpha too large", WithLoss("30", "3.1", "2.2"), "\"loss_alpha\""},
        {"a beta too small", WithLoss("30", "1.3", "0.9"), "\"loss_beta\""},
        {"a beta too large", WithLoss("30", "1.3", "4.1"), "from 1 to 4"},
        {"a number beyond any double", With("permeability", "1e999"), "not JSON"},
        {"text that is not UTF-8", With("name", "\"M\xFF\""), "not JSON"},
        {"nested deep", With("name", std::string(100000, '[') + std::string(100000, ']')),
         "\"name\""},
    }));

TEST(ReadMaterialFile, NamesThePathAndRefusesALargeFileUnread) {
  test::ScratchFolder folder;
  const std::string path = (folder.Path() / "large.json").string();
  // Whitespace after a valid material: only the size is wrong.
  test::WriteFile(path, With("name", R"("Mine")") + std::string(kMaterialFileMaxBytes, ' '));
  const MaterialFileRead large = ReadMaterialFile(path);
  EXPECT_FALSE(large.read);
  EXPECT_NE(large.Message().find(path), std::string::npos) << large.Message();
  EXPECT_NE(large.reason.find("larger"), std::string::npos) << large.reason;

  test::WriteFile(path, With("name", R"("Mine")"));
  EXPECT_TRUE(ReadMaterialFile(path).read);
  EXPECT_FALSE(ReadMaterialFile((folder.Path() / "missing.json").string()).read);
}

}  // namespace
}  // namespace pfc
