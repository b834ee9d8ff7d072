#pragma once
// The project-level records that the main window holds and the project file stores: version,
// map header, the four window placements, view and marker flags, colour key, transparent part
// and the comment. The window, flag and key records are the editor's live settings.
#include <cstdint>
#include <string>

struct TVersionRecord {
  uint8_t major = 1;
  uint8_t minor = 5;
  uint8_t release = 2;
  uint8_t letter = 'b';
};

// "UMFh": the map as a whole.
struct TMapHeaderRecord {
  int32_t width = 100;
  int32_t height = 100;
  int32_t partWidth = 32;
  int32_t partHeight = 32;
  uint8_t layerCount = 1;
  uint8_t bitsPerCell = 8;
  uint8_t relativePaths = 0;  // store parts-image paths relative to the project file
  uint8_t reserved = 255;
};

// "mWin", "cWin", "lWin", "pWin". The zoom's meaning depends on the window: view zoom in
// 1/256 units (main, parts), untouched (layers), pixels per cell (preview).
struct TWindowRecord {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t zoom = 256;
  uint8_t visible = 1;
  uint8_t reserved = 0;
};

// "Env_": view flags.
struct TViewFlagsRecord {
  uint8_t grid = 1;
  uint8_t partNumbers = 0;
  uint8_t cellIndex = 0;  // stored and read back; nothing draws it
  uint8_t cursorGrid = 1;
};

// "Marh": marker flags.
struct TMarkerRecord {
  uint8_t currentLayer = 0;
  uint8_t reserved = 0;
};

// "ColK": transparent drawing and its colour key (0x00BBGGRR).
struct TColorKeyRecord {
  uint8_t enabled = 0;
  uint32_t color = 0x0000FF00;
  uint8_t reserved = 0;
};

// "InvC": the part number that is not drawn at all while enabled.
struct TTransparentPartRecord {
  uint8_t enabled = 0;
  uint16_t number = 0;
  uint8_t reserved = 0;
};

struct TProjectRecords {
  TVersionRecord version;
  TMapHeaderRecord header;
  TWindowRecord mainWin;     // "mWin"
  TWindowRecord chipWin;     // "cWin"
  TWindowRecord layerWin;    // "lWin"
  TWindowRecord previewWin;  // "pWin"
  TViewFlagsRecord env;
  TMarkerRecord marker;
  TColorKeyRecord colorKey;
  TTransparentPartRecord transparentPart;
  std::string comment;  // UTF-8
};

// The editor's defaults for everything but the map header, with the tool windows placed at
// the right edge of a desktop work area `workAreaWidth` pixels wide.
inline void SetDefaultRecords(TProjectRecords& r, int32_t workAreaWidth) {
  const TMapHeaderRecord header = r.header;
  r = TProjectRecords();
  r.header = header;
  r.mainWin = {0, 0, 590, 590, 256, 1, 0};
  r.chipWin = {workAreaWidth - 420, 0, 420, 400, 256, 1, 0};
  r.layerWin = {workAreaWidth - 200, r.chipWin.top + r.chipWin.height, 200, 120, 256, 1, 0};
  r.previewWin = {workAreaWidth - 200, r.layerWin.top + r.layerWin.height, 200, 200, 2, 1, 0};
}
