// Throws damaged save files at the loader: nothing may crash, and a refused file must
// leave the running game as it was.
#include "economy/end_of_turn.h"
#include "persist/save_game.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"
#include "world/map_generator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace annals;

namespace {

std::string validSave;

// A small game: a generated world, a few units, a ship with a passenger, a city.
void MakeGame() {
    ResetState();
    InitializeVariables();
    SeedRandom(7);
    game.mapWidth = game.mapHeight = 24;
    game.location = 1;
    GenerateMap();
    game.civCount = 3;
    const int nations[] = {0, 1, 5, 13};
    for (int c = 1; c <= 3; ++c) {
        Civ(c).nation = static_cast<uint8_t>(nations[c]);
        Civ(c).government = 2;
        Civ(c).colour = static_cast<uint8_t>(c);
        Civ(c).gold = 75;
        Civ(c).isComputer = c > 1;
    }
    int lx = 0, ly = 0, sx = 0, sy = 0;
    for (int x = 1; x <= 24; ++x)
        for (int y = 1; y <= 24; ++y) {
            if (Cell(x, y).terrain != kSea && !lx) lx = x, ly = y;
            if (Cell(x, y).terrain == kSea && !sx) sx = x, sy = y;
        }
    AddUnit(1, kWarrior, lx, ly);
    AddUnit(1, kCaravel, sx, sy);
    AddUnit(1, kSettler, sx, sy);
    Unit(1, 3).carrierLink = 2001;
    Unit(1, 2).cargo[1] = 100003;
    Civ(1).cityCount = 1;
    Civ(1).cities[1] = {static_cast<uint8_t>(lx), static_cast<uint8_t>(ly)};
    CityData& city = City(lx, ly);
    city.hasCity = 1;
    city.cityX = static_cast<uint8_t>(lx);
    city.cityY = static_cast<uint8_t>(ly);
    city.owner = 1;
    city.cityIndex = 1;
    city.founder = 1;
    city.nameIndex = 1; // named as the first city its founder built
    city.nextFreeSlot = 1;
    city.size = 1;
    city.storageCapacity = 100;
    city.taxRate = 25;
    city.happiness = 70;
    city.unitBuildItem = 2;
    city.Worked(0, 0) = 1;
    city.WorkedProduct(0, 0) = 1;
    Cell(lx, ly).workedByX = static_cast<uint8_t>(lx);
    Cell(lx, ly).workedByY = static_cast<uint8_t>(ly);
    game.year = -4000;
    game.turn = 2;
    game.currentCiv = 1;
    game.currentUnit = 1;
    game.location = 1;
    validSave = SaveGameText();
    if (!CheckSaveText(validSave).ok) std::abort(); // the base of the edits must be a sound game
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (validSave.empty()) MakeGame();
    std::string text;
    if (size > 0 && data[0] == 'E') {
        // An edit script over a sound save: (position, new digit or separator) pairs,
        // so the damage reaches deep into the file.
        text = validSave;
        for (size_t i = 1; i + 2 < size; i += 3) {
            const size_t at = ((static_cast<size_t>(data[i]) << 8) | data[i + 1]) % text.size();
            const char c = static_cast<char>(data[i + 2]);
            if (c == 0)
                text.erase(at, 1);
            else
                text[at] = c;
        }
    } else {
        text.assign(reinterpret_cast<const char*>(data), size);
    }
    const LoadOutcome outcome = LoadSaveText(text);
    if (!outcome.ok && SaveGameText() != validSave) std::abort(); // a refused file changed the game
    if (outcome.ok) {
        // A game the loader takes plays on: its end of turn is sound (the sanitizers
        // watch it) and leaves a game that saves to a file the loader takes again.
        EndOfTurn();
        if (!CheckSaveText(SaveGameText()).ok) std::abort();
        MakeGame();
    }
    return 0;
}
