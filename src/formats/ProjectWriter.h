#pragma once
// Writes the document and the project records as a project file (.bwp).
#include <string>

#include "formats/FileResult.h"
#include "formats/ProjectRecords.h"

class TMap;
class IProgressSink;

// The caller refreshes the window records from the live windows first; the writer itself sets
// the version, takes the sizes and layer count from the document into the header, and raises
// the stored heights of the parts, layer and preview windows to at least 90 (in `records`
// too). Image paths are stored relative to `path`'s folder or as file names, as the header's
// relative-paths byte says. The file appears only when complete; on failure whatever was at
// `path` stays as it was and the reason is the file layer's text.
TFileResult WriteProjectFile(const std::string& path, const TMap& map, TProjectRecords& records,
                             IProgressSink* progress = nullptr);

constexpr int kMinToolWindowHeight = 90;
