#include "cli/CliOptions.h"

const char* const kCliVersion = "1.52b";

const char* const kCliUsage =
    R"(usage: brimwell-cli [--strict] [--lang en|ja] COMMAND ARGUMENTS

Reads and writes Brimwell's map files without the editor, for scripts and build pipelines.

Commands:
  info FILE [--json]
      Shows a project (.bwp) or an FMF file (.fmf): map size in cells, part size in
      pixels, bits per cell, the comment, and each layer with its name, parts image
      (resolved against the project's folder) and visibility. --json prints one JSON
      object with the keys width, height, partWidth, partHeight, bitsPerCell, comment
      and layers (each with name, image, visible).
  export IN.bwp OUT [--format fmf|csv1|csv2|bmp]
      Writes the map as the editor's export command does: fmf (fixed map data),
      csv1 (one line per map row, an empty line after each layer), csv2 (a header
      line "width,height,partWidth,partHeight,layers,bits", then the rows) or bmp
      (one 24-bit bitmap of the visible layers drawn with their parts images, the
      project's transparent part and colour key). Without --format the format comes
      from OUT's extension: .fmf or .bmp (.csv needs --format csv1 or csv2).
  import IN.fmf OUT.bwp
      Makes a project of an FMF file: layers "レイヤー0", "レイヤー1", ... without
      parts images, default settings.

Options:
  --strict        Answer Cancel to the questions (unknown chunks, files of other
                  versions, text that Shift-JIS cannot hold), which makes the command
                  fail. Without it every question is answered OK and printed on stderr
                  as a warning.
  --json          info: print JSON.
  --format FORMAT export: fmf, csv1, csv2 or bmp.
  --lang LANG     The language of the warnings and errors: ja (the default) or en;
                  without it BRIMWELL_LANG, then the editor's language menu decides.
  -h, --help      Show this help.
  --version       Print the version.

A parts image that is missing or unreadable is a warning, not a failure.
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
  const std::string& f = options.format;
  if (!f.empty() && f != "fmf" && f != "csv1" && f != "csv2" && f != "bmp") {
    error = "unknown format " + f + " (fmf, csv1, csv2 or bmp)";
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
