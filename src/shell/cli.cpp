#include "shell/cli.h"

#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/host.h"
#include "state/state.h"
#include "ui/drawing.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace annals {

namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    std::vector<std::string> required; // options that must be given, checked before the game starts
    // Returns the exit code; 0 lets the next command run.
    std::function<int(const std::map<std::string, std::string>& options, std::string& out, std::string& err)>
        run;
};

const char* const kHelpHead =
    "annals-cli: Annals without a window.\n"
    "\n"
    "usage: annals-cli [--seed N] [--lang en|tr] [--folder DIR] COMMAND [options] [COMMAND [options] ...]\n"
    "\n"
    "Commands run in the order given, on one game state, in a headless copy of the game\n"
    "that draws the very pixels of the window.\n"
    "\n"
    "global options:\n"
    "  --seed N      seed of the random generator (default 1)\n"
    "  --lang en|tr  language of the texts (default: the game folder's language.txt)\n"
    "  --folder DIR  game folder with Art/, Music/, Sounds/, Save/ (default: the folder of annals-cli)\n"
    "\n"
    "commands:\n";

bool ParseInt(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high) return false;
    value = v;
    return true;
}

// Draws `frames` frames as the timer would, then writes the screen to a PNG file.
int Shot(const std::map<std::string, std::string>& options, std::string& out, std::string& err) {
    auto file = options.find("out");
    if (file == options.end() || file->second.empty()) {
        err = "shot: --out FILE is required\n";
        return 2;
    }
    long long frames = 1;
    if (auto f = options.find("frames"); f != options.end() && !ParseInt(f->second, 1, 100000, frames)) {
        err = "shot: --frames must be a number from 1 to 100000\n";
        return 2;
    }
    for (long long i = 0; i < frames; ++i) TimerFunction();
    std::string error;
    if (!WritePngFile(file->second, ThePlatform().Screen(), error)) {
        err = "shot: " + error + "\n";
        return 1;
    }
    out += "wrote " + file->second + "\n";
    return 0;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"shot",
         "shot --out FILE [--frames N]",
         "draw N frames (default 1) and write the screen to a PNG file",
         {"out"},
         Shot},
    };
    return commands;
}

std::string HelpText() {
    std::string text = kHelpHead;
    for (const Command& c : Commands()) {
        text += "  " + std::string(c.usage) + "\n      " + c.summary + "\n";
    }
    text += "  help\n      this text\n";
    return text;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& c : Commands())
        if (name == c.name) return &c;
    return nullptr;
}

struct Invocation {
    const Command* command;
    std::map<std::string, std::string> options;
};

} // namespace

int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.empty()) {
        err = HelpText();
        return 2;
    }
    long long seed = 1;
    int language = 0;
    std::string folder = gameFolder;
    std::vector<Invocation> plan;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "help" || arg == "--help" || arg == "-h") {
            out = HelpText();
            return 0;
        }
        if (const Command* command = FindCommand(arg)) {
            plan.push_back({command, {}});
            continue;
        }
        if (arg.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            err = "unknown argument \"" + arg + "\" (annals-cli --help lists the commands)\n";
            return 2;
        }
        const std::string key = arg.substr(2), value = args[++i];
        if (!plan.empty()) {
            plan.back().options[key] = value;
        } else if (key == "seed") {
            if (!ParseInt(value, 0, (1LL << 62), seed)) {
                err = "--seed must be a whole number\n";
                return 2;
            }
        } else if (key == "lang") {
            if (value != "en" && value != "tr") {
                err = "--lang must be en or tr\n";
                return 2;
            }
            language = value == "en" ? 1 : 2;
        } else if (key == "folder") {
            folder = value;
        } else {
            err = "unknown option \"" + arg + "\"\n";
            return 2;
        }
    }
    if (plan.empty()) {
        err = "no command given (annals-cli --help lists them)\n";
        return 2;
    }
    for (const Invocation& step : plan) {
        for (const std::string& option : step.command->required) {
            auto it = step.options.find(option);
            if (it == step.options.end() || it->second.empty()) {
                err = std::string(step.command->name) + ": --" + option + " is required (" +
                      step.command->usage + ")\n";
                return 2;
            }
        }
    }

    HeadlessPlatform platform;
    InstallShellHost(platform);
    ResetState();
    gameFolder = folder;
    FormCreate(static_cast<uint64_t>(seed));
    if (TheHost().QuitRequested()) {
        err = "annals-cli: the pictures of the game could not be read " + SheetLoadError() + "\n";
        FormClose();
        UninstallShellHost();
        return 1;
    }
    if (language != 0) game.language = static_cast<uint8_t>(language);

    int code = 0;
    for (const Invocation& step : plan) {
        code = step.command->run(step.options, out, err);
        if (code != 0) break;
    }
    FormClose();
    UninstallShellHost();
    return code;
}

} // namespace annals
