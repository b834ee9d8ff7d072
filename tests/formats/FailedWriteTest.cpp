// A write that fails halfway must leave the file that was there before untouched. The files are
// cut off by a limit on the process's file size, which holds even for root (CI runs as root,
// so a read-only folder would not stop it).
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>

#include "FormatsTestUtil.h"
#include "formats/MapExport.h"
#include "formats/ProjectWriter.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/TempDir.h"

namespace {

class FailedWriteTest : public ::testing::Test {
 protected:
  FailedWriteTest() {
    BuildMap(map, 60, 60, 16, 16, {"", ""});
    map.LayerAt(1).Cells.assign(3600, 7);
    chip.Image = NumberedParts(16, 16, 1, true);
    map.SetLayerChip(0, &chip);
  }
  // Runs `write` under a 4 KB limit on a path that holds an older file.
  void ExpectOldFileKept(const std::string& name,
                         const std::function<TFileResult(const std::string&)>& write) {
    const std::string path = dir.File(name);
    WriteFileBytes(path, "the previous file");
    TFileResult result;
    {
      ScopedFileSizeLimit limit(4096);
      result = write(path);
    }
    EXPECT_FALSE(result.ok) << name;
    EXPECT_FALSE(result.reason.empty()) << name;
    EXPECT_EQ(ReadFileBytes(path), "the previous file") << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left behind by " << name;
    std::filesystem::remove(path);
  }
  TempDir dir;
  TMap map;
  TMapChip chip;
};

TEST_F(FailedWriteTest, EveryWriterLeavesThePreviousFile) {
  TProjectRecords records = TestRecords();
  ExpectOldFileKept("p.bwp", [&](const std::string& p) { return WriteProjectFile(p, map, records); });
  ExpectOldFileKept("m.fmf", [&](const std::string& p) { return ExportFMFFile(map, p); });
  ExpectOldFileKept("a.csv", [&](const std::string& p) {
    return ExportCSVFile(map, p, TCSVVariant::V1);
  });
  ExpectOldFileKept("b.csv", [&](const std::string& p) {
    return ExportCSVFile(map, p, TCSVVariant::V2);
  });
  ExpectOldFileKept("m.bmp", [&](const std::string& p) {
    return ExportBitmapFile(map, p, 0, true, 0x00FF00);
  });
}

// A flush or a close that fails may have lost bytes that every write reported as written.
TEST_F(FailedWriteTest, AFailedFlushOrCloseIsAFailedWrite) {
  TProjectRecords records = TestRecords();
  const std::pair<const char*, std::function<TFileResult(const std::string&)>> writers[] = {
      {"p.bwp", [&](const std::string& p) { return WriteProjectFile(p, map, records); }},
      {"m.fmf", [&](const std::string& p) { return ExportFMFFile(map, p); }},
      {"a.csv", [&](const std::string& p) { return ExportCSVFile(map, p, TCSVVariant::V1); }},
      {"b.csv", [&](const std::string& p) { return ExportCSVFile(map, p, TCSVVariant::V2); }},
      {"m.bmp", [&](const std::string& p) { return ExportBitmapFile(map, p, 0, false, 0); }},
  };
  for (auto call : {ScopedFailingCall::Sync, ScopedFailingCall::Close}) {
    for (const auto& [name, write] : writers) {
      const std::string path = dir.File(name);
      WriteFileBytes(path, "the previous file");
      TFileResult result;
      {
        ScopedFailingCall failing(call);
        result = write(path);
      }
      EXPECT_FALSE(result.ok) << name << " " << call;
      EXPECT_EQ(result.reason,
                "ファイル " + path + " に書き込めません (入出力エラーが発生しました)");
      EXPECT_EQ(ReadFileBytes(path), "the previous file") << name << " " << call;
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                              std::filesystem::directory_iterator()),
                1)
          << "no temporary file left behind by " << name;
      std::filesystem::remove(path);
    }
  }
}

TEST_F(FailedWriteTest, TheBooleanExportsReportTheFailure) {
  ScopedFileSizeLimit limit(4096);
  EXPECT_FALSE(map.ExportFMF(dir.File("m.fmf")));
  EXPECT_FALSE(map.ExportCSV1(dir.File("a.csv")));
  EXPECT_FALSE(map.ExportCSV2(dir.File("b.csv")));
  EXPECT_FALSE(map.ExportBitmap(dir.File("m.bmp"), 0, false, 0));
}

TEST_F(FailedWriteTest, AFolderThatDoesNotExistIsReported) {
  TProjectRecords records = TestRecords();
  const TFileResult result = WriteProjectFile(dir.File("no/such/p.bwp"), map, records);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "ファイル " + dir.File("no/such/p.bwp") +
                               " を作成できません (ファイルまたはフォルダーが見つかりません)");
}

TEST_F(FailedWriteTest, AReadOnlyFolderKeepsItsFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string sub = dir.File("ro");
  std::filesystem::create_directory(sub);
  WriteFileBytes(sub + "/p.bwp", "old");
  std::filesystem::permissions(sub, std::filesystem::perms::owner_read |
                                        std::filesystem::perms::owner_exec);
  TProjectRecords records = TestRecords();
  EXPECT_FALSE(WriteProjectFile(sub + "/p.bwp", map, records).ok);
  std::filesystem::permissions(sub, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(sub + "/p.bwp"), "old");
}

}  // namespace

namespace {

// Replacing a file through its temporary copy must not turn a link into a file or lose the
// file's permissions.
TEST(SafeFileWriterTest, AReplacedFileKeepsItsLinkAndPermissions) {
  TempDir dir;
  const std::string real = dir.File("real.csv"), link = dir.File("link.csv");
  WriteFileBytes(real, "old");
  std::filesystem::permissions(real, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  std::filesystem::create_symlink("real.csv", link);
  TMap map;
  BuildMap(map, 2, 1, 16, 8, {"1 2"});
  ASSERT_TRUE(ExportCSVFile(map, link, TCSVVariant::V1).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), "1,2\r\n\r\n");
  EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
}

}  // namespace
