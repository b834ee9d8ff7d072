// The zoom steps of the main view and the parts window, with parts that are not square.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "editor/ZoomSteps.h"

namespace {

using Sizes = std::vector<std::pair<int, int>>;

// The sizes after each step that moved both sides.
Sizes StepsFrom(int& width, int& height, int partWidth, int partHeight, int direction) {
  Sizes sizes;
  while (StepZoom(width, height, partWidth, partHeight, direction))
    sizes.push_back({width, height});
  return sizes;
}

}  // namespace

TEST(ZoomSteps, AWidthThatFitsIsTakenWhenTheHeightStops) {
  int width = 6, height = 32;  // steps of 1 and 6 pixels
  EXPECT_EQ(StepsFrom(width, height, 6, 32, 1),
            (Sizes{{7, 38}, {8, 44}, {9, 50}, {10, 56}, {11, 62}}));
  EXPECT_EQ(width, 12);
  EXPECT_EQ(height, 62);
  EXPECT_FALSE(CanZoom(width, 6, 1));
  EXPECT_TRUE(CanZoom(height, 32, -1));
  // Out again: the height reaches 2 pixels while the width goes on to 1.
  EXPECT_EQ(StepsFrom(width, height, 6, 32, -1), (Sizes{{11, 56},
                                                        {10, 50},
                                                        {9, 44},
                                                        {8, 38},
                                                        {7, 32},
                                                        {6, 26},
                                                        {5, 20},
                                                        {4, 14},
                                                        {3, 8},
                                                        {2, 2}}));
  EXPECT_EQ(width, 1);
  EXPECT_EQ(height, 2);
}
