#include "reports/check/operating_check_csv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace pfc {
namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
       start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The field read back, or nothing for an empty one.
CheckedNumber ReadBack(const std::string& field) {
  if (field.empty())
    return std::nullopt;
  double value = 0;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  EXPECT_EQ(result.ptr, field.data() + field.size()) << field;
  return value;
}

// Values no short decimal holds, and the ripple missing where a core saturates.
OperatingCheck CheckWithAwkwardNumbers() {
  OperatingCheck check;
  for (LineCheck* line : {&check.lowLine, &check.highLine}) {
    const double scale = line == &check.lowLine ? 1.0 : 1.0 / 3;
    for (int k = 0; k < kCheckedAngles; ++k) {
      CheckedAngle& a = line->angles[static_cast<std::size_t>(k)];
      a.deg = k;
      a.vin = 120.20815280171308 * k / 90 * scale;
      a.iAvg = 0.1 * k * scale;
      a.duty = 1 - k / 97.0;
      a.ripplePp = k % 7 == 3 ? CheckedNumber() : CheckedNumber(2.0 / 3 * scale);
      a.iMax = a.ripplePp ? CheckedNumber(*a.iAvg + *a.ripplePp / 2) : CheckedNumber();
      a.fluxSwingT = 1e-7 * (k + 1);
    }
  }
  return check;
}

TEST(OperatingCheckCsv, WritesBothLinesAngleByAngleReadingBackExactly) {
  const OperatingCheck check = CheckWithAwkwardNumbers();
  const std::string csv = OperatingCheckCsv(check, 3);

  ASSERT_TRUE(csv.ends_with("\n"));
  std::vector<std::string> lines = Split(csv.substr(0, csv.size() - 1), "\n");
  ASSERT_EQ(lines.size(), 1u + 2 * kCheckedAngles);
  EXPECT_EQ(Split(lines[0], ","),
            (std::vector<std::string>{"line", "deg", "vin", "i_avg", "duty", "ripple_pp", "i_max",
                                      "flux_swing_t", "strands"}));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const bool low = i <= kCheckedAngles;
    const CheckedAngle& a = (low ? check.lowLine : check.highLine).angles[(i - 1) % kCheckedAngles];
    const std::vector<std::string> fields = Split(lines[i], ",");
    ASSERT_EQ(fields.size(), 9u);
    EXPECT_EQ(fields[0], low ? "low" : "high");
    EXPECT_EQ(fields[1], std::to_string(a.deg));
    EXPECT_EQ(ReadBack(fields[2]), a.vin);
    EXPECT_EQ(ReadBack(fields[3]), a.iAvg);
    EXPECT_EQ(ReadBack(fields[4]), a.duty);
    EXPECT_EQ(ReadBack(fields[5]), a.ripplePp);
    EXPECT_EQ(ReadBack(fields[6]), a.iMax);
    EXPECT_EQ(ReadBack(fields[7]), a.fluxSwingT);
    EXPECT_EQ(fields[8], "3");
  }
}

}  // namespace
}  // namespace pfc
