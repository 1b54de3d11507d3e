#include "reports/files/design_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::FolderEntries;
using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

std::vector<std::string> Texts(const EntryTexts& e) {
  return {e[Entry::Frequency],
          e.Unit(Entry::Frequency),
          e[Entry::Inductance],
          e.Unit(Entry::Inductance),
          e[Entry::OutputPower],
          e.Unit(Entry::OutputPower),
          e[Entry::Efficiency],
          e[Entry::VinMin],
          e[Entry::VinMax],
          e[Entry::Vout],
          e[Entry::AmbientTemp],
          e[Entry::Stack],
          e[Entry::FillFactor],
          e[Entry::CoreSize],
          e.pickCore ? "picks" : "selects"};
}

// Every field away from the form's default, each different, with the texts a user can leave
// in a form: blanks, a lone point, nothing, characters beyond ASCII, quotes.
DesignFile UnusualDesign() {
  DesignFile design;
  EntryTexts& e = design.entries;
  e[Entry::Frequency] = " 20 ";
  e.Unit(Entry::Frequency) = "kHz";
  e[Entry::Inductance] = "150";
  e.Unit(Entry::Inductance) = "microhenry";
  e[Entry::OutputPower] = "1.5";
  e.Unit(Entry::OutputPower) = "Kilo Watts";
  e[Entry::Efficiency] = "";
  e[Entry::VinMin] = ".";
  e[Entry::VinMax] = "26\"4";
  e[Entry::Vout] = "380\\n";
  e[Entry::AmbientTemp] = "50 °C";
  e[Entry::Stack] = "2";
  e[Entry::FillFactor] = "0.35";
  e[Entry::CoreSize] = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";
  e.pickCore = true;
  design.part.material.grade = 147;
  design.limits.ripplePercent = 0.1 + 0.2;  // no short decimal: written to read back exactly
  return design;
}

TEST(DesignFile, KeepsEveryTextExactlyAsTyped) {
  const DesignFile design = UnusualDesign();
  const DesignFileRead read = DesignFileFromText(DesignFileText(design));
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(Texts(read.design.entries), Texts(design.entries));
  EXPECT_EQ(read.design.part.material.grade, 147);
  EXPECT_EQ(read.design.limits, design.limits);
}

// The format as documented, written by hand: what other programs and people write.
TEST(DesignFile, ReadsTheDocumentedFormat) {
  const DesignFileRead read = DesignFileFromText(R"json({
    "format": "pfc-design", "version": "1.0",
    "entries": {"frequency": "100", "frequency-unit": "kHz", "inductance": "0.15",
                "inductance-unit": "millihenry", "output-power": "2",
                "output-power-unit": "Kilo Watts", "efficiency": "96", "vin-min": "90",
                "vin-max": "265", "vout": "390", "ambient": "40", "stack": "3",
                "fill-factor": ".3"},
    "calculator": "picks", "pick": "TD-30 (x)", "rolloff-grade": 26})json");
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(Texts(read.design.entries),
            (std::vector<std::string>{"100", "kHz", "0.15", "millihenry", "2", "Kilo Watts", "96",
                                      "90", "265", "390", "40", "3", ".3", "TD-30 (x)", "picks"}));
  EXPECT_EQ(read.design.part.material.grade, 26);
}

// The limits go round as the user set them; a file keeps only those that differ from the
// defaults, so that a file without them is judged by whatever the defaults are.
struct LimitsCase {
  const char* label;
  DesignLimits limits;
  std::vector<std::string> keys;  // the limits' keys the file holds
};

void PrintTo(const LimitsCase& c, std::ostream* os) {
  *os << c.label;
}

class DesignFileLimits : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(DesignFileLimits, KeepsTheLimitsSetAndOnlyThose) {
  DesignFile design;
  design.limits = GetParam().limits;
  const std::string text = DesignFileText(design);
  const DesignFileRead read = DesignFileFromText(text);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.design.limits, GetParam().limits);
  const nlohmann::json json = nlohmann::json::parse(text);
  std::vector<std::string> keys;
  for (const char* key : {"min-inductance", "ripple-limit", "max-temperature", "al-tolerance"}) {
    if (json.contains(key))
      keys.emplace_back(key);
  }
  EXPECT_EQ(keys, GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(Limits, DesignFileLimits,
                         ::testing::Values(LimitsCase{"Defaults", DesignLimits{}, {}},
                                           LimitsCase{"RippleOnly",
                                                      DesignLimits{.ripplePercent = 12.5},
                                                      {"ripple-limit"}},
                                           LimitsCase{"Every",
                                                      DesignLimits{80, 0.1 + 0.2, 130.5, 8},
                                                      {"min-inductance", "ripple-limit",
                                                       "max-temperature", "al-tolerance"}},
                                           LimitsCase{"WidestToleranceColdWinding",
                                                      DesignLimits{100, std::nullopt, 40, 30},
                                                      {"max-temperature", "al-tolerance"}}),
                         [](const auto& info) { return std::string(info.param.label); });

struct AcceptedCase {
  const char* label;
  std::string text;
  std::vector<std::string> texts;  // the entries read
  int grade;
  std::optional<double> rippleLimit{};
};

void PrintTo(const AcceptedCase& c, std::ostream* os) {
  *os << c.label;
}

class DesignFileAccepts : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(DesignFileAccepts, ReadsWhatItKnowsAndDefaultsTheRest) {
  const DesignFileRead read = DesignFileFromText(GetParam().text);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(Texts(read.design.entries), GetParam().texts);
  EXPECT_EQ(read.design.part.material.grade, GetParam().grade);
  EXPECT_EQ(read.design.limits.ripplePercent, GetParam().rippleLimit);
}

const std::vector<std::string> kDefaultTexts = Texts(EntryTexts{});

std::vector<std::string> DefaultsWith(std::size_t index, std::string text) {
  std::vector<std::string> texts = kDefaultTexts;
  texts[index] = std::move(text);
  return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DesignFileAccepts,
    ::testing::ValuesIn(std::vector<AcceptedCase>{
        {"only format and version", R"({"format":"pfc-design","version":"1.0"})", kDefaultTexts,
         kDefaultRolloffGrade},
        {"a later minor version with fields it does not know",
         R"({"format":"pfc-design","version":"1.7","notes":"x","entries":{"vout":"400",
             "colour":{"deep":[1,2,{"a":null}]}},"window":[0,0]})",
         DefaultsWith(9, "400"), kDefaultRolloffGrade},
        {"a byte-order mark first", "\xEF\xBB\xBF{\"format\":\"pfc-design\",\"version\":\"1.0\"}",
         kDefaultTexts, kDefaultRolloffGrade},
        {"a grade written as a whole number with a point",
         R"({"format":"pfc-design","version":"1.0","rolloff-grade":90.0})", kDefaultTexts, 90},
        {"the calculator selecting with a pick left over",
         R"json({"format":"pfc-design","version":"1.0","calculator":"selects","pick":"TD-01 (y)"})json",
         DefaultsWith(13, "TD-01 (y)"), kDefaultRolloffGrade},
        {"a ripple limit of the first minor version that has one",
         R"({"format":"pfc-design","version":"1.1","ripple-limit":25})", kDefaultTexts,
         kDefaultRolloffGrade, 25},
        {"a ripple limit below one percent",
         R"({"format":"pfc-design","version":"1.1","ripple-limit":0.5})", kDefaultTexts,
         kDefaultRolloffGrade, 0.5},
    }));

struct RefusedCase {
  const char* label;
  std::string text;
  const char* named;  // what the message must name to tell the user what is wrong
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.label;
}

class DesignFileRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(DesignFileRefuses, SaysWhatIsWrongAndGivesNoDesign) {
  const DesignFileRead read = DesignFileFromText(GetParam().text);
  EXPECT_FALSE(read.read);
  EXPECT_NE(read.reason.find(GetParam().named), std::string::npos) << read.reason;
  EXPECT_EQ(Texts(read.design.entries), kDefaultTexts) << "nothing of the file is taken";
  EXPECT_EQ(read.design.part.material.grade, kDefaultRolloffGrade);
  EXPECT_EQ(read.design.limits, DesignLimits{});
}

std::string Head(const std::string& rest) {
  return R"({"format":"pfc-design","version":"1.0",)" + rest + "}";
}

const std::string kSaved = DesignFileText(UnusualDesign());

INSTANTIATE_TEST_SUITE_P(
    Files, DesignFileRefuses,
    ::testing::ValuesIn(std::vector<RefusedCase>{
        {"empty", "", "empty"},
        {"binary", std::string("PK\x03\x04\0\0\x01", 7), "binary"},
        {"plain text", "frequency = 100000\n", "line 1,"},
        {"a syntax error on line 3", "{\n  \"format\": \"pfc-design\",\n  \"version\" \"1.0\"\n}",
         "line 3,"},
        {"cut short", kSaved.substr(0, kSaved.size() / 2), "cut short"},
        {"cut short after the last brace", kSaved.substr(0, kSaved.rfind('}')), "cut short"},
        {"text that is not UTF-8",
         Head(R"("entries":{"vout":"38)"
              "\xFF\xFE"
              R"("})"),
         "not JSON"},
        {"a list, not an object", "[\"pfc-design\", \"1.0\"]", "not an object"},
        {"no format", R"({"version":"1.0"})", "pfc-design"},
        {"another format", R"({"format":"pfc-report","version":"1.0"})", "pfc-design"},
        {"no version", R"({"format":"pfc-design"})", "version"},
        {"the version as a number", R"({"format":"pfc-design","version":1.0})", "version"},
        {"a version without a minor number", R"({"format":"pfc-design","version":"1"})", "\"1\""},
        {"a version with letters", R"({"format":"pfc-design","version":"1.0b"})", "1.0b"},
        {"a newer major version", R"({"format":"pfc-design","version":"2.0"})", "2.0"},
        {"a much newer major version", R"({"format":"pfc-design","version":"12.3"})", "12.3"},
        {"a major version beyond any integer",
         R"({"format":"pfc-design","version":"123456789012345678901234.0"})",
         "123456789012345678901234.0"},
        {"an older major version", R"({"format":"pfc-design","version":"0.9"})", "0.9"},
        {"entries as a list", Head(R"("entries":["100000"])"), "entries"},
        {"an entry as a number", Head(R"("entries":{"vout":380})"), "entries.vout"},
        {"a unit as true", Head(R"("entries":{"frequency-unit":true})"), "entries.frequency-unit"},
        {"an entry nested deep",
         Head(R"("entries":{"ambient":)" + std::string(100000, '[') + std::string(100000, ']') +
              "}"),
         "entries.ambient"},
        {"the calculator as a number", Head(R"("calculator":2)"), "calculator"},
        {"an unknown calculator", Head(R"("calculator":"Picks")"), "Picks"},
        {"the pick as a number", Head(R"("pick":26)"), "pick"},
        {"the grade as a text", Head(R"("rolloff-grade":"60")"), "rolloff-grade"},
        {"a grade that does not exist", Head(R"("rolloff-grade":61)"), "61"},
        {"a negative grade", Head(R"("rolloff-grade":-60)"), "-60"},
        {"a grade with a fraction", Head(R"("rolloff-grade":60.5)"), "60.5"},
        {"a grade beyond any integer", Head(R"("rolloff-grade":18446744073709551675)"),
         "rolloff-grade"},
        {"a grade beyond any double", Head(R"("rolloff-grade":1e999)"), "too large"},
        {"the ripple limit as a text", Head(R"("ripple-limit":"10")"), "ripple-limit"},
        {"a ripple limit of nothing", Head(R"("ripple-limit":0)"), "ripple-limit\" 0"},
        {"a negative ripple limit", Head(R"("ripple-limit":-10)"), "ripple-limit\" -10"},
        {"a ripple limit beyond any double", Head(R"("ripple-limit":1e999)"), "too large"},
        {"an inductance share of nothing", Head(R"("min-inductance":0)"), "min-inductance"},
        {"a temperature limit as a text", Head(R"("max-temperature":"155")"), "max-temperature"},
        {"an AL tolerance above its range", Head(R"("al-tolerance":31)"), "al-tolerance"},
        {"a negative AL tolerance", Head(R"("al-tolerance":-1)"), "al-tolerance"},
        {"the catalogue as a text", Head(R"("cores":"mine.csv")"), "cores"},
        {"the catalogue without its hash", Head(R"("cores":{"file":"/a/mine.csv"})"), "sha256"},
        {"the catalogue without its file",
         Head(R"("cores":{"sha256":")" + std::string(64, 'a') + R"("})"), "file"},
        {"the catalogue's file as a number",
         Head(R"("cores":{"file":7,"sha256":")" + std::string(64, 'a') + R"("})"), "cores.file"},
        {"the catalogue's file empty",
         Head(R"("cores":{"file":"","sha256":")" + std::string(64, 'a') + R"("})"), "cores.file"},
        {"a hash too short", Head(R"("cores":{"file":"/a/m.csv","sha256":"abc"})"), "abc"},
        {"a hash in capitals",
         Head(R"("cores":{"file":"/a/m.csv","sha256":")" + std::string(64, 'A') + R"("})"),
         "cores.sha256"},
        {"the winding as a list", Head(R"("winding":[31,12])"), "winding"},
        {"the turns as a text", Head(R"("winding":{"turns":"31"})"), "winding.turns"},
        {"the wire as true", Head(R"("winding":{"turns":31,"wire":true})"), "winding.wire"},
    }));

TEST(DesignFile, KeepsTheCatalogueItWasMadeOnAndAnOlderFileIsOnTheBuiltInOne) {
  DesignFile design = UnusualDesign();
  design.cores = CatalogueOrigin{"/home/me/cores \"b\".csv", Sha256Hex("rows")};
  const DesignFileRead read = DesignFileFromText(DesignFileText(design));
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.design.cores, design.cores);
  EXPECT_EQ(Texts(read.design.entries), Texts(design.entries));

  const DesignFileRead builtIn = DesignFileFromText(DesignFileText(UnusualDesign()));
  ASSERT_TRUE(builtIn.read) << builtIn.reason;
  EXPECT_TRUE(builtIn.design.cores.BuiltIn());
  const DesignFileRead older = DesignFileFromText(R"({"format":"pfc-design","version":"1.0"})");
  ASSERT_TRUE(older.read) << older.reason;
  EXPECT_TRUE(older.design.cores.BuiltIn());
}

TEST(DesignFile, KeepsAGivenWindingUnderTheSameMinorVersion) {
  struct Case {
    WindingRequest winding;
    const char* version;
    const char* written;  // the winding as the file holds it; empty for none
  };
  const Case cases[] = {
      {{}, "1.2", ""},
      {{36.0, std::nullopt}, "1.2", R"({"turns":36})"},
      {{std::nullopt, 14.0}, "1.2", R"({"wire":14})"},
      {{36.0, 14.0}, "1.2", R"({"turns":36,"wire":14})"},
      {{36.5, 14.0}, "1.2", R"({"turns":36.5,"wire":14})"},  // refused only by the check
      // One strand is every winding's; more are kept, and a number out of range only the
      // check refuses.
      {{36.0, 14.0, 1.0}, "1.2", R"({"turns":36,"wire":14})"},
      {{36.0, 17.0, 2.0}, "1.2", R"({"strands":2,"turns":36,"wire":17})"},
      {{std::nullopt, std::nullopt, 3.0}, "1.2", R"({"strands":3})"},
      {{36.0, 17.0, 2.5}, "1.2", R"({"strands":2.5,"turns":36,"wire":17})"},
  };
  for (const Case& c : cases) {
    DesignFile design = UnusualDesign();
    design.part.winding = c.winding;
    const std::string text = DesignFileText(design);
    const auto json = nlohmann::json::parse(text);
    EXPECT_EQ(json["version"], c.version);
    EXPECT_EQ(json.contains("winding") ? json["winding"].dump() : "", c.written);
    const DesignFileRead read = DesignFileFromText(text);
    ASSERT_TRUE(read.read) << read.reason;
    EXPECT_EQ(read.design.part.winding.turns, c.winding.turns);
    EXPECT_EQ(read.design.part.winding.gauge, c.winding.gauge);
    EXPECT_EQ(read.design.part.winding.StrandCount(), c.winding.StrandCount());
  }
  const DesignFileRead wrong =
      DesignFileFromText(R"({"format":"pfc-design","version":"1.2","winding":{"strands":"two"}})");
  EXPECT_FALSE(wrong.read);
  EXPECT_NE(wrong.reason.find("winding.strands"), std::string::npos) << wrong.reason;
}

TEST(DesignFile, ALongTextOfTheFileIsCutShortInTheMessage) {
  const DesignFileRead read =
      DesignFileFromText(R"({"format":"pfc-design","version":"1.0","calculator":")" +
                         std::string(100000, 'x') + "\"}");
  EXPECT_FALSE(read.read);
  EXPECT_NE(read.reason.find("calculator"), std::string::npos) << read.reason;
  EXPECT_LT(read.reason.size(), 200u);
}

TEST(ReadDesignFile, OpensWhatWasSaved) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "boost.pfcdesign").string();
  const FileWriteResult written = WriteDesignFile(path, UnusualDesign());
  ASSERT_TRUE(written.written) << written.Message();
  const DesignFileRead read = ReadDesignFile(path);
  ASSERT_TRUE(read.read) << read.Message();
  EXPECT_EQ(read.path, path);
  EXPECT_EQ(Texts(read.design.entries), Texts(UnusualDesign().entries));
}

struct FileCase {
  const char* label;
  std::function<std::string(const std::filesystem::path& folder)> make;  // gives the path
  const char* named;
};

void PrintTo(const FileCase& c, std::ostream* os) {
  *os << c.label;
}

class ReadDesignFileRefuses : public ::testing::TestWithParam<FileCase> {};

TEST_P(ReadDesignFileRefuses, NamesThePathAndWhyAndReadsNothingLarge) {
  ScratchFolder folder;
  const std::string path = GetParam().make(folder.Path());
  const auto start = std::chrono::steady_clock::now();
  const DesignFileRead read = ReadDesignFile(path);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "no waiting";
  EXPECT_FALSE(read.read);
  EXPECT_EQ(read.path, path);
  EXPECT_EQ(read.Message().rfind("Cannot open " + path + ": ", 0), 0u) << read.Message();
  EXPECT_NE(read.reason.find(GetParam().named), std::string::npos) << read.reason;
}

// A valid design file padded with blanks to the given size.
std::string PaddedDesign(std::size_t size) {
  std::string text = DesignFileText(DesignFile{});
  text.resize(size, ' ');
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadDesignFileRefuses,
    ::testing::ValuesIn(std::vector<FileCase>{
        {"missing", [](const auto& f) { return (f / "none.pfcdesign").string(); }, "No such file"},
        {"a folder",
         [](const auto& f) {
           std::filesystem::create_directory(f / "dir.pfcdesign");
           return (f / "dir.pfcdesign").string();
         },
         "folder"},
        {"a pipe nobody writes to",
         [](const auto& f) {
           ::mkfifo((f / "pipe.pfcdesign").c_str(), 0600);
           return (f / "pipe.pfcdesign").string();
         },
         "not a regular file"},
        {"one byte over 1 MiB",
         [](const auto& f) {
           WriteFile(f / "big.pfcdesign", PaddedDesign(kDesignFileMaxBytes + 1));
           return (f / "big.pfcdesign").string();
         },
         "1 MiB"},
        {"a sparse file of a terabyte",
         [](const auto& f) {
           std::filesystem::path path = f / "huge.pfcdesign";
           WriteFile(path, "{");
           std::filesystem::resize_file(path, std::uintmax_t{1} << 40);
           return path.string();
         },
         "1 MiB"},
        {"a device", [](const auto&) { return std::string("/dev/zero"); }, "not a regular file"},
    }));

TEST(ReadDesignFile, OpensAFileOfExactlyTheLargestSize) {
  ScratchFolder folder;
  WriteFile(folder.Path() / "full.pfcdesign", PaddedDesign(kDesignFileMaxBytes));
  const DesignFileRead read = ReadDesignFile((folder.Path() / "full.pfcdesign").string());
  EXPECT_TRUE(read.read) << read.Message();
}

TEST(ReadDesignFile, AFileItMayNotReadIsRefusedWithTheSystemsReason) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "root reads every file";
  ScratchFolder folder;
  const std::filesystem::path path = folder.Path() / "locked.pfcdesign";
  WriteFile(path, DesignFileText(DesignFile{}));
  ::chmod(path.c_str(), 0);
  const DesignFileRead read = ReadDesignFile(path.string());
  EXPECT_FALSE(read.read);
  EXPECT_EQ(read.reason, "Permission denied");
}

}  // namespace
}  // namespace pfc

namespace pfc {
namespace {

// A material of one's own travels in the file by value, exactly, loss fit included.
TEST(DesignFile, KeepsAMaterialOfOnesOwnByValue) {
  DesignFile design = UnusualDesign();
  Material own;
  own.name = "Mix 60 «é»";
  own.permeability = 60.5;
  own.b = 0.0123456789012345;
  own.c = 1.7;
  own.loss = {41.25, 1.3, 2.4};
  design.part.material.own = own;
  design.part.material.grade = 26;  // left behind by the window: the material wins
  const std::string text = DesignFileText(design);
  const auto json = nlohmann::json::parse(text);
  EXPECT_EQ(json["version"], "1.2");
  EXPECT_FALSE(json.contains("rolloff-grade"));
  const DesignFileRead read = DesignFileFromText(text);
  ASSERT_TRUE(read.read) << read.reason;
  ASSERT_TRUE(read.design.part.material.own.has_value());
  EXPECT_EQ(*read.design.part.material.own, own);
}

std::string WithMaterial(const std::string& material) {
  return R"({"format":"pfc-design","version":"1.2","rolloff-grade":26,"material":)" + material +
         "}";
}

TEST(DesignFile, RefusesAMaterialAsAMaterialFileWouldNamingItsField) {
  struct Case {
    std::string material;
    const char* named;
  };
  const Case cases[] = {
      {R"({"name":"Mine","permeability":60,"rolloff_b":0.01,"rolloff_c":0.5})",
       "\"material.rolloff_c\" is 0.5"},
      {R"({"name":"Mine","permeability":-60,"rolloff_b":0.01,"rolloff_c":1.5})",
       "\"material.permeability\""},
      {R"({"name":"Mine","permeability":60,"rolloff_c":1.5})", "\"material.rolloff_b\""},
      {R"({"name":"90","permeability":60,"rolloff_b":0.01,"rolloff_c":1.5})", "\"material.name\""},
      {R"({"name":"Mine","permeability":60,"rolloff_b":0.01,"rolloff_c":1.5,"colour":1})",
       "\"material.colour\""},
      {R"({"name":"Mine","permeability":60,"rolloff_b":0.01,"rolloff_c":1.5,"loss_k":3})",
       "\"material.loss_alpha\""},
      {R"("Mine")", "\"material\" is a text"},
  };
  for (const Case& c : cases) {
    const DesignFileRead read = DesignFileFromText(WithMaterial(c.material));
    EXPECT_FALSE(read.read) << c.material;
    EXPECT_NE(read.reason.find(c.named), std::string::npos) << read.reason;
  }
}

TEST(DesignFile, AFileOfVersionOnePointOneKeepsItsGrade) {
  const DesignFileRead read = DesignFileFromText(
      R"({"format":"pfc-design","version":"1.1","rolloff-grade":26,"winding":{"turns":30}})");
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.design.part.material, (PartMaterial{26, std::nullopt}));
  EXPECT_EQ(read.design.part.winding, (WindingRequest{30.0, std::nullopt}));
}

}  // namespace
}  // namespace pfc
