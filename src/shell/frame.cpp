// The frame routine: advance the automatic work, then draw the whole screen from the
// game state, in a fixed order, and show it.
#include "audio/music.h"
#include "persist/save_game.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/computer_turns.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/battle_view.h"
#include "ui/drawing.h"
#include "ui/end_screen.h"
#include "ui/input.h"
#include "ui/menus.h"
#include "ui/options_screen.h"
#include "ui/screens.h"
#include "units/movement.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <deque>

namespace annals {

namespace {

std::vector<std::string>* frameTrace = nullptr;

inline void Trace(const char* step) {
    if (frameTrace) frameTrace->emplace_back(step);
}

bool AnimationAtRest(const UnitRecord* unit) {
    return !unit || (unit->animDx == 0 && unit->animDy == 0);
}

bool AnyScreenOpen() {
    return ui.cityMenuX != 0 || ui.scienceTableOpen || ui.scienceMenuOpen || ui.financeMenuOpen ||
           ui.productsMenuOpen || ui.citiesMenuOpen || ui.statsMenuOpen || ui.mainMenuOpen ||
           ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || ui.bigNewsOpen || ui.scoreMenuOpen ||
           ui.terrainInfoOpen;
}

// Step 4: a human unit walks its stored route, or takes the one step it was left with.
// Returns true when the frame must end at once.
bool HumanUnitAutomation() {
    if (ui.innerFrame || !IsHuman(game.currentCiv) || ui.unitDragging) return false;
    UnitRecord* unit = CurrentUnitRecord();
    if (!unit || unit->movesLeft <= 0) return false;
    if (unit->gotoX != 0 && ui.dialogCode == 0 && !ui.battleShown && !ui.distanceBusy) {
        Trace("route");
        const RouteStep step = StepHumanRoute();
        if (step != RouteStep::Waiting) FormKeyDown(kVkPseudoStep, 0);
        return step == RouteStep::EndFrame;
    }
    if (unit->pendingDirection != 0 && !ui.battleShown && !ui.distanceBusy) {
        Trace("pendingStep");
        const int direction = unit->pendingDirection;
        unit->pendingDirection = 0;
        UnitActivity(20 + direction);
    }
    return false;
}

void DrawOpenScreens() {
    const bool computerTurn =
        game.currentCiv >= 1 && game.currentCiv <= game.civCount && !IsHuman(game.currentCiv);
    if (ui.bigNewsOpen) Trace("bigNews"), DrawBigNews();
    if (ui.mainMenuOpen) Trace("mainMenu"), DrawMainMenu();
    if (ui.saveMenuOpen || ui.loadMenuOpen) Trace("saveLoadMenu"), DrawSaveLoadMenu();
    if (Civ(game.currentCiv).newsCount > 0) Trace("news"), DrawNews();
    if (ui.scienceTableOpen && !ui.scienceMenuOpen && ui.dialogCode == 0 && !game.gameOver)
        Trace("scienceTable"), DrawScienceTable();
    if (ui.scienceMenuOpen) Trace("scienceMenu"), DrawScienceMenu();
    if (ui.financeMenuOpen) Trace("financeMenu"), DrawFinanceMenu();
    if (ui.productsMenuOpen) Trace("productsMenu"), DrawProductsMenu();
    if (ui.cityMenuX != 0) Trace("cityMenu"), DrawCityMenu();
    if (ui.citiesMenuOpen) Trace("citiesMenu"), DrawCitiesMenu();
    if (ui.helpMenuOpen) Trace("helpMenu"), DrawHelpMenu();
    if (ui.statsMenuOpen) Trace("statsMenu"), DrawStatsMenu();
    if (ui.terrainInfoOpen) Trace("terrainInfo"), DrawTerrainInfoMenu();
    if (ui.coinAnimation > 0) Trace("coin"), DrawCoin();
    if (computerTurn && ui.dialogCode == 0) Trace("aiTime"), DrawAITime();
    if (game.gameOver) Trace("gameOver"), DrawGameOverMenu();
    if (ui.scoreMenuOpen) Trace("scoreMenu"), DrawScoreMenu();
}

ComputerPace computerPace;
// Set while the computers play their share of a frame: a press that comes meanwhile is
// the watcher's, kept for after the frame (a few of them; more are not a person's).
bool computersInFrame = false;
std::deque<InputEvent> keptEvents;
constexpr size_t kMostKeptEvents = 32;

// The computers' share of one frame (see ComputerPace).
void PlayComputersForAFrame(Platform& platform) {
    // A computer that can never finish its turn cannot hold a frame for ever.
    constexpr int kMostSteps = 100000;
    ComputerPace pace = computerPace;
    // Faster showing, or only the result, draws less between the moves, which leaves the
    // computers more of each tick; what they play is the same.
    if (pace.milliseconds > 0) {
        if (ComputerTurnsShown() == ComputerTurns::Faster) pace.milliseconds += 10;
        if (ComputerTurnsShown() == ComputerTurns::Result) pace.milliseconds += 16;
    }
    const uint64_t started = pace.milliseconds > 0 ? platform.TicksMs() : 0;
    const int32_t turn = game.turn;
    computersInFrame = true;
    for (int step = 0; step < kMostSteps && (pace.steps == ComputerPace::kNoLimit || step < pace.steps);
         ++step) {
        if (!ComputerToMove()) break;
        ComputerStep();
        if (game.turn != turn) break;
        if (pace.milliseconds > 0 && platform.TicksMs() - started >= static_cast<uint64_t>(pace.milliseconds))
            break;
    }
    computersInFrame = false;
}

} // namespace

void SetComputerPace(const ComputerPace& pace) {
    computerPace = pace;
}

const ComputerPace& CurrentComputerPace() {
    return computerPace;
}

bool TakeKeptEvent(InputEvent& event) {
    if (keptEvents.empty()) return false;
    event = keptEvents.front();
    keptEvents.pop_front();
    return true;
}

void SetFrameTrace(std::vector<std::string>* trace) {
    frameTrace = trace;
}

void TimerFunction() {
    Platform& platform = ThePlatform();
    ui.minimized = platform.Minimized() ? 1 : 0;

    // 1. Surface recovery. The back buffer is our own memory and is never lost; only a
    // real loss of the window's texture brings the sheets in again (never while minimized).
    if (ui.surfacesLoaded >= 1 && !ui.minimized && platform.TakeDeviceLost()) {
        Trace("reloadSheets");
        LoadSurfaces(2);
    }

    // 2. Music: a due countdown starts the next track when a person is to move.
    if (!ui.innerFrame && (ui.musicCountdown <= 0 || ui.musicCountdown > 10000) && IsHuman(game.currentCiv)) {
        Trace("nextTrack");
        NextTrack();
    }
    if (ui.gameStarted && !ui.innerFrame) ui.musicCountdown -= 1;

    // 3. Autosave, once a person's unit is selected.
    if (!ui.innerFrame && ui.autosaveRequested && IsHuman(game.currentCiv) && CurrentUnitRecord()) {
        Trace("autosave");
        Save(7);
        ui.autosaveRequested = 0;
    }

    // 4. A person's unit walking its route.
    if (HumanUnitAutomation()) return;

    // A computer's turn that no press drives (a game nobody plays, or one loaded in the
    // middle of a computer's turn) goes on, a share of it in each frame.
    if (!ui.innerFrame && ui.gameStarted && !AnyScreenOpen() && ComputerToMove()) {
        Trace("computers");
        PlayComputersForAFrame(platform);
    }

    // 5. The entrance screen.
    platform.SuspendDrawing(ui.minimized);
    if (!ui.gameStarted) {
        Trace("entrance");
        DrawEnterance();
        Trace("mouse");
        DrawMouse();
        platform.SuspendDrawing(false);
        if (!ui.minimized) Trace("present"), platform.Present();
        return;
    }

    // Between two people's turns nothing of the last one's view shows: the hand-over
    // screen covers it all.
    if (ui.handOverCiv != 0) {
        Trace("handOver");
        DrawHandOver();
        DrawMouse();
        platform.SuspendDrawing(false);
        if (!ui.minimized) Trace("present"), platform.Present();
        return;
    }

    // 6. The game screen, each step over the previous ones.
    UnitRecord* unit = CurrentUnitRecord();
    if (unit && AnimationAtRest(unit) && !AnyScreenOpen() && ui.dialogCode == 0 && !ui.unitDragging &&
        !ui.workerDragging && !game.gameOver)
        ui.moveBlink = ui.moveBlink >= 100 ? 0 : ui.moveBlink + 1;
    Trace("mouseControl");
    MouseControl();
    Trace("terrain");
    DrawTerrain(12, 9, game.viewX, game.viewY, 20, 15);
    Trace("units");
    DrawUnits();
    DrawLifes();
    DrawCityNames();
    DrawCurrentUnit();
    DrawBattle();
    DrawEdgesAndSmallMap();
    DrawOpenScreens();
    Trace("mouse");
    DrawMouse();
    if (ui.dialogCode != 0 && !ui.battleShown) Trace("dialog"), DrawDialogTable();
    if (!ui.minimized) Trace("infoPanel"), DrawInfoAboutCivilization();
    if (ui.endScreenOpen) Trace("endScreen"), DrawEndScreen(), DrawMouse();
    // The options page covers everything, the panels' texts too; the pointer goes on top.
    if (ui.optionsOpen) Trace("options"), DrawOptionsScreen(), DrawMouse();
    if (ui.helpMenuOpen) ui.helpDrawn = 1;
    MenuChoicesWhenDue();
    ui.frameDrawn = 1;
    platform.SuspendDrawing(false);
    if (!ui.minimized) Trace("present"), platform.Present();

    // 11. A finished move's distance rebuild, once its animation has come to rest.
    if (!ui.innerFrame && ui.distanceRecalcRequested && AnimationAtRest(CurrentUnitRecord())) {
        ui.distanceRecalcRequested = 0;
        Trace("distances");
        DistanceCalculation();
    }
}

namespace {

// Game routines reach the window through this.
class ShellHost final : public Host {
public:
    explicit ShellHost(Platform& platform) : platform_(platform) {}

    void NestedFrame() override {
        if (platform_.QuitRequested()) return;
        // Keep the window alive; input that arrives during a person's action is not an
        // order, but a press made while the computers play their share of a frame, or
        // in a game nobody plays, is the watcher's, and is answered after the frame.
        InputEvent event;
        while (platform_.PollEvent(event)) {
            if (event.kind == EventKind::MouseMove)
                BaseMouseMove(event.shift, event.x, event.y);
            else if ((computersInFrame || NobodyPlays()) && event.kind != EventKind::None &&
                     keptEvents.size() < kMostKeptEvents)
                keptEvents.push_back(event);
        }
        if (platform_.QuitRequested()) return;
        const uint8_t saved = ui.innerFrame;
        ui.innerFrame = 1;
        TimerFunction();
        ui.innerFrame = saved;
    }
    void Pause(int milliseconds) override {
        if (!platform_.QuitRequested()) platform_.Delay(milliseconds);
    }
    void ShowMessage(const std::string& text) override { platform_.Notice(text, Tr("OK", "Tamam")); }
    bool Ask(const std::string& text, const std::string& yes, const std::string& no) override {
        return platform_.Ask(text, yes, no);
    }
    void PlaySound(const std::string& name) override { platform_.PlayWave(name); }
    void StopSound(const std::string& name) override { platform_.StopWave(name); }
    void Quit() override { platform_.RequestQuit(); }
    bool QuitRequested() const override { return platform_.QuitRequested(); }

private:
    Platform& platform_;
};

std::unique_ptr<ShellHost> shellHost;

} // namespace

void InstallShellHost(Platform& platform) {
    SetPlatform(&platform);
    shellHost = std::make_unique<ShellHost>(platform);
    SetHost(shellHost.get());
}

void UninstallShellHost() {
    SetHost(nullptr);
    SetPlatform(nullptr);
    shellHost.reset();
}

} // namespace annals
