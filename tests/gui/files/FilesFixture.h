#pragma once
// The editor with a temporary folder, for the file commands and the preview.
#include <string>
#include <vector>

#include "../mainform/EditorFixture.h"
#include "support/TempDir.h"

class FilesTest : public EditorTest {
 protected:
  // Writes `bytes` as dir/name and returns the full path.
  std::string WriteFile(const std::string& name, const std::string& bytes);
  // A 24-bit parts image of 16 x 2 parts of `partSize` pixels, part n filled with PartColour(n).
  std::string WritePartsImage(const std::string& name, int partSize);
  // Marks the document as changed, as an edit would.
  void Modify();
  // Saves through the save-as command, answering its dialog with `path`.
  void SaveAs(const std::string& path);
  // Reads back a project file without the editor.
  TProjectRecords ReadRecords(const std::string& path);

  TempDir dir;
};

void ExpectBox(const PromptCall& call, const std::string& text, const std::string& caption,
               MsgIcon icon, MsgButtons buttons);
// A fresh 100 x 100 map with one layer, untitled and unchanged.
void ExpectDefaultMap();
bool ProgressWindowLeft();

// 8-bit FMF: the 20-byte header and whatever cell bytes follow.
std::string FmfBytes(uint32_t width, uint32_t height, uint8_t part, uint8_t layers, uint8_t bits,
                     const std::string& cells);
