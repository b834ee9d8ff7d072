#pragma once
// A fresh document and set of windows for every test, with a scripted prompter, plus helpers
// that build parts images and read back-buffer pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"
#include "support/ScriptedPrompter.h"

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the map and lays the window out again.
  void NewMap(int width, int height, int partSize, int bitsPerCell = 8);
  // Adds a layer through the layer window; it becomes the current one.
  void AddLayer(const std::string& name);
  // Gives `layer` a parts image of 16 parts per row whose part n is filled with PartColour(n);
  // part 2 has a square of pure green (the default colour key) in its middle.
  void GiveLayerParts(int layer);
  void FillLayer(int layer, uint16_t part);
  void SetCell(int layer, int x, int y, uint16_t part);

  ScopedPrompter prompter;
  std::vector<std::unique_ptr<TMapChip>> chips;
};

// 0xRRGGBB of part n in the images made by GiveLayerParts.
uint32_t PartColour(int part);
// 0xRRGGBB of a back-buffer pixel, whatever the buffer's pixel format.
uint32_t Pixel(const TBitmap& bitmap, int x, int y);
std::string Title();
