#include "shell/program.h"

#include "shell/settings.h"
#include "state/host.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/end_screen.h"
#include "ui/help_texts.h"
#include "ui/input.h"

#include <fstream>
#include <limits.h>
#include <unistd.h>

namespace annals {

std::string GameFolderFromPath(const std::string& programPath, const std::string& currentDirectory) {
    const size_t slash = programPath.find_last_of('/');
    if (slash == std::string::npos) return currentDirectory;
    return programPath.substr(0, slash);
}

std::string ProgramPath(const char* argv0) {
    char buffer[PATH_MAX + 1];
    const ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n > 0) return std::string(buffer, static_cast<size_t>(n));
    return argv0 ? argv0 : "";
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX + 1];
    if (getcwd(buffer, sizeof buffer)) return buffer;
    return ".";
}

int LanguageFromFirstLine(const std::string& line) {
    std::string text = line;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    return text.size() > 1 && text[0] == 't' && text[1] == 'r' ? 2 : 1;
}

int ReadLanguageFile(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) return 1;
    return LanguageFromFirstLine(line);
}

void FormCreate(uint64_t seed) {
    // The player's settings: the language (unless --lang says), the keys, the screen
    // and the sound. A damaged file costs only what could not be read.
    LoadSettings();
    ApplySettings();
    if (!SettingsProblem().empty()) {
        ThePlatform().LogOnce(SettingsProblem());
        ShowMessage(SettingsProblem());
    }
    SeedRandom(seed);
    InitializeVariables();
    // PrepairScreen: the view starts at the top-left cell, the pointer mid-screen.
    game.viewX = game.viewY = 1.0;
    ui.mouseX = 400;
    ui.mouseY = 300;
    // FullScreen: the display is already up; its (re)start loads the pictures.
    ui.gameStarted = 0;
    if (!BaseInitialize()) return;
    // Without its texts the help says so on its page; the game itself runs on.
    if (!LoadHelpTexts(gameFolder) && HasPlatform()) ThePlatform().LogOnce(HelpTextsError());
    PlaySound("intro");
}

bool BaseInitialize() {
    // A null canvas shows nothing, so it needs no pictures: a headless command that draws
    // nothing starts without reading the sheets.
    if (!ThePlatform().DrawsPixels()) return true;
    if (LoadSurfaces(1)) return true;
    // Without its pictures the game cannot be shown: say so once, naming the files, and
    // end cleanly instead of drawing nothing or trying again every frame.
    if (HasPlatform()) ThePlatform().LogOnce("the pictures could not be read " + SheetLoadError());
    ShowMessage(std::string(Tr("Annals cannot start because some of its pictures are missing or damaged. ",
                               "Annals başlatılamıyor, çünkü bazı resimleri eksik ya da bozuk. ")) +
                SheetLoadError() +
                Tr(" Please build or install the game again.", " Lütfen oyunu yeniden kurun."));
    TheHost().Quit();
    return false;
}

void DXTimer1Timer() {
    if (HasPlatform() && !ThePlatform().Focused()) return;
    TimerFunction();
}

void FormClose() {
    FreeSurfaces();
}

void DispatchEvent(const InputEvent& event) {
    // The end screen and the hand-over screen take every press while they are up.
    if (EndScreensTakeEvent(event)) return;
    switch (event.kind) {
    case EventKind::KeyDown:
        FormKeyDown(event.key, event.shift);
        break;
    case EventKind::MouseDown:
        BaseMouseDown(event.button, event.shift, event.x, event.y);
        break;
    case EventKind::MouseUp:
        BaseMouseUp(event.button, event.shift, event.x, event.y);
        break;
    case EventKind::MouseMove:
        BaseMouseMove(event.shift, event.x, event.y);
        break;
    case EventKind::ScreenModeChanged:
        NoteScreenMode(ThePlatform().Fullscreen());
        break;
    case EventKind::Quit:
    case EventKind::None:
        break;
    }
}

void RunMessageLoop(Platform& platform) {
    constexpr uint64_t kTick = 60;
    uint64_t nextTick = platform.TicksMs() + kTick;
    while (!platform.QuitRequested()) {
        const uint64_t now = platform.TicksMs();
        if (now >= nextTick) {
            DXTimer1Timer();
            // A slow frame does not make the timer race to catch up.
            nextTick = std::max(nextTick + kTick, platform.TicksMs() + 1);
            continue;
        }
        InputEvent event;
        if (TakeKeptEvent(event) || platform.WaitEvent(event, static_cast<int>(nextTick - now)))
            DispatchEvent(event);
    }
}

} // namespace annals
