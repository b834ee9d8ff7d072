#include <gtest/gtest.h>

#include <QPainter>

#include "BmpBuilder.h"
#include "imaging/TBitmap.h"

TEST(TBitmap, RowsArePaddedToFourBytes) {
  for (int width = 1; width <= 5; ++width) {
    TBitmap b24(width, 2, TPixelFormat::pf24bit);
    EXPECT_EQ(b24.Stride() % 4, 0);
    EXPECT_GE(b24.Stride(), width * 3);
    EXPECT_LT(b24.Stride(), width * 3 + 4);
    EXPECT_EQ(b24.ScanLine(1) - b24.ScanLine(0), b24.Stride());
    EXPECT_EQ(TBitmap(width, 2).Stride(), width * 4);
  }
}

TEST(TBitmap, SetSizeZeroesAndTreatsNegativeSizesAsEmpty) {
  TBitmap bitmap = Picture("AB/CD");
  bitmap.SetSize(3, 1);
  EXPECT_EQ(PictureOf(bitmap), std::string(3, '\0'));
  bitmap.SetSize(-4, 7);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_TRUE(bitmap.View().isNull());
}

TEST(TBitmap, ConversionsKeepThePictureAndClearTheFourthByte) {
  TBitmap bitmap(2, 1);
  bitmap.ScanLine32(0)[0] = 0xAA112233;
  bitmap.ScanLine32(0)[1] = 0x00445566;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
  const uint8_t* row = bitmap.ScanLine(0);
  EXPECT_EQ(std::vector<uint8_t>(row, row + 6),
            (std::vector<uint8_t>{0x33, 0x22, 0x11, 0x66, 0x55, 0x44}));
  bitmap.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(bitmap.ScanLine32(0)[0], 0x00112233u);
  EXPECT_EQ(bitmap.ScanLine32(0)[1], 0x00445566u);
}

TEST(TBitmap, FillWritesEveryPixel) {
  TBitmap bitmap(3, 2, TPixelFormat::pf24bit);
  bitmap.Fill('x');
  EXPECT_EQ(PictureOf(bitmap), "xxx/xxx");
}

TEST(TBitmap, PainterDrawsIntoTheSameMemory) {
  TBitmap bitmap(4, 3);
  {
    QImage view = bitmap.View();
    EXPECT_EQ(view.format(), QImage::Format_RGB32);
    QPainter painter(&view);
    painter.fillRect(1, 1, 2, 1, QColor(0x12, 0x34, 0x56));
  }
  EXPECT_EQ(bitmap.ScanLine32(1)[1] & 0xFFFFFF, 0x123456u);
  EXPECT_EQ(bitmap.ScanLine32(1)[2] & 0xFFFFFF, 0x123456u);
  EXPECT_EQ(bitmap.ScanLine32(0)[1], 0u);
  EXPECT_EQ(bitmap.ScanLine32(1)[3], 0u);
}

TEST(TBitmap, TwentyFourBitViewSeesBlueGreenRedBytes) {
  TBitmap bitmap(3, 2, TPixelFormat::pf24bit);
  uint8_t* row = bitmap.ScanLine(1);
  row[3] = 0x56;  // blue of pixel (1, 1)
  row[4] = 0x34;
  row[5] = 0x12;
  QImage view = bitmap.View();
  EXPECT_EQ(view.format(), QImage::Format_BGR888);
  EXPECT_EQ(view.pixel(1, 1) & 0xFFFFFF, 0x123456u);
  view.setPixel(2, 0, qRgb(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(bitmap.ScanLine(0)[6], 0xEF);
  EXPECT_EQ(bitmap.ScanLine(0)[8], 0xAB);
}

TEST(TBitmap, RefusesRowsTooLongForMemory) {
  TBitmap bitmap = Picture("AB");
  EXPECT_THROW(bitmap.SetSize(0x7FFFFFFF, 1), std::length_error);
  EXPECT_EQ(PictureOf(bitmap), "AB");
}

TEST(TBitmap, WideRowsKeepTheirPixelsThroughViewsConversionsAndCopies) {
  TBitmap bitmap(100, 3, TPixelFormat::pf24bit);
  EXPECT_GE(bitmap.Stride(), 300);
  EXPECT_EQ(bitmap.Stride() % 4, 0);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 100; ++x) bitmap.ScanLine(y)[x * 3 + 1] = static_cast<uint8_t>(x + y);
  }
  bitmap.SetPixelFormat(TPixelFormat::pf32bit);
  const TBitmap copy = bitmap;
  const QImage view = copy.View();
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(copy.ScanLine32(y)[x], static_cast<uint32_t>(x + y) << 8);
      ASSERT_EQ(view.pixel(x, y) & 0xFFFFFF, static_cast<uint32_t>(x + y) << 8);
    }
  }
}
