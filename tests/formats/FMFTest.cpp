#include <gtest/gtest.h>

#include "FormatsTestUtil.h"
#include "formats/ByteSource.h"
#include "formats/FMFReader.h"
#include "formats/FileTexts.h"
#include "formats/MapExport.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "support/TempDir.h"

namespace {

class FMFTest : public ::testing::Test {
 protected:
  FMFTest() {
    map.Setup(100, 100, 32, 32, 8);
    map.AppendLayer("old", nullptr);
  }
  std::string Export(const TMap& source) {
    EXPECT_TRUE(source.ExportFMF(dir.File("m.fmf")));
    return ReadFileBytes(dir.File("m.fmf"));
  }
  TFileResult Import(const std::string& bytes, uint64_t budget = 0) {
    TMemoryByteSource source(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return ImportFMF(source, map, header, host, budget);
  }
  TempDir dir;
  TMap map;
  TMapHeaderRecord header;
  TRecordingHost host{map};
};

std::string Fmf(uint32_t w, uint32_t h, uint8_t pw, uint8_t ph, uint8_t layers, uint8_t bits,
                const std::string& cells) {
  return "FMF_" + U32(uint32_t(cells.size())) + U32(w) + U32(h) +
         std::string{char(pw), char(ph), char(layers), char(bits)} + cells;
}

TEST_F(FMFTest, ExportsTheTwoByOneMapInBothCellWidths) {
  TMap source;
  BuildMap(source, 2, 1, 32, 16, {"258 1"});
  EXPECT_EQ(Export(source), Fmf(2, 1, 32, 32, 1, 16, std::string("\x02\x01\x01\x00", 4)));
  EXPECT_EQ(Export(source).size(), 24u);
  BuildMap(source, 2, 1, 32, 8, {"258 1"});
  EXPECT_EQ(Export(source), Fmf(2, 1, 32, 32, 1, 8, "\x02\x01"));
  EXPECT_EQ(Export(source).size(), 22u);
  source.ClearModified();
  Export(source);
  EXPECT_FALSE(source.IsModified()) << "exporting changes nothing";
}

TEST_F(FMFTest, ImportsTheTwoByOneExample) {
  ASSERT_TRUE(Import(Fmf(2, 1, 32, 32, 1, 8, "\x02\x01")).ok);
  ASSERT_EQ(map.LayerCount(), 1);
  EXPECT_EQ(map.LayerAt(0).Name, "レイヤー0");
  EXPECT_EQ(LayerPicture(map, 0), "2 1");
  EXPECT_EQ(map.LayerAt(0).Chip, nullptr);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"before 1", "add レイヤー0", "done"}));
  EXPECT_EQ(header.width, 2);
  EXPECT_EQ(header.height, 1);
  EXPECT_EQ(header.partWidth, 32);
  EXPECT_EQ(header.layerCount, 1);
  EXPECT_EQ(header.bitsPerCell, 8);
  EXPECT_EQ(header.relativePaths, 0);
}

// What Brimwell writes it must read back: FMF -> project -> FMF gives the same bytes for the
// smallest maps, whose sizes the project reader once refused.
TEST_F(FMFTest, TinyMapsSurviveImportSaveOpenAndExport) {
  const std::string fmfs[] = {
      Fmf(2, 1, 32, 32, 1, 16, std::string("\x02\x01\x01\x00", 4)),
      Fmf(2, 1, 32, 32, 1, 8, "\x02\x01"),
      Fmf(1, 5, 16, 16, 2, 8, "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A"),
      Fmf(7, 1, 255, 1, 1, 16, U16(1) + U16(2) + U16(3) + U16(4) + U16(5) + U16(6) + U16(65535)),
      Fmf(1, 1, 1, 1, 1, 8, "\x09"),
  };
  for (const std::string& fmf : fmfs) {
    ASSERT_TRUE(Import(fmf).ok);
    TProjectRecords records = TestRecords();
    records.header = header;
    ASSERT_TRUE(WriteProjectFile(dir.File("tiny.bwp"), map, records).ok);
    TMap reread;
    TRecordingHost rereadHost(reread);
    const TFileResult opened = ReadProjectFile(dir.File("tiny.bwp"), reread, records, rereadHost);
    ASSERT_TRUE(opened.ok) << opened.reason;
    EXPECT_EQ(Export(reread), fmf);
  }
}

TEST_F(FMFTest, MissingCellsStayZero) {
  ASSERT_TRUE(Import(Fmf(2, 2, 16, 16, 3, 16, U16(1) + U16(2) + U16(3) + U16(4) + "\x05")).ok);
  ASSERT_EQ(map.LayerCount(), 3);
  EXPECT_EQ(LayerPicture(map, 0), "1 2 / 3 4");
  EXPECT_EQ(LayerPicture(map, 1), "5 0 / 0 0") << "a lone byte fills a cell's low byte";
  EXPECT_EQ(LayerPicture(map, 2), "0 0 / 0 0");
  EXPECT_EQ(map.LayerAt(2).Name, "レイヤー2");
}

TEST_F(FMFTest, RefusesHeadersThatNoMapCanHold) {
  const std::string cells(8, '\1');
  const std::string refused[] = {
      "FMFX" + Fmf(2, 2, 16, 16, 1, 8, cells).substr(4),
      Fmf(0, 2, 16, 16, 1, 8, cells),     Fmf(2, 0, 16, 16, 1, 8, cells),
      Fmf(10001, 2, 16, 16, 1, 8, cells), Fmf(2, 10001, 16, 16, 1, 8, cells),
      Fmf(2, 2, 0, 16, 1, 8, cells),      Fmf(2, 2, 16, 0, 1, 8, cells),
      Fmf(2, 2, 16, 16, 0, 8, cells),     Fmf(2, 2, 16, 16, 1, 0, cells),
      Fmf(2, 2, 16, 16, 1, 24, cells),    Fmf(2, 2, 16, 16, 1, 32, cells),
  };
  for (const std::string& bytes : refused) {
    EXPECT_EQ(Import(bytes).reason, filetext::kNotFmf);
    EXPECT_EQ(map.LayerAt(0).Name, "old") << "refused before the document is touched";
  }
  EXPECT_TRUE(Import(Fmf(10000, 1, 1, 1, 1, 8, "")).ok) << "the limits themselves are fine";
  EXPECT_EQ(Import("FMF_" + std::string(15, '\0')).reason, filetext::kReadPastEnd);
}

// A file may leave cells out (they stay 0), but the memory they take is bounded: a 20-byte
// header must not make the program take gigabytes.
TEST_F(FMFTest, MapsThatDoNotFitInMemoryAreRefusedBeforeAnything) {
  const std::string hostile[] = {
      Fmf(10000, 10000, 32, 32, 58, 16, ""),
      Fmf(10000, 10000, 32, 32, 255, 16, std::string(20, '\x7F')),
      Fmf(8192, 8193, 32, 32, 2, 8, ""),  // one row of each layer past the bound
  };
  for (const std::string& bytes : hostile) {
    EXPECT_EQ(Import(bytes).reason, filetext::kMapTooLarge);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(map.LayerAt(0).Name, "old");
  }
  // The header alone decides, so the bound itself is checked without allocating it.
  auto headerCheck = [](const std::string& bytes) {
    TMemoryByteSource source(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    TFMFHeader h;
    return ReadFMFHeader(source, h).reason;
  };
  EXPECT_EQ(headerCheck(Fmf(8192, 8192, 32, 32, 2, 8, "")), "");
  EXPECT_EQ(headerCheck(Fmf(8192, 8193, 32, 32, 2, 8, "")), filetext::kMapTooLarge);
  // Cells the file holds count against the machine's budget only.
  EXPECT_EQ(headerCheck(Fmf(8192, 8193, 32, 32, 2, 8, std::string(8192 * 2, '\1'))), "");
  EXPECT_EQ(Import(Fmf(4, 4, 16, 16, 2, 8, ""), 4 * 4 * 2 * 2 - 1).reason, filetext::kMapTooLarge);
  EXPECT_TRUE(Import(Fmf(4, 4, 16, 16, 2, 8, ""), 4 * 4 * 2 * 2).ok);
}

TEST_F(FMFTest, RandomMapsSurviveExportAndImport) {
  std::mt19937 random(5);
  for (int round = 0; round < 30; ++round) {
    TMap source;
    RandomMap(source, random, {});
    const std::string bytes = Export(source);
    // An independent reading of the header.
    const size_t cellBytes = source.GetBitsPerCell() / 8;
    const size_t cells = size_t(source.GetWidth()) * source.GetHeight();
    ASSERT_EQ(bytes.size(), 20 + cells * cellBytes * source.LayerCount());
    EXPECT_EQ(bytes.substr(4, 4), U32(uint32_t(bytes.size() - 20)));
    EXPECT_EQ(uint8_t(bytes[16]), source.GetPartWidth());
    EXPECT_EQ(uint8_t(bytes[18]), source.LayerCount());
    EXPECT_EQ(uint8_t(bytes[19]), source.GetBitsPerCell());

    TMapHeaderRecord fresh;
    TMemoryByteSource in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(ImportFMF(in, map, fresh, host).ok);
    ASSERT_EQ(map.LayerCount(), source.LayerCount());
    for (int i = 0; i < map.LayerCount(); ++i) {
      std::vector<uint16_t> expected = source.LayerAt(i).Cells;
      if (cellBytes == 1)
        for (auto& c : expected) c &= 0xFF;
      EXPECT_EQ(map.LayerAt(i).Cells, expected);
    }
  }
}

TEST_F(FMFTest, ImportFromAMissingFileFails) {
  const TFileResult result = ImportFMFFile(dir.File("none.fmf"), map, header, host);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.reason.find("none.fmf"), std::string::npos);
}

}  // namespace
