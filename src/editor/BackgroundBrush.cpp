#include "editor/BackgroundBrush.h"

#include <QByteArray>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <exception>
#include <vector>

bool TBackgroundBrush::Load(const QByteArray& bitmapFile) {
  auto bitmap = std::make_unique<TBitmap>();
  try {
    CDIBLoadFromMemory(*bitmap, reinterpret_cast<const uint8_t*>(bitmapFile.constData()),
                       static_cast<size_t>(bitmapFile.size()));
    if (bitmap->Empty()) return false;
    bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  } catch (const std::exception&) {
    return false;
  }
  bitmap_ = std::move(bitmap);
  return true;
}

namespace {

uint32_t PixelAt(const TBitmap& bitmap, int x, int y) {
  uint32_t value;
  std::memcpy(&value, bitmap.ScanLine(y) + static_cast<size_t>(x) * 4, 4);
  return value;
}

// Row by row straight into a 32-bit surface: this runs before every full redraw, so each
// pattern row is laid out once across the rectangle and then copied.
void FillPattern32(TBitmap& target, const QRect& r, const TBitmap& pattern) {
  const int pw = pattern.Width(), ph = pattern.Height();
  std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(std::min(ph, r.height())));
  for (size_t i = 0; i < rows.size(); ++i) {
    const int py = (r.top() + static_cast<int>(i)) % ph;
    rows[i].resize(static_cast<size_t>(r.width()));
    for (int x = 0; x < r.width(); ++x)
      rows[i][static_cast<size_t>(x)] = PixelAt(pattern, (r.left() + x) % pw, py);
  }
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const auto& source = rows[static_cast<size_t>(y - r.top()) % rows.size()];
    std::memcpy(target.ScanLine(y) + static_cast<size_t>(r.left()) * 4, source.data(),
                source.size() * 4);
  }
}

}  // namespace

void TBackgroundBrush::Fill(TBitmap& target, const QRect& rect) const {
  const QRect r = rect.intersected(QRect(0, 0, target.Width(), target.Height()));
  if (r.isEmpty()) return;
  if (bitmap_ && target.PixelFormat() == TPixelFormat::pf32bit) {
    FillPattern32(target, r, *bitmap_);
    return;
  }
  QImage view = target.View();
  QPainter painter(&view);
  if (bitmap_)
    painter.fillRect(r, QBrush(bitmap_->View()));
  else
    painter.fillRect(r, Qt::white);
}
