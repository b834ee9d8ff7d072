#pragma once
// The command line of brimwell-cli, parsed.
#include <string>
#include <vector>

struct TCliOptions {
  std::string command;              // "info", "export", "import"; empty with --help/--version
  std::vector<std::string> files;   // the command's operands
  std::string format;               // export: fmf, csv1, csv2, bmp, tmx, tmj; empty: from the extension
  bool json = false;
  bool strict = false;
  bool help = false;
  bool version = false;
};

// Parses `args` (without the program name). Returns false with `error` set on wrong usage.
bool ParseCliOptions(const std::vector<std::string>& args, TCliOptions& options,
                     std::string& error);

extern const char* const kCliUsage;
extern const char* const kCliVersion;
