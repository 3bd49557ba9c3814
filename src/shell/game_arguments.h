// The window game's command line: --folder, --lang and --help, as annals-cli takes them.
#pragma once

#include <string>
#include <vector>

namespace annals {

struct GameArguments {
    std::string folder; // empty: the program's own folder
    int language = 0;   // 0: as the settings say
};

// Returns -1 when the game is to start; otherwise the exit code, with the text to print
// in out (0 after --help) or err (2 for an argument the game does not take).
int ParseGameArguments(const std::vector<std::string>& args, GameArguments& parsed, std::string& out,
                       std::string& err);

} // namespace annals
