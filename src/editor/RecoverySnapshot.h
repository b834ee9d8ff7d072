#pragma once
// What a recovery copy is written from: a copy of the document's layers and cells and of the
// project records, taken on the editor's thread in one pass and written on another. The
// history stays behind; parts images go by their paths.
#include <memory>
#include <string>
#include <vector>

#include "formats/FileResult.h"
#include "formats/ProjectRecords.h"
#include "model/MapDataUnit.h"

class TRecoverySnapshot {
 public:
  // Copies `document` and `records`, reusing the arrays of the previous take when the
  // document still has the same shape.
  void Take(const TMap& document, const TProjectRecords& records);
  // Writes the copy as a project file whose image paths are relative to its own folder, so
  // that it reads back from there.
  TFileResult Write(const std::string& path);
  const TMap& Document() const { return map_; }

 private:
  bool SameShape(const TMap& document) const;
  void Reshape(const TMap& document);
  TMapChip* ChipFor(const TMapChip* chip);

  TMap map_;
  TProjectRecords records_;
  std::vector<std::unique_ptr<TMapChip>> chips_;  // image paths only
};
