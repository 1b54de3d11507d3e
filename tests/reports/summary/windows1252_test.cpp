#include "reports/summary/windows1252.h"

#include <gtest/gtest.h>

#include <random>

namespace pfc {
namespace {

struct EncodeCase {
  const char* name;
  std::string utf8;
  std::string bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* out) {
  *out << c.name;
}

class Windows1252 : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Windows1252, EncodesOrReplacesEachCharacter) {
  EXPECT_EQ(EncodeWindows1252(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Windows1252,
    ::testing::Values(
        EncodeCase{"AsciiUntouched", "a <b> & 'c' \"d\"", "a <b> & 'c' \"d\""},
        EncodeCase{"EmbeddedNul", std::string("a\0b", 3), std::string("a\0b", 3)},
        EncodeCase{"DegreeSign", "155°C",
                   "155\xB0"
                   "C"},
        EncodeCase{"MicroSign", "µH", "\xB5H"}, EncodeCase{"SuperscriptTwo", "cm²", "cm\xB2"},
        EncodeCase{"LastLatin1", "ÿ", "\xFF"}, EncodeCase{"NoBreakSpace", "\u00A0", "\xA0"},
        EncodeCase{"EuroFromTheHighBlock", "€", "\x80"},
        EncodeCase{"QuotesFromTheHighBlock", "“x” – y", "\x93x\x94 \x96 y"},
        EncodeCase{"LastOfTheHighBlock", "Ÿ", "\x9F"},
        EncodeCase{"GreekBecomesReference", "Ω", "&#937;"},
        EncodeCase{"BeyondTheBasicPlane", "😀", "&#128512;"},
        EncodeCase{"C1ControlIsNotPassedThrough", "\xC2\x81", "&#65533;"},
        EncodeCase{"StrayContinuation",
                   "a\x80"
                   "b",
                   "a&#65533;b"},
        EncodeCase{"InvalidLeadByte", "\xFF", "&#65533;"},
        EncodeCase{"TruncatedAtTheEnd", "x\xC2", "x&#65533;"},
        EncodeCase{"TruncatedBeforeAscii",
                   "\xE2\x82"
                   "A",
                   "&#65533;&#65533;A"},
        EncodeCase{"Overlong", "\xC0\xAF", "&#65533;&#65533;"},
        EncodeCase{"Surrogate", "\xED\xA0\x80", "&#65533;&#65533;&#65533;"},
        EncodeCase{"BeyondUnicode", "\xF4\x90\x80\x80", "&#65533;&#65533;&#65533;&#65533;"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever arrives, the result is a clean single-byte text: no byte the code page leaves
// undefined, and nothing but ASCII around each reference.
TEST(Windows1252, RandomBytesNeverYieldUndefinedBytes) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 20000; ++round) {
    std::string input(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : input)
      c = static_cast<char>(byte(random));
    const std::string output = EncodeWindows1252(input);
    for (const char c : output) {
      const auto b = static_cast<unsigned char>(c);
      ASSERT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
          << "undefined byte from input of " << input.size() << " bytes";
    }
  }
}

}  // namespace
}  // namespace pfc
