#pragma once
// The readers' host without windows, for the command-line tool and the tests: layers go
// straight into the document, and the parts images it loads are its own. Missing and
// unreadable images are reported through the prompter with the editor's texts and the layer
// goes on without an image.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/ProjectLoadHost.h"
#include "model/DefineUnit.h"
#include "platform/Prompter.h"

class TMap;

class TPlainProjectHost : public IProjectLoadHost {
 public:
  explicit TPlainProjectHost(TMap& map) : map_(map) {}

  void BeforeLayers(int layerCount) override;
  bool AddLayer(const std::string& name) override;
  void AttachImage(int layerIndex, const std::string& fullPath) override;

  // Gives the images' transparent pixels the colour key `key` (0x00BBGGRR), once the
  // document's records are known.
  void KeyImages(uint32_t key);

  // Entries stay alive as long as the host; the document's layers point at them.
  const std::vector<std::unique_ptr<TMapChip>>& Chips() const { return chips_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }

 private:
  TMapChip* FindChip(const std::string& path) const;
  void Warn(const std::string& text, const char* caption, MsgIcon icon);

  TMap& map_;
  std::vector<std::unique_ptr<TMapChip>> chips_;
  std::vector<std::string> warnings_;
};
