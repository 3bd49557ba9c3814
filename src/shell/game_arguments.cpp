#include "shell/game_arguments.h"

namespace annals {

namespace {

const char* const kUsage =
    "usage: annals [--folder DIR] [--lang en|tr]\n"
    "\n"
    "Annals, the game in its window.\n"
    "\n"
    "  --folder DIR  game folder with Art/, Music/, Sounds/, Save/ (default: the folder of annals)\n"
    "  --lang en|tr  language of the texts for this run (default: the settings, else the game\n"
    "                folder's language.txt)\n"
    "  --help        this text\n"
    "\n"
    "The settings of the Options page are kept in $XDG_CONFIG_HOME/annals/settings\n"
    "(~/.config/annals/settings); annals-cli settings lists them.\n";

} // namespace

int ParseGameArguments(const std::vector<std::string>& args, GameArguments& parsed, std::string& out,
                       std::string& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "help") {
            out = kUsage;
            return 0;
        }
        if (arg != "--folder" && arg != "--lang") {
            err = "annals: unknown argument \"" + arg + "\"\n" + kUsage;
            return 2;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            err = "annals: " + arg + " needs a value\n" + kUsage;
            return 2;
        }
        const std::string& value = args[++i];
        if (arg == "--folder") {
            parsed.folder = value;
        } else if (value == "en" || value == "tr") {
            parsed.language = value == "en" ? 1 : 2;
        } else {
            err = "annals: --lang must be en or tr\n" + std::string(kUsage);
            return 2;
        }
    }
    return -1;
}

} // namespace annals
