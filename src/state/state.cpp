#include "state/state.h"

#include "state/large_pages.h"

#include <cstring>
#include <type_traits>

namespace annals {

alignas(kLargePage) MapCell worldMap[kMaxMapSize + 1][kMaxMapSize + 1];
alignas(kLargePage) CivRecord civs[kMaxCivs + 1];
GameState game;
UiState ui;
std::string gameFolder;

static_assert(std::is_trivially_copyable_v<MapCell>);
static_assert(std::is_trivially_copyable_v<CivRecord>);
static_assert(std::is_trivially_copyable_v<GameState>);
static_assert(std::is_trivially_copyable_v<UiState>);

namespace {
[[maybe_unused]] const bool inLargePages =
    (AdviseLargePages(worldMap, sizeof worldMap), AdviseLargePages(civs, sizeof civs), true);

// Where a stray index lands. Cleared on every such access, so nothing written there
// is ever read back as game data.
MapCell scratchCell;
CivRecord scratchCiv;
UnitRecord scratchUnit;

template <typename T> T& Scratch(T& record) {
    std::memset(static_cast<void*>(&record), 0, sizeof(T));
    return record;
}
} // namespace

bool InsideMap(int x, int y) {
    return x >= 1 && x <= game.mapWidth && y >= 1 && y <= game.mapHeight;
}

MapCell& Cell(int x, int y) {
    if (x < 0 || x > kMaxMapSize || y < 0 || y > kMaxMapSize) return Scratch(scratchCell);
    return worldMap[x][y];
}

CityData& City(int x, int y) {
    return Cell(x, y);
}

CivRecord& Civ(int civ) {
    if (civ < 0 || civ > kMaxCivs) return Scratch(scratchCiv);
    return civs[civ];
}

UnitRecord& Unit(int civ, int slot) {
    if (civ < 0 || civ > kMaxCivs || slot < 0 || slot > kMaxUnits) return Scratch(scratchUnit);
    return civs[civ].units[slot];
}

bool IsNatives(int civ) {
    return civ >= 1 && civ == game.civCount;
}

bool IsHuman(int civ) {
    return civ >= 1 && civ <= game.civCount && civs[civ].isComputer == 0;
}

void CloseAllScreens() {
    UiState fresh{};
    fresh.surfacesLoaded = ui.surfacesLoaded;
    fresh.minimized = ui.minimized;
    fresh.musicCountdown = ui.musicCountdown;
    fresh.currentTrack = ui.currentTrack;
    std::memcpy(fresh.trackPlays, ui.trackPlays, sizeof fresh.trackPlays);
    fresh.musicOn = ui.musicOn;
    fresh.mouseX = ui.mouseX;
    fresh.mouseY = ui.mouseY;
    fresh.gameStarted = ui.gameStarted;
    ui = fresh;
}

void ResetState() {
    std::memset(static_cast<void*>(worldMap), 0, sizeof worldMap);
    std::memset(static_cast<void*>(civs), 0, sizeof civs);
    std::memset(static_cast<void*>(&game), 0, sizeof game);
    std::memset(static_cast<void*>(&ui), 0, sizeof ui);
}

} // namespace annals
