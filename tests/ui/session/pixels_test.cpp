#include <gtest/gtest.h>

#include "ui/toolkit/twips.h"

namespace pfc::ui {
namespace {

// A measure in twips lands on the nearest pixel, on either side of the origin: a window
// laid out in twips keeps its edges where the same layout in pixels puts them.
TEST(Pixels, RoundTwipsToTheNearestPixel) {
  const struct {
    int twips;
    int pixels;
  } cases[] = {{0, 0},  {7, 0},       {8, 1},  {15, 1},  {22, 1},
               {23, 2}, {11445, 763}, {-7, 0}, {-8, -1}, {-23, -2}};
  for (const auto& c : cases)
    EXPECT_EQ(Pixels(c.twips), c.pixels) << c.twips << " twips";
}

}  // namespace
}  // namespace pfc::ui
