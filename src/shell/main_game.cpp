// Annals: the game in its window.
#include "shell/program.h"
#include "state/state.h"

#include <chrono>
#include <cstdio>

using namespace annals;

int main(int argc, char** argv) {
    gameFolder = GameFolderFromPath(ProgramPath(argc > 0 ? argv[0] : nullptr), CurrentDirectory());

    WindowOptions options;
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
