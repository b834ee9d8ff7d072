// When the recovery copy is written and removed, on a clock the test moves by hand.
#include <gtest/gtest.h>

#include "editor/RecoveryPolicy.h"

namespace {

using A = TRecoveryAction;

// One event of a timeline, then the action the policy asks for at that moment.
struct Step {
  int64_t t;
  char event;  // 'o' look (revision, modified), 'w' write starts, 'k' write succeeds,
               // 'x' write fails, 'd' discard, 'r' copy removed, '.' nothing
  uint64_t revision;
  bool modified;
  A expected;
};

struct Timeline {
  const char* name;
  std::vector<Step> steps;
};

void Play(const Timeline& timeline) {
  TRecoveryPolicy policy({3000, 60000});
  for (const Step& s : timeline.steps) {
    switch (s.event) {
      case 'o':
        policy.Observe(s.t, s.revision, s.modified);
        break;
      case 'w':
        policy.WriteStarted();
        break;
      case 'k':
        policy.WriteFinished(s.t, true);
        break;
      case 'x':
        policy.WriteFinished(s.t, false);
        break;
      case 'd':
        policy.Discard();
        break;
      case 'r':
        policy.Removed();
        break;
      default:
        break;
    }
    EXPECT_EQ(policy.Next(s.t), s.expected)
        << timeline.name << " at " << s.t << " '" << s.event << "'";
  }
}

TEST(RecoveryPolicyTest, Timelines) {
  const std::vector<Timeline> timelines = {
      {"a pause of three seconds",
       {{0, 'o', 0, false, A::None},
        {1000, 'o', 1, true, A::None},
        {3999, 'o', 1, true, A::None},
        {4000, 'o', 1, true, A::Write},
        {4000, 'w', 0, false, A::None},
        {4100, 'k', 0, false, A::None},
        {9000, 'o', 1, true, A::None}}},
      {"at least once a minute while changes go on",
       {{0, 'o', 1, true, A::None},
        {2000, 'o', 2, true, A::None},
        {30000, '.', 0, false, A::Write},
        {30000, 'o', 3, true, A::None},
        {32000, 'o', 4, true, A::None},
        {58000, 'o', 5, true, A::None},
        {59999, 'o', 6, true, A::None},
        {60000, 'o', 7, true, A::Write}}},
      {"changes during a write wait for their own pause",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3500, 'o', 2, true, A::None},
        {4000, 'k', 0, false, A::None},
        {6499, '.', 0, false, A::None},
        {6500, '.', 0, false, A::Write}}},
      {"a save removes the copy, and only a change makes another",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3100, 'k', 0, false, A::None},
        {5000, 'o', 1, false, A::Remove},
        {5000, 'r', 0, false, A::None},
        {90000, 'o', 1, false, A::None},
        {91000, 'o', 2, true, A::None},
        {94000, '.', 0, false, A::Write}}},
      {"changes given up: the copy goes though the document still has them",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3100, 'k', 0, false, A::None},
        {4000, 'd', 0, false, A::Remove},
        {4000, 'r', 0, false, A::None},
        {99000, 'o', 1, true, A::None},
        {99500, 'o', 2, true, A::None},
        {102500, '.', 0, false, A::Write}}},
      {"given up during a write: removed once the write is over",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3100, 'd', 0, false, A::None},
        {3200, 'k', 0, false, A::Remove}}},
      {"given up during a failing write: nothing left to remove later",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3100, 'd', 0, false, A::None},
        {3200, 'x', 0, false, A::None},
        {4000, 'o', 2, true, A::None},
        {7000, 'w', 0, false, A::None},
        {7100, 'k', 0, false, A::None}}},
      {"a failed write is tried again after a minute, not at every pause",
       {{0, 'o', 1, true, A::None},
        {3000, 'w', 0, false, A::None},
        {3100, 'x', 0, false, A::None},
        {10000, 'o', 2, true, A::None},
        {63099, '.', 0, false, A::None},
        {63100, '.', 0, false, A::Write}}},
  };
  for (const Timeline& timeline : timelines) Play(timeline);
}

TEST(RecoveryPolicyTest, LeftCopiesNewestFirstAndOldOnesExpire) {
  const int64_t day = 24 * 60 * 60 * 1000;
  const int64_t now = 1000 * day;
  const TLeftCopySort sort = SortLeftCopies({{"a", now - 2 * day},
                                             {"old", now - 30 * day - 1},
                                             {"b", now - 1000},
                                             {"edge", now - 30 * day},
                                             {"c", now - day}},
                                            now);
  std::vector<std::string> offered, expired;
  for (const TLeftCopy& c : sort.offer) offered.push_back(c.id);
  for (const TLeftCopy& c : sort.expired) expired.push_back(c.id);
  EXPECT_EQ(offered, (std::vector<std::string>{"b", "c", "a", "edge"}));
  EXPECT_EQ(expired, std::vector<std::string>{"old"});
}

}  // namespace
