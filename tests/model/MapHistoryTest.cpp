#include <gtest/gtest.h>

#include "MapPictures.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

TEST(MapHistory, FreshDocumentHasNothingToUndoOrRedo) {
  auto map = MapOf({"1 2"});
  EXPECT_FALSE(map->CanUndo() || map->CanRedo() || map->Undo() || map->Redo());
  EXPECT_FALSE(map->IsModified());
}

TEST(MapHistory, UndoAndRedoWalkOneGroupAtATime) {
  auto map = MapOf({"0 0 0"});
  Paste(*map, 0, 0, 0, "4 4");
  EXPECT_EQ(Kinds(*map), std::vector<uint8_t>({mtBegin, mtData, mtEnd, mtEmpty}));
  EXPECT_EQ(map->GetModifyCursor(), 3);
  map->BeginGroup();  // a pen stroke over one cell three times
  for (const char* value : {"1", "2", "3"}) {
    TModified block = Block(0, 2, 0, value);
    map->WriteBlock(block);
  }
  map->EndGroup();
  EXPECT_EQ(Picture(*map, 0), "4 4 3");

  map->ClearModified();
  EXPECT_TRUE(map->Undo());
  EXPECT_EQ(Picture(*map, 0), "4 4 0");
  EXPECT_TRUE(map->IsModified());
  EXPECT_TRUE(map->Undo());
  EXPECT_EQ(Picture(*map, 0), "0 0 0");
  EXPECT_EQ(map->GetModifyCursor(), 0);
  EXPECT_EQ(map->GetHistory().size(), 9u);
  EXPECT_TRUE(map->Redo());
  EXPECT_TRUE(map->Redo());
  EXPECT_EQ(Picture(*map, 0), "4 4 3");
  EXPECT_FALSE(map->CanRedo());

  map->FlushHistory();
  EXPECT_FALSE(map->CanUndo());
  EXPECT_EQ(Picture(*map, 0), "4 4 3");
}

TEST(MapHistory, NewEditAfterUndoDiscardsTheUndoneGroups) {
  auto map = MapOf({"0 0"});
  Paste(*map, 0, 0, 0, "1");
  Paste(*map, 0, 1, 0, "2");
  map->Undo();
  map->Undo();
  Paste(*map, 0, 1, 0, "3");
  EXPECT_FALSE(map->CanRedo());
  EXPECT_EQ(Kinds(*map), std::vector<uint8_t>({mtBegin, mtData, mtEnd, mtEmpty}));
  EXPECT_EQ(Picture(*map, 0), "0 3");
}

TEST(MapHistory, RecordsFollowTheirLayersThroughDeleteSwapAndMerge) {
  auto three = MapOf({"0", "0", "0"});
  Paste(*three, 2, 0, 0, "7");
  three->DeleteLayer(2);
  EXPECT_TRUE(three->Undo());  // the record's layer is gone: skipped
  EXPECT_EQ(Picture(*three, 0) + Picture(*three, 1), "00");

  auto four = MapOf({"0", "0", "0", "5"});
  Paste(*four, 2, 0, 0, "7");
  Paste(*four, 3, 0, 0, "8");
  four->DeleteLayer(2);
  four->Undo();  // layer 3 moved down to 2 and takes its own record with it
  EXPECT_EQ(Picture(*four, 2), "5");
  four->Undo();
  EXPECT_EQ(Picture(*four, 2), "5");  // not the deleted layer's 0

  auto swapped = MapOf({"0", "1"});
  Paste(*swapped, 0, 0, 0, "9");
  swapped->SwapLayers(0, 1);
  swapped->Undo();
  EXPECT_EQ(Picture(*swapped, 0) + Picture(*swapped, 1), "10");
  swapped->Redo();
  EXPECT_EQ(Picture(*swapped, 0) + Picture(*swapped, 1), "19");

  auto merged = MapOf({"0", "0", "0"});
  Paste(*merged, 1, 0, 0, "6");
  Paste(*merged, 2, 0, 0, "4");
  EXPECT_TRUE(merged->MergeLayer(0, 1, 255));
  merged->Undo();
  EXPECT_EQ(Picture(*merged, 0) + Picture(*merged, 1), "60");
  merged->Undo();  // the merged source's record is unreachable
  EXPECT_EQ(Picture(*merged, 0) + Picture(*merged, 1), "60");
}

TEST(MapHistory, AnOpenGroupIsUndoneWholeAndRedoStopsAtTheEnd) {
  auto map = MapOf({"0 0"});
  map->BeginGroup();
  TModified first = Block(0, 0, 0, "1");
  TModified second = Block(0, 1, 0, "2");
  map->WriteBlock(first);
  map->WriteBlock(second);  // the mouse never came up
  EXPECT_TRUE(map->Undo());
  EXPECT_EQ(Picture(*map, 0), "0 0");
  EXPECT_TRUE(map->Redo());
  EXPECT_EQ(Picture(*map, 0), "1 2");
  EXPECT_EQ(map->GetModifyCursor(), 3);
  EXPECT_FALSE(map->CanRedo());
}

// Moving the whole history on every write made long strokes quadratic.
TEST(MapHistory, ALongStrokeMovesTheHistoryOnlyAFewTimes) {
  auto map = MapOf({"0 0 0 0"});
  map->BeginGroup();
  int moves = 0;
  const TModifyRecord* where = map->GetHistory().data();
  for (int i = 0; i < 10000; ++i) {
    TModified block = Block(0, i % 4, 0, std::to_string(i % 9 + 1));
    map->WriteBlock(block);
    if (map->GetHistory().data() != where) ++moves;
    where = map->GetHistory().data();
  }
  map->EndGroup();
  EXPECT_LE(moves, 20);
  EXPECT_EQ(map->GetHistory().size(), 10003u);
  EXPECT_EQ(Picture(*map, 0), "7 8 9 1");
  EXPECT_TRUE(map->Undo());
  EXPECT_EQ(Picture(*map, 0), "0 0 0 0");
  EXPECT_EQ(map->GetHistory().size(), 10003u);
  EXPECT_TRUE(map->Redo());
  EXPECT_EQ(Picture(*map, 0), "7 8 9 1");
}

TEST(MapDump, WritesModifyTxtRecordByRecord) {
  TempDir dir;
  auto map = MapOf({"0 0 0 0 / 0 0 0 0"});
  Paste(*map, 0, 1, 1, "7 8");
  {
    ScopedCurrentDir here(dir.Path());
    map->DumpHistory();
  }
  const std::string marker = "layer:0\r\nサイズ：0, 0\r\nstartIndex:0\r\n0(0),\r\n\r\n";
  EXPECT_EQ(ReadFileBytes(dir.File("modify.txt")),
            ToShiftJis("\r\n変更履歴データの出力結果\r\nindex=4\r\nmodifyCursor=3\r\n"
                       "\r\nindex:0\r\nmtBegin\r\n" +
                       marker +
                       "\r\nindex:1\r\nmtData\r\nlayer:0\r\nサイズ：2, 1\r\nstartIndex:5\r\n"
                       "0(7),0(8),\r\n\r\n"
                       "\r\nindex:2\r\nmtEnd\r\n" +
                       marker +
                       "\r\nindex:3\r\nmtEmpty\r\nlayer:0\r\nサイズ：0, 0\r\nstartIndex:0\r\n\r\n"
                       "[EOF]\r\n"));
  EXPECT_THROW(map->DumpHistory(dir.File("no/such/modify.txt")), EInOutError);
}
