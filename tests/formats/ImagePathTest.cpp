#include <gtest/gtest.h>

#include "formats/ImagePath.h"

namespace {

TEST(ImagePathTest, StoredPathsAreRelativeWithBackslashes) {
  EXPECT_EQ(StoredImagePath("/p/img/parts.bmp", "/p/map.bwp", true), "img\\parts.bmp");
  EXPECT_EQ(StoredImagePath("/p/parts.bmp", "/p/map.bwp", true), "parts.bmp");
  EXPECT_EQ(StoredImagePath("/a/b/c.bmp", "/p/q/map.bwp", true), "..\\..\\a\\b\\c.bmp");
  EXPECT_EQ(StoredImagePath("/p/q/c.bmp", "/p/q/r/map.bwp", true), "..\\c.bmp");
  EXPECT_EQ(StoredImagePath("/c.bmp", "/map.bwp", true), "c.bmp");
  EXPECT_EQ(StoredImagePath("/p/img/parts.bmp", "/p/map.bwp", false), "parts.bmp");
  EXPECT_EQ(StoredImagePath("", "/p/map.bwp", true), "");
}

TEST(ImagePathTest, ImagesOnAnotherDriveKeepTheirFullPath) {
  EXPECT_EQ(StoredImagePath("D:\\img\\parts.bmp", "C:\\maps\\a.bwp", true), "D:\\img\\parts.bmp");
  EXPECT_EQ(StoredImagePath("c:/maps/img/p.bmp", "C:\\maps\\a.bwp", true), "img\\p.bmp");
  EXPECT_EQ(StoredImagePath("\\\\server\\share\\p.bmp", "C:\\maps\\a.bwp", true),
            "\\\\server\\share\\p.bmp");
}

TEST(ImagePathTest, StoredPathsResolveAgainstTheProjectFolder) {
  EXPECT_EQ(ResolveImagePath("img\\parts.bmp", "/p/map.bwp", true), "/p/img/parts.bmp");
  EXPECT_EQ(ResolveImagePath("img/parts.bmp", "/p/map.bwp", true), "/p/img/parts.bmp");
  EXPECT_EQ(ResolveImagePath("..\\..\\a\\c.bmp", "/p/q/map.bwp", true), "/a/c.bmp");
  EXPECT_EQ(ResolveImagePath("..\\..\\..\\c.bmp", "/p/map.bwp", true), "/c.bmp");
  EXPECT_EQ(ResolveImagePath("/abs/c.bmp", "/p/map.bwp", true), "/abs/c.bmp");
  EXPECT_EQ(ResolveImagePath(".\\x\\.\\c.bmp", "/p/map.bwp", true), "/p/x/c.bmp");
  EXPECT_EQ(ResolveImagePath("sub\\c.bmp", "/p/map.bwp", false), "/p/c.bmp");
  EXPECT_EQ(ResolveImagePath("D:\\elsewhere\\c.bmp", "/p/map.bwp", false), "/p/c.bmp");
  EXPECT_EQ(ResolveImagePath("", "/p/map.bwp", true), "");
}

TEST(ImagePathTest, WhatIsStoredResolvesToTheSameImage) {
  const char* const images[] = {"/p/img/a.bmp", "/p/a.bmp", "/x/y/z.bmp", "/p/q/r/s.bmp"};
  for (const char* image : images)
    EXPECT_EQ(ResolveImagePath(StoredImagePath(image, "/p/q/m.bwp", true), "/p/q/m.bwp", true),
              image);
}

TEST(ImagePathTest, PartsOfPaths) {
  EXPECT_EQ(FileNamePart("C:\\a\\b.bmp"), "b.bmp");
  EXPECT_EQ(FileNamePart("a/b.bmp"), "b.bmp");
  EXPECT_EQ(FileNamePart("C:b.bmp"), "b.bmp");
  EXPECT_EQ(FolderPart("/a/b/c.bwp"), "/a/b");
  EXPECT_EQ(FolderPart("/c.bwp"), "/");
  EXPECT_EQ(NormalizePath("a/../../b"), "../b");
  EXPECT_EQ(AbsolutePath("/x/./y/../z"), "/x/z");
  EXPECT_EQ(AbsolutePath("rel.bwp").front(), '/');
}

}  // namespace
