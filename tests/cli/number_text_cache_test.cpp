#include "cli/number_text_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

// Many more numbers than the cache has room for, each met several times in shuffled order,
// so that slots are shared, replaced and found again: every text must still be FormatShortest's.
TEST(NumberTextCache, WritesWhatFormatShortestWritesWhateverItRemembers) {
  std::mt19937_64 random(20261207);
  std::vector<double> values = {0.0,
                                -0.0,
                                1e-5,
                                9.999999999999999e-6,
                                1e17,
                                -1.7976931348623157e308,
                                std::numeric_limits<double>::denorm_min(),
                                0.000012345678901234567,
                                101.85260120411928};
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  while (values.size() < 20000)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  std::vector<double> order;
  for (int pass = 0; pass < 3; ++pass)
    order.insert(order.end(), values.begin(), values.end());
  std::shuffle(order.begin(), order.end(), random);

  NumberTextCache cache;
  for (const double value : order) {
    std::string text = "x";
    cache.AppendShortest(text, value);
    ASSERT_EQ(text, "x" + FormatShortest(value)) << value;
  }
}

}  // namespace
}  // namespace pfc
