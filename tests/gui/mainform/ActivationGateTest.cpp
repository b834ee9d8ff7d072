// Which activations of the application run the parts-image check: the first, and each that ends
// a real absence; not the activation that follows a box of ours closing a moment earlier.
#include <gtest/gtest.h>

#include "editor/ActivationGate.h"

TEST(ActivationGate, CountsOnlyReturnsFromRealAbsences) {
  const int64_t away = TActivationGate::kAwayMs;
  // 'D' deactivated, 'A' activated, each with its time and, for 'A', whether it counts.
  const struct {
    char event;
    int64_t at;
    bool counts;
  } steps[] = {
      {'A', 0, true},      // start-up
      {'D', 1000, false},  // a box closes: no active window for a moment
      {'A', 1000, false},  // the window system activates the program again
      {'D', 1002, false},  // and once more
      {'A', 1003, false},
      {'D', 2000, false},        // the user goes to another program
      {'D', 2100, false},        // deactivated twice: the absence began at 2000
      {'A', 2000 + away, true},  // and comes back
      {'A', 5000, false},        // activated again without leaving
      {'D', 6000, false},        // a trip too short to be one
      {'A', 6000 + away - 1, false},
  };
  TActivationGate gate;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.event << " at " << step.at);
    if (step.event == 'D')
      gate.Deactivated(step.at);
    else
      EXPECT_EQ(gate.Activated(step.at), step.counts);
  }
}
