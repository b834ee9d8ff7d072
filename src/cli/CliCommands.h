#pragma once
// brimwell-cli's commands. Each returns the exit status: 0 success, 1 failure, 2 wrong usage.
#include <ostream>
#include <string>
#include <vector>

struct TCliOptions;

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunInfo(const TCliOptions& options, std::ostream& out, std::ostream& err);
int RunExport(const TCliOptions& options, std::ostream& err);
int RunImport(const TCliOptions& options, std::ostream& err);

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
