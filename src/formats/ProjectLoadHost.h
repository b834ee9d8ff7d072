#pragma once
// What the readers of project and FMF files ask of whoever drives them. The editor implements
// it with its tool windows and progress window; TPlainProjectHost does without windows.
#include <string>

class IProjectLoadHost {
 public:
  virtual ~IProjectLoadHost() = default;

  // The header passed its checks and the document is about to be set up anew.
  virtual void HideWindows() {}
  // The document is set up (size, part size, bits per cell) and holds no layer yet;
  // `layerCount` layers follow.
  virtual void BeforeLayers(int layerCount) {}
  // Appends a layer named `name` (UTF-8) to the document, without a parts image, and makes it
  // the current one. False when it could not be created.
  virtual bool AddLayer(const std::string& name) = 0;
  // Gives the layer the parts image at `fullPath`. Reports its own failures (missing or
  // unreadable file); the layer then stays without an image and reading goes on.
  virtual void AttachImage(int layerIndex, const std::string& fullPath) = 0;
  // The layer's visibility, already set in the document, for the layer list's check mark.
  virtual void SetLayerVisibleState(int layerIndex, bool visible) {}
  // One layer is complete.
  virtual void LayerDone() {}
};

// The progress of a writer.
class IProgressSink {
 public:
  virtual ~IProgressSink() = default;
  virtual void Start(int maximum) = 0;  // the range is 0 .. maximum
  virtual void Step() = 0;
  virtual void Finish() = 0;  // also after a failure
};
