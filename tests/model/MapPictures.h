#pragma once
// Layers written as pictures: "1 1 0 / 1 0 0 / 0 0 2" is three rows of three cells.
#include <memory>
#include <string>
#include <vector>

#include "model/MapDataUnit.h"

std::vector<std::vector<uint16_t>> ParsePicture(const std::string& picture);
// A ready map with one layer per picture (all of one size), history empty, not modified.
std::unique_ptr<TMap> MapOf(const std::vector<std::string>& layers);
void Paint(TMap& map, int layer, const std::string& picture);
std::string Picture(const TMap& map, int layer);
// Reformats a picture, so that expectations may be spaced freely.
std::string Normal(const std::string& picture);
// A block as the editor builds it: its data is the picture, its destination (x, y) and the
// same size, srcPitch = source dx, both ranges active.
TModified Block(int layer, int x, int y, const std::string& picture);
// A pasted block: BeginGroup, WriteBlock, EndGroup.
void Paste(TMap& map, int layer, int x, int y, const std::string& picture);
std::vector<uint8_t> Kinds(const TMap& map);
// Flood fill the plain way, one stack entry per cell, to check the document's fill against.
void ReferenceFill(std::vector<uint16_t>& cells, int w, int h, int x, int y, uint16_t value);
