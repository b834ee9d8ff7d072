#pragma once
// The readers' host for fuzzing: layers go into the document, images are ignored.
#include <string>

#include "formats/ProjectLoadHost.h"
#include "model/MapDataUnit.h"

class FuzzHost final : public IProjectLoadHost {
 public:
  explicit FuzzHost(TMap& map) : map_(map) {}
  bool AddLayer(const std::string& name) override { return map_.AppendLayer(name, nullptr); }
  void AttachImage(int, const std::string&) override {}

 private:
  TMap& map_;
};
