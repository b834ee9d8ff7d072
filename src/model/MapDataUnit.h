#pragma once
// The map document: size, part size, cell format, layers with their cells, and the
// modification history behind undo and redo. Plain C++; it knows no windows. The only user
// interaction is the two missing-layer message boxes and PutBlock's beep, which go through
// the prompter.
#include <cstdint>
#include <string>
#include <vector>

#include "model/CellBufferPool.h"
#include "model/DefineUnit.h"

struct TMapLayer {
  std::vector<uint16_t> Cells;  // Width * Height part numbers, row by row
  TMapChip* Chip = nullptr;     // the layer's parts image, or none (not owned)
  std::string Name;             // UTF-8
  bool Visible = true;
  bool Reserved = false;
};

// The unsaved-changes flag, counting the times it was raised: two looks at the document that
// see the same count saw the same content.
class TModifiedFlag {
 public:
  TModifiedFlag& operator=(bool modified) {
    if (modified) ++revision_;
    value_ = modified;
    return *this;
  }
  operator bool() const { return value_; }
  uint64_t Revision() const { return revision_; }

 private:
  bool value_ = false;
  uint64_t revision_ = 0;
};

class TMap {
 public:
  // Largest layer the document allocates (cells); larger maps are refused before allocating.
  static constexpr int64_t kMaxLayerCells = int64_t{1} << 28;
  // Layer index of history records whose layer was deleted: never valid, so undo skips them.
  static constexpr int32_t kGoneLayer = -1;

  TMap();
  ~TMap();
  TMap(const TMap&) = delete;
  TMap& operator=(const TMap&) = delete;

  // --- set-up -----------------------------------------------------------------------------
  bool Setup(int32_t width, int32_t height, int32_t partWidth, int32_t partHeight,
             uint8_t bitsPerCell);
  void ClearLayers();

  // --- layers ---------------------------------------------------------------------------
  // AppendLayer and DuplicateLayer raise EAbort when the cells cannot be allocated (also when
  // the map size is absurd). DuplicateLayer returns false for a source that does not exist.
  bool AppendLayer(const std::string& name, TMapChip* chip);
  bool DuplicateLayer(int32_t source, const std::string& name);
  // The operations below ignore indices outside 0 .. LayerCount - 1; GetLayerName,
  // SetLayerName and MergeLayer also those above 255.
  void DeleteLayer(int32_t index);
  void SwapLayers(int32_t a, int32_t b);
  bool MergeLayer(int32_t destination, int32_t source, uint16_t key);
  std::string GetLayerName(int32_t index) const;
  void SetLayerName(int32_t index, const std::string& name);
  TMapChip* GetLayerChip(int32_t index) const;
  void SetLayerChip(int32_t index, TMapChip* chip);
  void ClearLayerChip(int32_t index);
  void SetLayerVisible(int32_t index, bool visible);
  int32_t LayerCount() const { return static_cast<int32_t>(Layers.size()); }
  // Direct access for the file code; throws std::out_of_range for a missing layer.
  TMapLayer& LayerAt(int32_t index) { return Layers.at(static_cast<size_t>(index)); }
  const TMapLayer& LayerAt(int32_t index) const { return Layers.at(static_cast<size_t>(index)); }
  // 0 .. LayerCount - 1 and at most 255.
  bool IsValidLayer(int32_t index) const;

  // --- accessors and flags -----------------------------------------------------------------
  int32_t GetWidth() const { return Width; }
  int32_t GetHeight() const { return Height; }
  void GetSize(int32_t& width, int32_t& height) const {
    width = Width;
    height = Height;
  }
  int32_t GetPartWidth() const { return PartWidth; }
  int32_t GetPartHeight() const { return PartHeight; }
  void GetPartSize(int32_t& width, int32_t& height) const {
    width = PartWidth;
    height = PartHeight;
  }
  uint8_t GetBitsPerCell() const { return BitsPerCell; }
  bool IsReady() const { return Ready; }
  bool IsModified() const { return Modified; }
  void SetModified() { Modified = true; }
  void ClearModified() { Modified = false; }
  // Grows with every change of the document.
  uint64_t Revision() const { return Modified.Revision(); }

  // --- modification history -------------------------------------------------------------
  bool BeginGroup();
  bool EndGroup();
  void AdvanceCursor();
  bool Undo();
  bool Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  void FlushHistory();
  const std::vector<TModifyRecord>& GetHistory() const { return History; }
  int32_t GetModifyCursor() const { return modifyCursor; }

  // --- bulk operations ------------------------------------------------------------------
  bool ReadBlock(TModified& block);
  bool WriteBlock(TModified& block);
  bool WriteTiledBlock(TModified& block);
  void FloodFill(int32_t x, int32_t y, TModified& block);
  // Returns false, changing and recording nothing, when the layer does not exist.
  bool ReplaceValue(uint16_t search, uint16_t replacement, int32_t layer);
  // Flushes the history: its records address cells by the old width.
  bool Resize(int32_t newWidth, int32_t newHeight);
  // The steps of the two writes, public for the tests.
  void ClipBlock(TModified& block);
  // Returns the written size (w, h), never negative.
  void PutBlock(int32_t x, int32_t y, int32_t dx, int32_t dy, TModified& block, int32_t& w,
                int32_t& h);
  void SaveBefore(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                  const TModified& block);
  void SaveAfter(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                 const TModified& block);

  // --- debug dumps (Shift-JIS, CR LF; raise EInOutError on failure) -----------------------
  void DumpMap(const std::string& path = "map.txt") const;
  void DumpHistory(const std::string& path = "modify.txt") const;

  // --- exports (defined with the other file code in formats/) -------------------------------
  bool ExportFMF(const std::string& fileName) const;
  bool ExportCSV1(const std::string& fileName) const;
  bool ExportCSV2(const std::string& fileName) const;
  bool ExportBitmap(const std::string& fileName, uint16_t transparentPart, bool useColorKey,
                    uint32_t keyColor) const;

 private:
  struct Size {
    int32_t w = 0;
    int32_t h = 0;
  };

  // Layers and history bookkeeping.
  int64_t CellCount() const { return int64_t{Width} * Height; }
  int64_t CheckedCellCount(const char* failure) const;
  bool HasLayer(int32_t index) const;
  // The layer when `index` is valid and the layer holds Width x Height cells, else nullptr.
  TMapLayer* EditableLayer(int32_t index);
  void ResetHistory();
  // Hands a dropped record's arrays to the pool of spare arrays.
  void Recycle(TModifyRecord& record);
  // Drops the undone groups now rather than at the next record, so their arrays can be reused.
  void DropRedo();
  void ForgetAllLayers();
  void RenumberAfterDelete(int32_t index);
  void RenumberAfterSwap(int32_t a, int32_t b);
  void ApplyRecord(const TModifyRecord& record, bool after);
  void ReserveHistory(size_t extra);
  void WriteMarker(uint8_t kind);

  // Block steps.
  Size ClipSize(int32_t x, int32_t y, int32_t dx, int32_t dy) const;
  void SaveCells(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                 const TModified& block, bool after);
  // PutBlock without the beep; returns false when the data ran out.
  bool PutCells(int32_t x, int32_t y, int32_t dx, int32_t dy, const TModified& block,
                Size& written);
  bool WriteBlockChecked(TModified& block);
  bool WriteTiledBlockChecked(TModified& block);
  void PutTiles(const TModified& block, int32_t rx, int32_t ry, Size rect, Size tile);
  void PutTilesSlow(const TModified& block, int32_t rx, int32_t ry, Size rect, Size tile);

  // Whole-layer edits (flood fill, replace): one group holding one record of the layer.
  template <typename Edit>
  void RecordWholeLayer(int32_t layer, Edit edit);

  void FinishResize(int32_t newWidth, int32_t newHeight);

  std::vector<TMapLayer> Layers;
  int32_t Width = 1;
  int32_t Height = 1;
  int32_t PartWidth = 32;
  int32_t PartHeight = 32;
  uint8_t BitsPerCell = 0;
  std::vector<TModifyRecord> History;
  int32_t modifyCursor = 0;
  bool Ready = false;
  TModifiedFlag Modified;
  CellBufferPool spareCells_;
};
