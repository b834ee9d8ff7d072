// brimwell-cli: Brimwell's map files from the command line.
#include <csignal>
#include <iostream>

#include "cli/CliCommands.h"

int main(int argc, char* argv[]) {
  // A file-size limit then fails the write, which reports it, instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  return RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
