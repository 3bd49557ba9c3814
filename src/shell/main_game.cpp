// Annals: the game in its window.
#include "shell/game_arguments.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "state/state.h"

#include <chrono>
#include <cstdio>

using namespace annals;

int main(int argc, char** argv) {
    GameArguments arguments;
    std::string out, err;
    const int code = ParseGameArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc),
                                        arguments, out, err);
    if (code >= 0) {
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        return code;
    }
    gameFolder = !arguments.folder.empty()
                     ? arguments.folder
                     : GameFolderFromPath(ProgramPath(argc > 0 ? argv[0] : nullptr), CurrentDirectory());
    SetCommandLineLanguage(arguments.language);
    // The window opens as the player left it: full screen or a window.
    LoadSettings();

    WindowOptions options;
    options.fullscreen = CurrentSettings().fullscreen;
    options.soundsFolder = gameFolder + "/Sounds";
    std::string error;
    std::unique_ptr<Platform> platform = CreateSdlPlatform(options, error);
    if (!platform) {
        std::fprintf(stderr, "Annals cannot open its screen: %s\n", error.c_str());
        return 1;
    }
    InstallShellHost(*platform);
    SetComputerPace(kWindowPace);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    FormCreate(static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    RunMessageLoop(*platform);
    FormClose();
    UninstallShellHost();
    return 0;
}
