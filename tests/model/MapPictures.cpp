#include "MapPictures.h"

#include <sstream>

std::vector<std::vector<uint16_t>> ParsePicture(const std::string& picture) {
  std::vector<std::vector<uint16_t>> rows;
  std::istringstream lines(picture);
  std::string line;
  while (std::getline(lines, line, '/')) {
    std::istringstream cells(line);
    rows.emplace_back();
    for (unsigned value; cells >> value;) rows.back().push_back(static_cast<uint16_t>(value));
  }
  return rows;
}

std::unique_ptr<TMap> MapOf(const std::vector<std::string>& layers) {
  const auto rows = ParsePicture(layers.at(0));
  auto map = std::make_unique<TMap>();
  map->Setup(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()), 32, 32, 8);
  for (size_t i = 0; i < layers.size(); ++i) {
    map->AppendLayer("L" + std::to_string(i), nullptr);
    Paint(*map, static_cast<int>(i), layers[i]);
  }
  map->ClearModified();
  return map;
}

void Paint(TMap& map, int layer, const std::string& picture) {
  std::vector<uint16_t>& cells = map.LayerAt(layer).Cells;
  cells.clear();
  for (const auto& row : ParsePicture(picture)) cells.insert(cells.end(), row.begin(), row.end());
}

std::string Picture(const TMap& map, int layer) {
  std::string text;
  const std::vector<uint16_t>& cells = map.LayerAt(layer).Cells;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += i % static_cast<size_t>(map.GetWidth()) == 0 ? " / " : " ";
    text += std::to_string(cells[i]);
  }
  return text;
}

std::string Normal(const std::string& picture) {
  auto map = MapOf({picture});
  return Picture(*map, 0);
}

TModified Block(int layer, int x, int y, const std::string& picture) {
  const auto rows = ParsePicture(picture);
  TModified block;
  block.layer = layer;
  block.source = {
      1, 0, 0, static_cast<int32_t>(rows[0].size()) - 1, static_cast<int32_t>(rows.size()) - 1, 0};
  block.destination = {1, x, y, block.source.dx, block.source.dy, 0};
  block.srcPitch = block.source.dx;
  for (const auto& row : rows) block.data.insert(block.data.end(), row.begin(), row.end());
  return block;
}

void Paste(TMap& map, int layer, int x, int y, const std::string& picture) {
  TModified block = Block(layer, x, y, picture);
  map.BeginGroup();
  map.WriteBlock(block);
  map.EndGroup();
}

std::vector<uint8_t> Kinds(const TMap& map) {
  std::vector<uint8_t> kinds;
  for (const TModifyRecord& record : map.GetHistory()) kinds.push_back(record.Kind);
  return kinds;
}

void ReferenceFill(std::vector<uint16_t>& cells, int w, int h, int x, int y, uint16_t value) {
  const uint16_t target = cells[y * w + x];
  if (target == value) return;
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (px < 0 || py < 0 || px >= w || py >= h || cells[py * w + px] != target) continue;
    cells[py * w + px] = value;
    stack.insert(stack.end(), {{px, py - 1}, {px + 1, py}, {px, py + 1}, {px - 1, py}});
  }
}
