#pragma once
// The map document: size, part size, cell format, layers with their cells, and the
// modification history behind undo and redo. Plain C++; it knows no windows. The only user
// interaction is the two missing-layer message boxes and PutBlock's beep, which go through
// the prompter.
#include <cstdint>
#include <string>
#include <vector>

#include "model/DefineUnit.h"

struct TMapLayer {
  std::vector<uint16_t> Cells;  // Width * Height part numbers, row by row
  TMapChip* Chip = nullptr;     // the layer's parts image, or none (not owned)
  std::string Name;             // UTF-8
  bool Visible = true;
  bool Reserved = false;
};

class TMap {
 public:
  TMap();
  ~TMap();
  TMap(const TMap&) = delete;
  TMap& operator=(const TMap&) = delete;

  // --- set-up -----------------------------------------------------------------------------
  bool Setup(int32_t width, int32_t height, int32_t partWidth, int32_t partHeight,
             uint8_t bitsPerCell);
  void ClearLayers();

  // --- layers ---------------------------------------------------------------------------
  // AppendLayer and DuplicateLayer raise EAbort when the cells cannot be allocated.
  bool AppendLayer(const std::string& name, TMapChip* chip);
  bool DuplicateLayer(int32_t source, const std::string& name);
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
  TMapLayer& LayerAt(int32_t index) { return Layers[static_cast<size_t>(index)]; }
  const TMapLayer& LayerAt(int32_t index) const { return Layers[static_cast<size_t>(index)]; }
  // 0 .. LayerCount - 1 and at most 255.
  bool IsValidLayer(int32_t index) const;

  // --- accessors and flags -----------------------------------------------------------------
  int32_t GetWidth() const { return Width; }
  int32_t GetHeight() const { return Height; }
  void GetSize(int32_t& width, int32_t& height) const { width = Width; height = Height; }
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
  bool ReplaceValue(uint16_t search, uint16_t replacement, int32_t layer);
  bool Resize(int32_t newWidth, int32_t newHeight);
  // The steps of the two writes, public for the tests.
  void ClipBlock(TModified& block);
  // Returns the written size (w, h).
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
  std::vector<TMapLayer> Layers;
  int32_t Width = 1;
  int32_t Height = 1;
  int32_t PartWidth = 32;
  int32_t PartHeight = 32;
  uint8_t BitsPerCell = 0;
  std::vector<TModifyRecord> History;
  int32_t modifyCursor = 0;
  bool Ready = false;
  bool Modified = false;
};
