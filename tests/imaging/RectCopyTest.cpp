#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "BmpBuilder.h"
#include "imaging/CopyGuard.h"
#include "imaging/DIBDrawUnit.h"
#include "support/ScriptedPrompter.h"

namespace {

const char* const kDest5x4 = "...../...../...../.....";

// A key that ColorToDIB32 turns into the pixel value of character `c`.
uint32_t KeyFor(char c) {
  return static_cast<uint32_t>(c) << 16;
}

std::string Copy(const std::string& destPicture, int dstX, int dstY, int dstW, int dstH,
                 const std::string& srcPicture, int srcX, int srcY, int srcW, int srcH) {
  TBitmap dest = Picture(destPicture);
  TBitmap src = Picture(srcPicture);
  CDIBCopyRect32(dest, dstX, dstY, dstW, dstH, src, srcX, srcY, srcW, srcH);
  return PictureOf(dest);
}

std::string CopyKeyed(const std::string& destPicture, int dstX, int dstY, int dstW, int dstH,
                      const std::string& srcPicture, int srcX, int srcY, int srcW, int srcH,
                      char key) {
  TBitmap dest = Picture(destPicture);
  TBitmap src = Picture(srcPicture);
  CDIBCopyRectUseKey32(dest, dstX, dstY, dstW, dstH, src, srcX, srcY, srcW, srcH, KeyFor(key));
  return PictureOf(dest);
}

}  // namespace

TEST(ColorToDIB32, SwapsRedAndBlueAndClearsTheTopByte) {
  EXPECT_EQ(ColorToDIB32(0x0000FF00), 0x0000FF00u);
  EXPECT_EQ(ColorToDIB32(0x000000FF), 0x00FF0000u);
  EXPECT_EQ(ColorToDIB32(0xAB123456), 0x00563412u);
}

TEST(CDIBCopyRect32, CopiesOneToOne) {
  EXPECT_EQ(Copy(kDest5x4, 1, 1, 3, 2, "abcd/efgh/ijkl", 1, 0, 3, 2), "...../.bcd./.fgh./.....");
}

TEST(CDIBCopyRect32, ZoomingInRepeatsEveryPixelAcrossAndDown) {
  EXPECT_EQ(Copy("..../..../..../....", 0, 0, 4, 4, "ab/cd", 0, 0, 2, 2), "aabb/aabb/ccdd/ccdd");
}

TEST(CDIBCopyRect32, ZoomingOutTakesEverySecondPixel) {
  EXPECT_EQ(Copy("..../....", 1, 0, 2, 2, "abcd/efgh/ijkl/mnop", 0, 0, 4, 4), ".ac./.ik.");
}

TEST(CDIBCopyRect32, StepsAreTruncated) {
  // 3 source pixels onto 2: step trunc(3 / 2 * 256) = 384 reads columns 0 and 1.
  EXPECT_EQ(Copy("..", 0, 0, 2, 1, "abc", 0, 0, 3, 1), "ab");
  // 2 onto 3: step 170 reads columns 0, 0, 1.
  EXPECT_EQ(Copy("...", 0, 0, 3, 1, "ab", 0, 0, 2, 1), "aab");
}

TEST(CDIBCopyRect32, ACutAtTheLeftOrTopDrawsOnlyTheVisiblePart) {
  // The rectangle starts 5 pixels left: the first 5 source columns are cut and nothing lands
  // beyond the rectangle's right edge.
  EXPECT_EQ(Copy("....", -5, 0, 8, 1, "abcdefghij", 0, 0, 8, 1), "fgh.");
  EXPECT_EQ(Copy("./././.", 0, -2, 1, 3, "a/b/c/d", 0, 1, 1, 3), "d/././.");
  EXPECT_EQ(Copy("..../....", -1, -1, 3, 3, "abc/def/ghi", 0, 0, 3, 3), "ef../hi..");
}

TEST(CDIBCopyRect32, AScaledCutShowsWhatTheUncutRectangleShows) {
  // At twice the size "ab" becomes "aabb"; cut by one pixel at the left, "abb" remains.
  EXPECT_EQ(Copy("....", -1, 0, 4, 1, "ab", 0, 0, 2, 1), "abb.");
  EXPECT_EQ(Copy("....", -3, 0, 6, 1, "abc", 0, 0, 3, 1), "bcc.");
  EXPECT_EQ(Copy("./.", 0, -1, 1, 4, "a/b", 0, 0, 1, 2), "a/b");
  // At half the size the cut skips two source pixels per destination pixel.
  EXPECT_EQ(Copy("...", -1, 0, 3, 1, "abcdef", 0, 0, 6, 1), "ce.");
}

TEST(CDIBCopyRect32, ARectanglePastTheRightOrBottomEdgeIsCut) {
  EXPECT_EQ(Copy("..../....", 2, 1, 5, 5, "abcde/fghij", 0, 0, 5, 5), "..../..ab");
  EXPECT_EQ(Copy("....", 1, 0, 3, 1, "abc", 0, 0, 3, 1), ".abc");
  EXPECT_EQ(Copy("..../..../....", 3, 2, 2, 2, "ab/cd", 0, 0, 1, 1), "..../..../...a");
}

TEST(CDIBCopyRect32, SourcePixelsBeyondTheSourceLeaveTheDestinationUnchanged) {
  EXPECT_EQ(Copy("..../..../....", 0, 0, 4, 3, "ab/cd", 0, 0, 4, 3), "ab../cd../....");
  // Twice the size from (1, 1): the second repetition of column 1 would read column 2.
  EXPECT_EQ(Copy("..../....", 0, 0, 4, 2, "ab/cd", 1, 1, 2, 1), "dd../dd..");
}

TEST(CDIBCopyRect32, ADestinationBeyondTheEdgeDrawsNothingAndConvertsNothing) {
  for (auto [x, y] : {std::pair{4, 0}, {0, 2}, {100, -3}}) {
    TBitmap dest = Picture("..../....", TPixelFormat::pf24bit);
    TBitmap src = Picture("ab", TPixelFormat::pf24bit);
    CDIBCopyRect32(dest, x, y, 2, 1, src, 0, 0, 2, 1);
    EXPECT_EQ(dest.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(src.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(PictureOf(dest), "..../....");
  }
}

TEST(CDIBCopyRect32, ConvertsBothBitmapsToThirtyTwoBitsKeepingTheirPictures) {
  TBitmap dest = Picture("..../....", TPixelFormat::pf24bit);
  TBitmap src = Picture("abc", TPixelFormat::pf24bit);
  CDIBCopyRect32(dest, 3, 1, 2, 1, src, 0, 0, 2, 1);
  EXPECT_EQ(dest.PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(src.PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(PictureOf(src), "abc");
  EXPECT_EQ(PictureOf(dest), "..../...a");
}

TEST(CDIBCopyRect32, CopiesAllFourBytes) {
  TBitmap dest(1, 1);
  TBitmap src(1, 1);
  src.ScanLine32(0)[0] = 0xFF123456;
  CDIBCopyRect32(dest, 0, 0, 1, 1, src, 0, 0, 1, 1);
  EXPECT_EQ(dest.ScanLine32(0)[0], 0xFF123456u);
}

TEST(CDIBCopyRectUseKey32, LeavesKeyPixelsOutAtEveryScale) {
  EXPECT_EQ(CopyKeyed("...../.....", 0, 0, 4, 1, "aKbK", 0, 0, 4, 1, 'K'), "a.b../.....");
  EXPECT_EQ(CopyKeyed("..../....", 0, 0, 4, 2, "Kb", 0, 0, 2, 1, 'K'), "..bb/..bb");
  EXPECT_EQ(CopyKeyed("..", 0, 0, 2, 1, "aKKb", 0, 0, 4, 1, 'K'), "a.");
  EXPECT_EQ(CopyKeyed("...", -1, 0, 4, 1, "Kb", 0, 0, 2, 1, 'K'), ".bb");
}

TEST(CDIBCopyRectUseKey32, TheKeyMatchesOnlyPixelsWhoseFourthByteIsZero) {
  TBitmap dest(3, 1);
  dest.Fill(0x00000001);
  TBitmap src(3, 1);
  src.ScanLine32(0)[0] = 0x0000FF00;  // B=0, G=255, R=0, X=0: pure green
  src.ScanLine32(0)[1] = 0xFF00FF00;  // the same colour with X set
  src.ScanLine32(0)[2] = 0x000000FF;  // pure blue
  CDIBCopyRectUseKey32(dest, 0, 0, 3, 1, src, 0, 0, 3, 1, 0x0000FF00);
  EXPECT_EQ(dest.ScanLine32(0)[0], 0x00000001u);
  EXPECT_EQ(dest.ScanLine32(0)[1], 0xFF00FF00u);
  EXPECT_EQ(dest.ScanLine32(0)[2], 0x000000FFu);
  // Pure red as a colour value is 0x000000FF; as a pixel it is 0x00FF0000.
  src.ScanLine32(0)[2] = 0x00FF0000;
  CDIBCopyRectUseKey32(dest, 0, 0, 3, 1, src, 0, 0, 3, 1, 0x000000FF);
  EXPECT_EQ(dest.ScanLine32(0)[2], 0x000000FFu);
}

TEST(CDIBCopyRectUseKey32, LoadedPicturesMatchTheKeyWhateverTheirDepth) {
  // A loaded picture has X = 0, so a green pixel from a 24-bit file is transparent.
  TBitmap src = Picture("a", TPixelFormat::pf24bit);
  src.ScanLine(0)[0] = 0;
  src.ScanLine(0)[1] = 0xFF;
  src.ScanLine(0)[2] = 0;
  TBitmap dest = Picture("z");
  CDIBCopyRectUseKey32(dest, 0, 0, 1, 1, src, 0, 0, 1, 1, 0x0000FF00);
  EXPECT_EQ(PictureOf(dest), "z");
}

TEST(CopyGuard, ShowsTheRoutineAndTheErrorAndEndsTheCopy) {
  ScopedPrompter prompter;
  bool after = false;
  GuardCopy("CDIBCopyRect32()で例外発生", [&] {
    throw std::runtime_error("範囲外");
    after = true;
  });
  EXPECT_FALSE(after);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"CDIBCopyRect32()で例外発生範囲外)"});
  GuardCopy("CDIBCopyRectUseKey32()で例外発生", [] {});
  EXPECT_EQ(prompter.Texts().size(), 1u);
}

namespace {

// The copy pixel by pixel over the whole requested rectangle, wide enough never to overflow;
// source pixels equal to `key` are left out.
std::string ModelCopy(const std::string& destPicture, int dstX, int dstY, int dstW, int dstH,
                      const std::string& srcPicture, int srcX, int srcY, int srcW, int srcH,
                      char key = 0) {
  TBitmap dest = Picture(destPicture);
  const TBitmap src = Picture(srcPicture);
  if (dstX > dest.Width() - 1 || dstY > dest.Height() - 1) return PictureOf(dest);
  if (dstW <= 0 || dstH <= 0 || srcW < 0 || srcH < 0) return PictureOf(dest);
  using Wide = __int128;
  const Wide xstep = static_cast<int64_t>(static_cast<double>(srcW) / dstW * 256);
  const Wide ystep = static_cast<int64_t>(static_cast<double>(srcH) / dstH * 256);
  for (int y = 0; y < dest.Height(); ++y) {
    const Wide v = Wide{y} - dstY;
    if (v < 0 || v >= dstH) continue;
    const Wide sy = srcY + ((v * ystep) >> 8);
    if (sy < 0 || sy >= src.Height()) continue;
    for (int x = 0; x < dest.Width(); ++x) {
      const Wide u = Wide{x} - dstX;
      if (u < 0 || u >= dstW) continue;
      const Wide sx = srcX + ((u * xstep) >> 8);
      if (sx < 0 || sx >= src.Width()) continue;
      const uint32_t pixel = src.ScanLine32(static_cast<int>(sy))[static_cast<int>(sx)];
      if (key == 0 || pixel != static_cast<uint32_t>(key)) dest.ScanLine32(y)[x] = pixel;
    }
  }
  return PictureOf(dest);
}

std::string RandomPicture(std::mt19937& random, int width, int height) {
  std::string picture;
  for (int y = 0; y < height; ++y) {
    if (y > 0) picture += '/';
    for (int x = 0; x < width; ++x) picture += static_cast<char>('a' + random() % 26);
  }
  return picture;
}

}  // namespace

TEST(CDIBCopyRect32, AnyRectanglesDrawExactlyTheVisiblePixelsAndNothingElse) {
  std::mt19937 random(7);
  auto pick = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
  for (int trial = 0; trial < 20000; ++trial) {
    // Wide enough for the four-pixel loops and their tails at every common step.
    const std::string dest = RandomPicture(random, pick(1, 24), pick(1, 5));
    const std::string src = RandomPicture(random, pick(1, 14), pick(1, 6));
    const int d[4] = {pick(-9, 24), pick(-9, 9), pick(-3, 30), pick(-3, 20)};
    const int s[4] = {pick(-3, 14), pick(-3, 7), pick(-3, 30), pick(-3, 12)};
    ASSERT_EQ(Copy(dest, d[0], d[1], d[2], d[3], src, s[0], s[1], s[2], s[3]),
              ModelCopy(dest, d[0], d[1], d[2], d[3], src, s[0], s[1], s[2], s[3]))
        << trial;
  }
}

TEST(CDIBCopyRect32, ZoomedCopiesReadNoFurtherThanTheLastPixelTheyNeed) {
  // Half size from a 7-pixel source: columns 0, 2, 4, 6 are read, column 7 does not exist.
  EXPECT_EQ(Copy("....", 0, 0, 4, 1, "abcdefg", 0, 0, 8, 1), "aceg");
  EXPECT_EQ(CopyKeyed("....", 0, 0, 4, 1, "abcdefg", 0, 0, 8, 1, 'c'), "a.eg");
  // Twice the size, with and without half a pixel cut at the left.
  EXPECT_EQ(Copy("........", 0, 0, 8, 1, "abcd", 0, 0, 4, 1), "aabbccdd");
  EXPECT_EQ(Copy(".........", -1, 0, 10, 1, "abcde", 0, 0, 5, 1), "abbccddee");
}

TEST(CDIBCopyRect32, ExtremeRectanglesStayInsideBothBitmaps) {
  const int values[] = {INT_MIN, INT_MIN + 1, -65536, -1, 0, 1, 3, 65536, INT_MAX - 1, INT_MAX};
  const std::string dest = "abc/def/ghi";
  const std::string src = "ABCD/EFGH";
  for (int a : values) {
    for (int b : values) {
      SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
      EXPECT_EQ(Copy(dest, a, 1, b, 2, src, 0, 0, a, 2),
                ModelCopy(dest, a, 1, b, 2, src, 0, 0, a, 2));
      EXPECT_EQ(Copy(dest, -1, a, 3, b, src, 1, b, 2, a),
                ModelCopy(dest, -1, a, 3, b, src, 1, b, 2, a));
      EXPECT_EQ(Copy(dest, 0, 0, b, b, src, a, 0, b, 1),
                ModelCopy(dest, 0, 0, b, b, src, a, 0, b, 1));
      EXPECT_EQ(CopyKeyed(dest, a, a, b, b, src, 0, 0, a, b, 'A'),
                ModelCopy(dest, a, a, b, b, src, 0, 0, a, b, 'A'));
    }
  }
}

TEST(CDIBCopyRect32, EmptyBitmapsDrawNothing) {
  TBitmap empty;
  TBitmap picture = Picture("ab/cd");
  for (int x : {-5, -1, 0}) {
    CDIBCopyRect32(empty, x, x, 10, 10, picture, 0, 0, 2, 2);
    CDIBCopyRectUseKey32(picture, x, x, 10, 10, empty, 0, 0, 2, 2, 0);
    CDIBCopyRect32(picture, x, x, 10, 10, empty, 0, 0, 0, 0);
  }
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(PictureOf(picture), "ab/cd");
}
