#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "MapPictures.h"
#include "platform/Errors.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/ScopedTmpDir.h"
#include "support/TempDir.h"

namespace {

bool IsEmptyFolder(const std::string& dir) {
  return std::filesystem::is_empty(dir);
}

}  // namespace

TEST(MapResize, KeepsTheTopLeftCornerOfEveryLayer) {
  TempDir tmp;
  ScopedTmpDir scoped(tmp.Path());
  TMap map;
  map.Setup(100, 100, 32, 32, 8);
  for (int layer = 0; layer < 2; ++layer) {
    map.AppendLayer("a", nullptr);
    Paste(map, layer, 0, 0, "1");
    for (int i = 0; i < 100 * 100; ++i)
      map.LayerAt(layer).Cells[i] = static_cast<uint16_t>(i + layer);
  }
  map.ClearModified();
  EXPECT_TRUE(map.Resize(50, 120));
  EXPECT_EQ(map.GetWidth(), 50);
  EXPECT_EQ(map.GetHeight(), 120);
  for (int layer = 0; layer < 2; ++layer) {
    const auto& cells = map.LayerAt(layer).Cells;
    ASSERT_EQ(cells.size(), 50u * 120u);
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 50; ++x) {
        ASSERT_EQ(cells[y * 50 + x], y < 100 ? y * 100 + x + layer : 0) << x << "," << y;
      }
    }
  }
  EXPECT_TRUE(map.IsModified());
  EXPECT_FALSE(map.CanUndo());  // the records addressed cells by the old width
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));

  map.ClearModified();
  EXPECT_FALSE(map.Resize(50, 120));
  for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {1 << 20, 1 << 20}}) EXPECT_FALSE(map.Resize(w, h));
  EXPECT_FALSE(map.IsModified());
  EXPECT_EQ(map.GetWidth(), 50);
}

TEST(MapResize, FileFailuresLeaveEveryLayerAtOneSizeAndNoTemporaryFile) {
  TempDir tmp;
  {
    ScopedTmpDir missing(tmp.File("missing"));
    auto map = MapOf({"1 2 / 3 4"});
    try {
      map->Resize(3, 3);
      ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
      // The resize failure box shows this text to the user.
      EXPECT_EQ(std::string(error.what()).rfind("ファイル " + tmp.File("missing") + "/LAY", 0), 0u)
          << error.what();
      EXPECT_NE(std::string(error.what()).find(" を作成できません ("), std::string::npos);
    }
    EXPECT_EQ(Picture(*map, 0), "1 2 / 3 4");
  }
  ScopedTmpDir scoped(tmp.Path());
  auto map = MapOf({"1 2 3 / 4 5 6", "7 8 9 / 1 2 3"});
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_THROW(map->Resize(2, 2), EInOutError);
  }
  EXPECT_EQ(Picture(*map, 0), "1 2 3 / 4 5 6");  // failed on the first layer: unchanged
  EXPECT_EQ(map->GetWidth(), 3);
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));

  map->LayerAt(0).Cells.resize(1);  // a short first layer passes; the second cannot
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_THROW(map->Resize(2, 2), EInOutError);
  }
  EXPECT_EQ(map->GetWidth(), 2);
  EXPECT_EQ(Picture(*map, 0), "1 0 / 0 0");
  EXPECT_EQ(Picture(*map, 1), "7 8 / 1 2");
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIMWELL_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BRIMWELL_SANITIZED 1
#endif

namespace {

long VirtualKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
  return -1;
}

// In a child process whose address space ends a little above what it uses, so that the second
// layer's new cells cannot be had: the exit code says which check failed.
int ResizeOutOfMemory(const std::string& tmpDir) {
  ScopedTmpDir scoped(tmpDir);
  TMap map;
  map.Setup(500, 500, 32, 32, 16);
  for (int layer = 0; layer < 3; ++layer) {
    map.AppendLayer("a", nullptr);
    auto& cells = map.LayerAt(layer).Cells;
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<uint16_t>(i * 7 + layer);
  }
  map.ClearModified();
  const std::vector<uint16_t> second = map.LayerAt(1).Cells;
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = static_cast<rlim_t>(VirtualKilobytes() + 48 * 1024) * 1024;  // 4000² is 32 MB
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 10;
  try {
    map.Resize(4000, 4000);
    return 11;
  } catch (const EAbort&) {
  }
  if (map.GetWidth() != 500 || map.GetHeight() != 500 || map.LayerCount() != 3) return 12;
  for (int layer = 0; layer < 3; ++layer) {
    const auto& cells = map.LayerAt(layer).Cells;
    if (cells.size() != 500u * 500u) return 13;
    for (size_t i = 0; i < cells.size(); ++i)
      if (cells[i] != static_cast<uint16_t>(i * 7 + layer)) return 14;
  }
  return map.LayerAt(1).Cells == second && std::filesystem::is_empty(tmpDir) ? 0 : 15;
}

}  // namespace

TEST(MapResize, OutOfMemoryPartWayPutsTheResizedLayersBack) {
#ifdef BRIMWELL_SANITIZED
  GTEST_SKIP() << "the sanitizer's shadow memory needs the whole address space";
#else
  TempDir tmp;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(ResizeOutOfMemory(tmp.Path()));
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}
