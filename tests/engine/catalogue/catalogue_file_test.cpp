#include "engine/catalogue/catalogue_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/record/design_record.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

// The header users' files are written with; a rename breaks their files.
constexpr const char* kHeader =
    "PartNo,OD (mm),ID (mm),HT (mm),Mass (g),Lm (cm),Ac (cm²),Al (nH/turn²),Wa (cm²),WaAc (cm⁴)\n";
constexpr const char* kRow1 = "A-1,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n";
constexpr const char* kRow2 = "A-2,13.66,7.46,6.29,2.138,3.216,0.093,36,0.44,0.04\n";

std::string Rows(int count) {
  std::string rows;
  for (int row = 1; row <= count; ++row)
    rows += "R" + std::to_string(row) + ",20,10,5,3,4,0.1,30,0.5," + std::to_string(row) + "\n";
  return rows;
}

struct Accepted {
  const char* what;
  std::string text;
  int rows;
};

class AcceptedCatalogueTest : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedCatalogueTest, IsRead) {
  const CatalogueRead read = CatalogueFromText(GetParam().text, "cores.csv");
  ASSERT_TRUE(read.read) << read.problem;
  EXPECT_EQ(read.catalogue.RowCount(), GetParam().rows);
  EXPECT_EQ(read.catalogue.PartNo.size(), read.catalogue.WaAc.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedCatalogueTest,
    ::testing::Values(
        Accepted{"plain", std::string(kHeader) + kRow1 + kRow2, 2},
        Accepted{"byte-order mark and CR LF",
                 "\xEF\xBB\xBF" + std::string(kHeader) + "\r\n" + kRow1 + "\r\n", 1},
        Accepted{"header in other case, blanks around",
                 "partno, od (MM) ,ID (mm),HT (mm),Mass (g),Lm (cm),Ac (cm²),Al (nH/turn²),"
                 "Wa (cm²),WaAc (cm⁴)\n" +
                     std::string(kRow1),
                 1},
        Accepted{"exponents and blanks around numbers",
                 std::string(kHeader) + "A-1, 1.323e1 ,7.46,6.12,1.834,3.14,8E-2,32,0.44,0.03\n",
                 1},
        Accepted{"quoted part number with a comma",
                 std::string(kHeader) + "\"A,1\",13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n",
                 1},
        Accepted{
            "equal area products",
            std::string(kHeader) + kRow1 + "A-2,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2},
        Accepted{"blank lines", std::string(kHeader) + "\n\n" + kRow1 + "\n", 1},
        Accepted{"a thousand rows", std::string(kHeader) + Rows(1000), 1000}),
    [](const auto& info) { return std::to_string(info.index); });

struct Refused {
  const char* what;
  std::string text;
  int line;           // 0: the file as a whole
  int column;         // 0: the line as a whole
  const char* words;  // what the message must say, in its own words
};

// The message speaks of this line or column: "line 4" but not "line 40".
bool Mentions(const std::string& message, const std::string& what, int number) {
  const std::string text = what + " " + std::to_string(number);
  for (std::size_t at = message.find(text); at != std::string::npos;
       at = message.find(text, at + 1)) {
    const std::size_t after = at + text.size();
    if (after == message.size() || !std::isdigit(static_cast<unsigned char>(message[after])))
      return true;
  }
  return false;
}

class RefusedCatalogueTest : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCatalogueTest, NamesFileLineAndColumnAndWhatIsWrong) {
  const Refused& c = GetParam();
  const CatalogueRead read = CatalogueFromText(c.text, "/data/mine.csv");
  ASSERT_FALSE(read.read) << c.what;
  EXPECT_EQ(read.catalogue.RowCount(), -1) << "nothing of a refused file is kept";
  const std::string& m = read.problem;
  EXPECT_EQ(m.rfind("/data/mine.csv", 0), 0u) << m;
  if (c.line > 0) {
    EXPECT_TRUE(Mentions(m, "line", c.line)) << m;
  }
  if (c.line > 0 && c.column == 0) {
    EXPECT_EQ(m.find("column"), std::string::npos) << m;
  }
  if (c.column > 0) {
    EXPECT_TRUE(Mentions(m, "column", c.column)) << m;
  }
  EXPECT_NE(m.find(c.words), std::string::npos) << m;
}

const std::string kH = kHeader;
const std::string kOk = kRow1;

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedCatalogueTest,
    ::testing::Values(
        Refused{"header without the area product",
                "PartNo,OD (mm),ID (mm),HT (mm),Mass (g),Lm (cm),Ac (cm²),Al (nH/turn²),"
                "Wa (cm²)\n" +
                    kOk,
                1, 10, "missing"},
        Refused{"header with a column more", kH.substr(0, kH.size() - 1) + ",Price\n" + kOk, 1, 11,
                "\"Price\""},
        Refused{"header in other units",
                "PartNo,OD (in),ID (mm),HT (mm),Mass (g),Lm (cm),Ac (cm²),Al (nH/turn²),"
                "Wa (cm²),WaAc (cm⁴)\n" +
                    kOk,
                1, 2, "OD (in)"},
        Refused{"no header", kOk + kRow2, 1, 1, "A-1"},
        Refused{"row short of a column",
                kH + kOk + "A-2,13.66,7.46,6.29,2.138,3.216,0.093,36,0.44\n", 3, 10, "missing"},
        Refused{"row ending in a comma", kH + "A-1,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03,\n",
                2, 11, "too many"},
        Refused{"letters", kH + "A-1,13.23,7.46x,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 3,
                "not a number"},
        Refused{"decimal comma", kH + "A-1,13.23,\"7,46\",6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2,
                3, "not a number"},
        Refused{"empty number", kH + "A-1,13.23,7.46,,1.834,3.14,0.08,32,0.44,0.03\n", 2, 4,
                "empty"},
        Refused{"zero", kH + "A-1,13.23,7.46,6.12,0,3.14,0.08,32,0.44,0.03\n", 2, 5, "above zero"},
        Refused{"negative", kH + "A-1,13.23,7.46,6.12,1.834,-3.14,0.08,32,0.44,0.03\n", 2, 6,
                "above zero"},
        Refused{"infinity", kH + "A-1,13.23,7.46,6.12,1.834,3.14,inf,32,0.44,0.03\n", 2, 7,
                "finite"},
        Refused{"not a number", kH + "A-1,13.23,7.46,6.12,1.834,3.14,0.08,nan,0.44,0.03\n", 2, 8,
                "finite"},
        Refused{"too large to hold", kH + "A-1,13.23,7.46,6.12,1.834,3.14,0.08,32,1e999,0.03\n", 2,
                9, "too large"},
        Refused{"too small for the method's arithmetic",
                kH + "A-1,13.23,7.46,6.12,1.834,3.14,1e-300,32,0.44,0.03\n", 2, 7, "range"},
        Refused{"too large for the method's arithmetic",
                kH + "A-1,13.23,7.46,6.12,1.834,1e7,0.08,32,0.44,0.03\n", 2, 6, "range"},
        Refused{"ID equal to OD", kH + "A-1,13.23,13.23,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 3,
                "not below"},
        Refused{"ID above OD", kH + kOk + "A-2,13.66,17.46,6.29,2.138,3.216,0.093,36,0.44,0.04\n",
                3, 3, "not below"},
        Refused{"duplicate part number",
                kH + kOk + kRow2 + "A-1,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.05\n", 4, 1,
                "line 2 already"},
        Refused{"empty part number", kH + ",13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 1,
                "empty"},
        Refused{"blank in a part number",
                kH + "\"TD 01\",13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 1, "blank"},
        Refused{"trailing blank", kH + "TD-01 ,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2,
                1, "blank"},
        Refused{"tab in a part number",
                kH + "TD\t01,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 1, "blank"},
        Refused{"line break in a part number",
                kH + "\"TD\n01\",13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 1,
                "line break"},
        Refused{"area product falling", kH + kRow2 + kOk, 3, 10, "below the row before"},
        Refused{"a thousand and one rows", kH + Rows(1001), 1002, 0, "more than 1000"},
        Refused{"quote not closed", kH + "\"A-1,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2,
                0, "quoted"},
        Refused{"NUL byte", kH + std::string("A-1,13.23\0,7.46", 15), 2, 0, "binary"},
        Refused{"control character", kH + "A\x01-1,13.23", 2, 0, "binary"},
        Refused{"not UTF-8", kH + "\xB5-1,13.23,7.46,6.12,1.834,3.14,0.08,32,0.44,0.03\n", 2, 0,
                "UTF-8"},
        Refused{"empty file", "", 0, 0, "empty"},
        Refused{"only blank lines", "\r\n\r\n", 0, 0, "empty"},
        Refused{"header alone", kH, 0, 0, "no cores"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(CatalogueFile, AFileIsReadWithItsAbsolutePathAndTheHashOfItsBytes) {
  pfc::test::ScratchFolder folder;
  const std::string bytes = kH + kOk;
  pfc::test::WriteFile(folder.File("mine.csv"), bytes);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  const CatalogueRead read = ReadCatalogueFile("./mine.csv");
  std::filesystem::current_path(before);
  ASSERT_TRUE(read.read) << read.problem;
  EXPECT_EQ(read.origin.file, folder.File("mine.csv"));
  EXPECT_EQ(read.origin.sha256, Sha256Hex(bytes));
  EXPECT_FALSE(read.origin.BuiltIn());
}

TEST(CatalogueFile, Sha256IsTheStandardOne) {
  // The published test vectors of the algorithm.
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

struct UnreadableFile {
  const char* what;
  std::string bytes;  // written to mine.csv unless empty
  const char* path;   // relative to the scratch folder
  const char* words;
};

class UnreadableCatalogueTest : public ::testing::TestWithParam<UnreadableFile> {};

TEST_P(UnreadableCatalogueTest, IsRefusedNamingTheFile) {
  const UnreadableFile& c = GetParam();
  pfc::test::ScratchFolder folder;
  std::filesystem::create_directory(folder.Path() / "folder.csv");
  if (!c.bytes.empty())
    pfc::test::WriteFile(folder.File("mine.csv"), c.bytes);
  const CatalogueRead read = ReadCatalogueFile(folder.File(c.path));
  ASSERT_FALSE(read.read);
  EXPECT_EQ(read.problem.rfind(folder.File(c.path), 0), 0u) << read.problem;
  EXPECT_NE(read.problem.find(c.words), std::string::npos) << read.problem;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableCatalogueTest,
    ::testing::Values(
        UnreadableFile{
            "over 1 MiB",
            kH + kOk + std::string(kCatalogueFileMaxBytes - kH.size() - kOk.size() + 1, '\n'),
            "mine.csv", "1 MiB"},
        UnreadableFile{"missing", "", "none.csv", "No such file"},
        UnreadableFile{"a folder", "", "folder.csv", "folder"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(CatalogueFile, OneMiBExactlyIsRead) {
  pfc::test::ScratchFolder folder;
  const std::string bytes =
      kH + kOk + std::string(kCatalogueFileMaxBytes - kH.size() - kOk.size(), '\n');
  pfc::test::WriteFile(folder.File("mine.csv"), bytes);
  const CatalogueRead read = ReadCatalogueFile(folder.File("mine.csv"));
  EXPECT_TRUE(read.read) << read.problem;
}

}  // namespace
}  // namespace pfc
