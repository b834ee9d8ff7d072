#include <gtest/gtest.h>

#include <random>

#include "MapPictures.h"
#include "support/ScriptedPrompter.h"

namespace {

constexpr int kW = 9;
constexpr int kH = 7;
constexpr int kLayers = 3;
using Cells = std::vector<std::vector<uint16_t>>;

class RandomEdits {
 public:
  RandomEdits() : random_(1234567) {
    map_.Setup(kW, kH, 32, 32, 8);
    for (int l = 0; l < kLayers; ++l) {
      map_.AppendLayer("L", nullptr);
      for (uint16_t& cell : map_.LayerAt(l).Cells) cell = Pick(4);
    }
  }
  Cells State() const {
    Cells state;
    for (int l = 0; l < kLayers; ++l) state.push_back(map_.LayerAt(l).Cells);
    return state;
  }
  // Makes one random edit and returns the cells it should leave.
  Cells Edit() {
    Cells expected = State();
    const int layer = Pick(kLayers);
    std::vector<uint16_t>& cells = expected[layer];
    switch (Pick(4)) {
      case 0: {
        const int bw = 1 + Pick(5), bh = 1 + Pick(5), x = Pick(kW + 8) - 5, y = Pick(kH + 8) - 5;
        TModified block = RandomBlock(layer, x, y, bw, bh);
        for (int r = 0; r < bh; ++r) {
          for (int c = 0; c < bw; ++c) {
            if (x + c >= 0 && x + c < kW && y + r >= 0 && y + r < kH)
              cells[(y + r) * kW + x + c] = block.data[r * bw + c];
          }
        }
        map_.BeginGroup();
        map_.WriteBlock(block);
        map_.EndGroup();
        break;
      }
      case 1: {
        const int tw = 1 + Pick(3), th = 1 + Pick(3), x = Pick(kW), y = Pick(kH);
        TModified block = RandomBlock(layer, x, y, tw, th);
        block.destination.dx = Pick(kW + 2);  // may reach past the right and bottom edges
        block.destination.dy = Pick(kH + 2);
        for (int r = 0; r <= block.destination.dy && y + r < kH; ++r) {
          for (int c = 0; c <= block.destination.dx && x + c < kW; ++c)
            cells[(y + r) * kW + x + c] = block.data[(r % th) * tw + c % tw];
        }
        map_.WriteTiledBlock(block);
        break;
      }
      case 2: {
        const int x = Pick(kW), y = Pick(kH);
        TModified block = RandomBlock(layer, 0, 0, 1, 1);
        ReferenceFill(cells, kW, kH, x, y, block.data[0]);
        map_.FloodFill(x, y, block);
        break;
      }
      default: {
        const uint16_t search = Pick(4), replacement = Pick(4);
        for (uint16_t& cell : cells) cell = cell == search ? replacement : cell;
        map_.ReplaceValue(search, replacement, layer);
      }
    }
    return expected;
  }
  TMap& Map() { return map_; }
  uint16_t Pick(int n) { return static_cast<uint16_t>(random_() % static_cast<unsigned>(n)); }

 private:
  TModified RandomBlock(int layer, int x, int y, int w, int h) {
    TModified block = Block(layer, x, y, "0");
    block.source.dx = block.destination.dx = block.srcPitch = w - 1;
    block.source.dy = block.destination.dy = h - 1;
    block.data.resize(static_cast<size_t>(w * h));
    for (uint16_t& cell : block.data) cell = Pick(4);
    return block;
  }

  TMap map_;
  std::mt19937 random_;
};

}  // namespace

TEST(MapRandom, LongEditSequencesUndoToTheStartAndRedoToTheEnd) {
  ScopedPrompter quiet;
  RandomEdits edits;
  TMap& map = edits.Map();
  std::vector<Cells> states{edits.State()};
  for (int step = 0; step < 2000; ++step) {
    const int32_t cursor = map.GetModifyCursor();
    const Cells expected = edits.Edit();
    ASSERT_EQ(edits.State(), expected) << "step " << step;
    if (map.GetModifyCursor() != cursor) states.push_back(expected);
    if (edits.Pick(8) == 0 && states.size() > 1) {  // now and then take one back
      ASSERT_TRUE(map.Undo());
      states.pop_back();
      ASSERT_EQ(edits.State(), states.back());
    }
  }
  const Cells end = edits.State();
  for (size_t i = states.size() - 1; i > 0; --i) {
    ASSERT_TRUE(map.Undo());
    ASSERT_EQ(edits.State(), states[i - 1]) << "undo to state " << i - 1;
  }
  EXPECT_FALSE(map.Undo());
  for (size_t i = 1; i < states.size(); ++i) {
    ASSERT_TRUE(map.Redo());
    ASSERT_EQ(edits.State(), states[i]) << "redo to state " << i;
  }
  EXPECT_EQ(edits.State(), end);
  EXPECT_EQ(quiet.Boxes().size(), 0u);
}
