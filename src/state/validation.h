// What a sound game looks like: the ranges the rules keep every field in, and one check
// of the whole state against them and against the links between the records. The
// loader refuses a file that fails it; the game runs it after its actions while the
// checks are switched on (the tests' long games do), so a rule that breaks the state
// is found where it happens, not when the save it wrote is refused.
#pragma once

#include "state/state.h"

#include <cstdint>
#include <string>

namespace annals {

// Ranges the rules keep the fields in.
constexpr int kMaxSpendingLevel = 9; // scienceLevel, militaryLevel
constexpr int kTaxStep = 5;          // taxRate is a multiple of 5 ...
constexpr int kMaxTaxRate = 100;     // ... from 0 to 100
constexpr int kMaxWorkersInBuilding = 2;
constexpr int kMaxDeliveryTimer = 6;
constexpr int kMaxTurnsSinceBuilding = 20;
constexpr int kMinStorage = 100, kMaxStorage = 200;
// A store holds at most its capacity after a city's turn; goods a wagon brings in
// between may lie above it for a while. These bounds are far above anything a game
// reaches and far below what could overflow the turn's sums.
constexpr int32_t kMaxStock = 100000;
constexpr int32_t kMaxProduction = 100000;
// The calendar: it starts in 4000 BC at turn 2 and stops advancing at its last year
// (the slot header keeps the year in five digits) and its last turn.
constexpr int32_t kFirstYear = -4000;
constexpr int32_t kLastYear = 90000;
constexpr int32_t kFirstTurn = 1;
constexpr int32_t kLastTurn = 1000000;
// A ship's cargo position: 100000 + the slot of the unit aboard.
constexpr int32_t kCarriedUnitMark = 100000;

using WorldMap = MapCell[kMaxMapSize + 1][kMaxMapSize + 1];
using CivTable = CivRecord[kMaxCivs + 1];

// Why these records are not a game the rules can reach; empty when they are.
std::string StateFault(const WorldMap& map, const CivTable& table, const GameState& state);
// The same for the running game.
std::string RunningStateFault();

// The check after every action: off unless switched on (the tests and a debug build
// switch it on). The first fault found is kept with the action that left it.
void SetStateChecks(bool on);
bool StateChecksOn();
void CheckStateAfter(const char* action);
const std::string& FirstStateFault(); // "after ACTION: REASON", empty while none
void ClearStateFault();

} // namespace annals
