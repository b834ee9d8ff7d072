#pragma once
// A map file loaded for the command-line tool: the document, its project records and the
// parts images it names.
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "formats/PlainProjectHost.h"
#include "formats/ProjectRecords.h"
#include "model/MapDataUnit.h"

class TCliDocument {
 public:
  TCliDocument();
  ~TCliDocument();

  // Reads a project (.bwp) or, by its extension, an FMF file (.fmf) or a Tiled map (.tmx,
  // .tmj, .json). `loadImages` off keeps only the images' paths. Prints the editor's error
  // texts on `err` and returns false.
  bool Load(const std::string& path, bool loadImages, std::ostream& err);
  // A parts image was missing or could not be read (only when images are loaded).
  bool ImageProblems() const;

  TMap map;
  TProjectRecords records;
  // The full path of each layer's parts image, as the project names it.
  std::map<int, std::string> imagePaths;

 private:
  class Host;
  std::unique_ptr<Host> host_;
};

bool HasExtension(const std::string& path, const std::string& extension);
