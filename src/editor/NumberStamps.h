#pragma once
// Part numbers written onto a back buffer. Each number is laid out once in the font given,
// kept as a coverage mask, and then blended in black wherever it is written: laying text out
// per cell is far too slow for a view that shows a million cells zoomed out.
#include <QFont>
#include <cstdint>
#include <unordered_map>
#include <vector>

class TBitmap;

class TNumberStamps {
 public:
  // Writes `number` in black with its text box's top-left at (x, y); clipped to the buffer.
  void Draw(TBitmap& target, int x, int y, int number);
  // Forgets the masks when the font is not the one they were made with.
  void UseFont(const QFont& font);

 private:
  struct Stamp {
    int left = 0, top = 0;  // of the mask, from the text box's top-left
    int width = 0, height = 0;
    std::vector<uint8_t> coverage;  // row by row, 0 = untouched, 255 = black
  };
  const Stamp& For(int number);

  QFont font_;
  std::unordered_map<int, Stamp> stamps_;
};
