// brimwell-cli: Brimwell's map files from the command line.
#include <iostream>

#include "cli/CliCommands.h"

int main(int argc, char* argv[]) {
  return RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
