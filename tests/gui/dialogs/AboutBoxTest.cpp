#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <vector>

#include "windows/AboutBoxUnit.h"

namespace {

constexpr uint64_t kMB = 1024 * 1024;

}  // namespace

TEST(MemoryFigure, KilobytesUpToOneMegabyteThenMegabytes) {
  EXPECT_EQ(FormatMemoryFigure(1048576), QStringLiteral("1,024KB"));
  EXPECT_EQ(FormatMemoryFigure(1048577), QStringLiteral("1MB"));
  EXPECT_EQ(FormatMemoryFigure(512 * kMB), QStringLiteral("512MB"));
  EXPECT_EQ(FormatMemoryFigure(10ULL * 1024 * 1024 * kMB), QStringLiteral("10,485,760MB"));
}

TEST(MemoryFigure, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(FormatMemoryFigure(512), QStringLiteral("0KB"));   // 0.5
  EXPECT_EQ(FormatMemoryFigure(1536), QStringLiteral("2KB"));  // 1.5
  EXPECT_EQ(FormatMemoryFigure(2560), QStringLiteral("2KB"));  // 2.5
  EXPECT_EQ(FormatMemoryFigure(2561), QStringLiteral("3KB"));
  EXPECT_EQ(FormatMemoryFigure(7 * kMB / 2), QStringLiteral("4MB"));  // 3.5
  EXPECT_EQ(DivideRoundHalfEven(UINT64_MAX, 2), UINT64_MAX / 2 + 1);  // no overflow near the top
}

TEST(AboutCaption, FillsInFromTheRightThenNudgesTheLastLetter) {
  std::vector<QString> steps;
  for (int k = 0; AboutCaptionAtStep(QStringLiteral("abc"), k); ++k)
    steps.push_back(*AboutCaptionAtStep(QStringLiteral("abc"), k));
  EXPECT_EQ(steps, (std::vector<QString>{"", "c", "bc", "abc", "ab c", "ab c", "abc", "abc"}));
  const int n = static_cast<int>(TAboutBox::kCaption.size());
  EXPECT_EQ(*AboutCaptionAtStep(TAboutBox::kCaption, n + 1),
            QStringLiteral("About Brimwell MapEdito r"));
}

TEST(AboutBox, ShowsTheVersionAndTheFiguresAfterTheirTexts) {
  MemoryStatus memory;
  memory.totalPhysical = 512 * kMB;
  memory.heapAllocated = 2048;
  memory.heapAddressSpace = 3 * kMB;
  TAboutBox box(memory);
  EXPECT_EQ(box.Version->text(), QStringLiteral("Version 1.52b"));
  EXPECT_EQ(box.PhysicalLines[0]->text(), QStringLiteral("メモリ合計        : 512MB"));
  EXPECT_EQ(box.HeapLines[0]->text(), QStringLiteral("動的メモリの使用量　　: 2KB"));
  EXPECT_EQ(box.HeapLines[1]->text(), QStringLiteral("使用可能アドレス領域 : 3MB"));
}

TEST(AboutBox, AnimatesCaptionAndGaugeThenStops) {
  MemoryStatus memory;
  memory.memoryLoad = 40;
  TAboutBox box(memory);
  box.AnimationTick();
  EXPECT_EQ(box.windowTitle(), QStringLiteral("r"));
  EXPECT_EQ(box.Gauge->value(), 1);
  for (int i = 0; i < 200; ++i) box.AnimationTick();
  EXPECT_FALSE(box.Animating());
  EXPECT_EQ(box.windowTitle(), TAboutBox::kCaption);
  EXPECT_EQ(box.Gauge->value(), 41);   // grows until it exceeds the load
  EXPECT_FALSE(GaugeGrows(100, 100));  // a full load stops at the top
}

TEST(MemoryStatus, ReadsPlausiblePhysicalFigures) {
  const MemoryStatus status = ReadMemoryStatus();
  EXPECT_GT(status.totalPhysical, 0u);
  EXPECT_LE(status.availablePhysical, status.totalPhysical);
  EXPECT_GE(status.memoryLoad, 0);
  EXPECT_LE(status.memoryLoad, 100);
  EXPECT_EQ(MemoryLoadPercent(200, 50), 75);
  EXPECT_EQ(MemoryLoadPercent(0, 0), 0);
}
