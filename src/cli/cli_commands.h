#pragma once
// The tool's commands and the command line that picks one. Every command
// only reads the program folder; none writes a file.
#include <iosfwd>
#include <string>
#include <vector>

namespace horalo::cli {

enum ExitCode : int { kExitOk = 0, kExitProblems = 1, kExitUsage = 2 };

// Runs the command line (without the program name); output goes to `out`,
// errors and warnings to `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace horalo::cli
