// annals-cli: the game without a window, for reproducing, measuring and looking.
#pragma once

#include <string>
#include <vector>

namespace annals {

// Runs one command line; returns the process exit code. Output goes to out, errors to err.
// The game's records are cleared first, unless the caller knows that they are still as the
// program started (a process that runs one command): clearing megabytes that are already
// clear would cost a command a good part of its start.
int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err,
           bool recordsFresh = false);

// The slot label of the game in memory ("BC 3950 , Britons").
std::string SlotLabelOfRunningGame();

} // namespace annals
