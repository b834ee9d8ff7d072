// brimwell-cli: Brimwell's map files from the command line.
#include <QCoreApplication>
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "cli/CliCommands.h"
#include "platform/Language.h"

int main(int argc, char* argv[]) {
  // A file-size limit then fails the write, which reports it, instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QCoreApplication app(argc, argv);  // for the translations and the stored language setting
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string option, error;
  if (!TakeLanguageOption(args, option, error)) {
    std::cerr << "brimwell-cli: " << error << "\n";
    return 2;
  }
  ApplyLanguage(ChooseLanguage(option, std::getenv("BRIMWELL_LANG"), StoredLanguageCode()));
  return RunCli(args, std::cout, std::cerr);
}
