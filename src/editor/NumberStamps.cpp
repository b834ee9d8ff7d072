#include "editor/NumberStamps.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "imaging/TBitmap.h"

namespace {

// The text's pixels as QPainter lays them out from the box's top-left, trimmed to the pixels
// it covers.
QImage RenderText(const QString& text, const QFont& font) {
  const QSize size = QFontMetrics(font).boundingRect(text).size() + QSize(4, 4);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text);
  return image;
}

}  // namespace

void TNumberStamps::UseFont(const QFont& font) {
  if (font == font_) return;
  font_ = font;
  stamps_.clear();
}

const TNumberStamps::Stamp& TNumberStamps::For(int number) {
  const auto found = stamps_.find(number);
  if (found != stamps_.end()) return found->second;
  const QImage image = RenderText(QString::number(number), font_);
  QRect covered;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y))) covered |= QRect(x, y, 1, 1);
  Stamp stamp;
  stamp.left = covered.left();
  stamp.top = covered.top();
  stamp.width = covered.width();
  stamp.height = covered.height();
  stamp.coverage.reserve(static_cast<size_t>(stamp.width) * stamp.height);
  for (int y = covered.top(); y <= covered.bottom(); ++y)
    for (int x = covered.left(); x <= covered.right(); ++x)
      stamp.coverage.push_back(static_cast<uint8_t>(qAlpha(image.pixel(x, y))));
  return stamps_.emplace(number, std::move(stamp)).first->second;
}

void TNumberStamps::Draw(TBitmap& target, int x, int y, int number) {
  const Stamp& stamp = For(number);
  const int bytes = TBitmap::BytesPerPixel(target.PixelFormat());
  const int left = x + stamp.left, top = y + stamp.top;
  const int x0 = std::max(0, left), x1 = std::min(target.Width(), left + stamp.width);
  const int y0 = std::max(0, top), y1 = std::min(target.Height(), top + stamp.height);
  for (int row = y0; row < y1; ++row) {
    const uint8_t* mask = &stamp.coverage[static_cast<size_t>(row - top) * stamp.width];
    uint8_t* pixel = target.ScanLine(row) + static_cast<size_t>(x0) * bytes;
    for (int column = x0; column < x1; ++column, pixel += bytes) {
      const int keep = 255 - mask[column - left];
      if (keep == 255) continue;
      for (int channel = 0; channel < 3; ++channel)
        pixel[channel] = static_cast<uint8_t>((pixel[channel] * keep + 127) / 255);
    }
  }
}
