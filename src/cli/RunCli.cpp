#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliPrompter.h"

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TCliOptions options;
  std::string error;
  if (!ParseCliOptions(args, options, error)) {
    err << "brimwell-cli: " << error << "\n" << "Try 'brimwell-cli --help'.\n";
    return kExitUsage;
  }
  if (options.help) {
    out << kCliUsage;
    return kExitOk;
  }
  if (options.version) {
    out << kCliVersion << "\n";
    return kExitOk;
  }
  TCliPrompter prompter(err, options.strict);
  IPrompter* previous = SetPrompter(&prompter);
  int status = kExitUsage;
  if (options.command == "info")
    status = RunInfo(options, out, err);
  else if (options.command == "export")
    status = RunExport(options, err);
  else if (options.command == "import")
    status = RunImport(options, err);
  SetPrompter(previous);
  return status;
}
