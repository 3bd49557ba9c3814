// annals-cli: the game without a window, for reproducing, measuring and looking.
#pragma once

#include <string>
#include <vector>

namespace annals {

// Runs one command line; returns the process exit code. Output goes to out, errors to err.
int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err);

// The slot label of the game in memory ("BC 3950 , Britons").
std::string SlotLabelOfRunningGame();

} // namespace annals
