#pragma once
// Parts images written as real bitmap files, for the windows that load them.
#include <cstdint>
#include <functional>
#include <string>

// 0xRRGGBB of part n in the images written by WritePartsImage.
uint32_t TileColour(int part);

// A 24-bit bottom-up bitmap file; `pixel` gives 0xRRGGBB for (x, y), y = 0 at the top.
void WriteBmp24(const std::string& path, int width, int height,
                const std::function<uint32_t(int, int)>& pixel);

// `columns` x `rows` parts of `partSize` pixels; part n (counted row by row, `columns` a row)
// is filled with TileColour(n), and part 2 has a square of pure green in its middle.
void WritePartsImage(const std::string& path, int columns, int rows, int partSize);
