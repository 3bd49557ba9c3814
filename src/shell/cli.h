// annals-cli: the game without a window, for reproducing, measuring and looking.
#pragma once

#include <string>
#include <vector>

namespace annals {

// Runs one command line; returns the process exit code. Output goes to out, errors to err.
int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err);

} // namespace annals
