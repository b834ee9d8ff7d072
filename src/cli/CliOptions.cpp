#include "cli/CliOptions.h"

#include "cli/CliDocument.h"
#include "formats/TiledImport.h"

const char* const kCliVersion = "1.52b";

const char* const kCliUsage =
    R"(usage: brimwell-cli [--strict] [--lang en|ja] COMMAND ARGUMENTS

Reads and writes Brimwell's map files without the editor, for scripts and build pipelines.

Commands:
  info FILE [--json]
      Shows a project (.bwp), an FMF file (.fmf) or a Tiled map (.tmx, .tmj, .json):
      map size in cells, part size in pixels, bits per cell, the comment, and each
      layer with its name, parts image (resolved against the project's folder) and
      visibility. Layers are listed bottom first: layer 0 is drawn first, each later
      one over it. --json prints one JSON object with the keys width, height,
      partWidth, partHeight, bitsPerCell, partsPerRow (16 or 256: part n lies at
      column n mod partsPerRow, row n div partsPerRow of its image), colorKey
      ("#rrggbb"), transparency (whether pixels of the colour key are left out),
      transparentPart, transparentPartUsed, comment and layers (bottom first, each
      with name, image, imageParts and visible; imageParts is {"columns", "rows"},
      the whole parts that fit in the image, or null without a readable image).
  export IN OUT [--format fmf|csv1|csv2|bmp|tmx|tmj]
      Writes the map (IN: .bwp, .fmf, .tmx, .tmj or .json) as the editor's export
      command does: fmf (fixed map data), csv1 (one line per map row, an empty line
      after each layer), csv2 (a header line "width,height,partWidth,partHeight,
      layers,bits", then the rows), bmp (one 24-bit bitmap of the visible layers
      drawn with their parts images, the project's transparent part and colour key),
      tmx or tmj (a Tiled map, XML or JSON, one embedded tileset per parts image).
      Without --format the format comes from OUT's extension: .fmf, .bmp, .tmx,
      .tmj or .json (.csv needs --format csv1 or csv2). OUT is never a file IN
      reads.
  import IN OUT.bwp
      Makes a project of an FMF file (layers "レイヤー0", "レイヤー1", ... without
      parts images, default settings) or of a Tiled map (.tmx, .tmj, .json: layer
      names, visibility, tileset images as parts images, the settings it keeps).
      Other inputs are refused.

Options:
  --strict        Answer Cancel to the questions (unknown chunks, files of other
                  versions, text that Shift-JIS cannot hold, what a Tiled map holds
                  that Brimwell cannot), which makes the command fail, and fail a bmp
                  export whose parts images are missing or unreadable. Without it every
                  question is answered OK and printed on stderr as a warning.
  --json          info: print JSON.
  --format FORMAT export: fmf, csv1, csv2, bmp, tmx or tmj.
  --lang LANG     The language of the warnings and errors: ja (the default) or en;
                  without it BRIMWELL_LANG, then the editor's language menu decides.
  -h, --help      Show this help.
  --version       Print the version.

A parts image that is missing or unreadable is a warning, not a failure (unless
--strict). No command writes over a file it reads (the map, or a bmp export's
parts images), whatever name OUT gives it.
Exit status: 0 success, 1 failure (the reason on stderr), 2 wrong usage.
)";

namespace {

bool TakeValue(const std::vector<std::string>& args, size_t& i, std::string& value,
               std::string& error) {
  const std::string& arg = args[i];
  const size_t equals = arg.find('=');
  if (equals != std::string::npos) {
    value = arg.substr(equals + 1);
    return true;
  }
  if (i + 1 >= args.size()) {
    error = arg + " needs a value";
    return false;
  }
  value = args[++i];
  return true;
}

bool TakeOption(const std::vector<std::string>& args, size_t& i, TCliOptions& options,
                std::string& error) {
  const std::string& arg = args[i];
  if (arg == "--json") {
    options.json = true;
  } else if (arg == "--strict") {
    options.strict = true;
  } else if (arg == "-h" || arg == "--help") {
    options.help = true;
  } else if (arg == "--version") {
    options.version = true;
  } else if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
    return TakeValue(args, i, options.format, error);
  } else {
    error = "unknown option " + arg;
    return false;
  }
  return true;
}

bool CheckOperands(const TCliOptions& options, std::string& error) {
  const std::string& c = options.command;
  const size_t want = c == "info" ? 1 : 2;
  if (c != "info" && c != "export" && c != "import") {
    error = c.empty() ? "no command given" : "unknown command " + c;
    return false;
  }
  if (options.files.size() != want) {
    error = c + " takes " + std::to_string(want) + (want == 1 ? " file" : " files");
    return false;
  }
  if (!options.format.empty() && c != "export") {
    error = "--format belongs to export";
    return false;
  }
  if (options.json && c != "info") {
    error = "--json belongs to info";
    return false;
  }
  // A project would lose its image paths and settings on the way.
  if (c == "import" && !HasExtension(options.files[0], ".fmf") &&
      !IsTiledMapPath(options.files[0])) {
    error = "import reads FMF files (.fmf) and Tiled maps (.tmx, .tmj, .json) only, not " +
            options.files[0];
    return false;
  }
  const std::string& f = options.format;
  if (!f.empty() && f != "fmf" && f != "csv1" && f != "csv2" && f != "bmp" && f != "tmx" &&
      f != "tmj") {
    error = "unknown format " + f + " (fmf, csv1, csv2, bmp, tmx or tmj)";
    return false;
  }
  return true;
}

}  // namespace

bool ParseCliOptions(const std::vector<std::string>& args, TCliOptions& options,
                     std::string& error) {
  bool operandsOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!operandsOnly && arg == "--") {
      operandsOnly = true;
    } else if (!operandsOnly && arg.size() > 1 && arg[0] == '-') {
      if (!TakeOption(args, i, options, error)) return false;
    } else if (options.command.empty()) {
      options.command = arg;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.help || options.version) return true;
  return CheckOperands(options, error);
}
