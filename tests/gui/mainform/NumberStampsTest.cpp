// Part numbers blended from their masks look as the same text drawn by QPainter would.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "editor/NumberStamps.h"
#include "imaging/TBitmap.h"

namespace {

// A background of every grey level, so that blending shows wherever it is off.
TBitmap Background(TPixelFormat format) {
  TBitmap bitmap(90, 40, format);
  QImage view = bitmap.View();
  for (int y = 0; y < view.height(); ++y)
    for (int x = 0; x < view.width(); ++x)
      view.setPixel(x, y, qRgb((x * 3) % 256, (y * 7) % 256, (x + y) % 256));
  return bitmap;
}

void WriteWithPainter(TBitmap& bitmap, int x, int y, int number, const QFont& font = QFont()) {
  QImage view = bitmap.View();
  QPainter painter(&view);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(x, y, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
}

int LargestDifference(const TBitmap& a, const TBitmap& b) {
  const QImage ia = a.View(), ib = b.View();
  int largest = 0;
  for (int y = 0; y < ia.height(); ++y) {
    for (int x = 0; x < ia.width(); ++x) {
      const QRgb pa = ia.pixel(x, y), pb = ib.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(pa) - qRed(pb)),
                          std::abs(qGreen(pa) - qGreen(pb)), std::abs(qBlue(pa) - qBlue(pb))});
    }
  }
  return largest;
}

TEST(NumberStampsTest, LookLikePainterTextAndClipAtTheEdges) {
  const int places[][3] = {{1, 0, 0}, {20, 10, 7}, {40, 5, 65535}, {-6, -4, 123}, {80, 30, 999}};
  for (TPixelFormat format : {TPixelFormat::pf32bit, TPixelFormat::pf24bit}) {
    TBitmap painted = Background(format), stamped = Background(format);
    TNumberStamps stamps;
    stamps.UseFont(QFont());
    for (const auto& p : places) {
      WriteWithPainter(painted, p[0], p[1], p[2]);
      stamps.Draw(stamped, p[0], p[1], p[2]);
    }
    EXPECT_NE(LargestDifference(painted, Background(format)), 0);
    EXPECT_LE(LargestDifference(painted, stamped), 2);
  }
}

TEST(NumberStampsTest, AnotherFontMakesNewMasks) {
  TBitmap painted = Background(TPixelFormat::pf32bit), stamped = painted;
  TNumberStamps stamps;
  stamps.UseFont(QFont());
  stamps.Draw(stamped, 2, 2, 88);
  QFont big;
  big.setPointSize(big.pointSize() * 3);
  stamps.UseFont(big);
  stamped = Background(TPixelFormat::pf32bit);
  stamps.Draw(stamped, 2, 2, 88);
  WriteWithPainter(painted, 2, 2, 88, big);
  EXPECT_LE(LargestDifference(painted, stamped), 2);
}

}  // namespace
