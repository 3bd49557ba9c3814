// The computer at sea: voyages that carry settlers and soldiers to another shore, the
// ships that serve and guard them, and the land units' part in boarding and landing.
#pragma once

#include <string>

namespace annals {

struct CityData;

// The order a computer's ship keeps while it carries a voyage (ferry) or guards one
// (escort); other ships keep 0. Saved with the unit like any order.
constexpr int kFerryOrder = 41, kEscortOrder = 42;

// What a computer civilization wants from the sea this turn.
struct SeaPlan {
    int kind = 0;                 // 0 nothing; kSettleOverseas; kInvadeOverseas
    int targetX = 0, targetY = 0; // the site, or the enemy city
    int landX = 0, landY = 0;     // the Sea cell the people go ashore from
    int body = 0;                 // the sea body of the voyage
    int portX = 0, portY = 0;     // the city where they go aboard
};
constexpr int kSettleOverseas = 1, kInvadeOverseas = 2;

// Looks over the water for a site to settle, when the civilization's own land has none
// left (`landFull`), or for an enemy city no land route leads to, and gives the ships and
// the people their parts in the voyage. Runs in the planning pass.
void SeaMissions(int civ, bool landFull, SeaPlan& plan);

// The ship a coastal city of `civ` trains for the plan: a carrier when the voyage's sea
// has none, a warship to guard an invasion; 0 when none is wanted.
int ShipWanted(int civ, const CityData& city, const SeaPlan& plan);

// A land unit's turn at sea: stepping aboard the ship it waits for, waiting aboard, or
// taking the route ashore. True when the unit's turn was decided here.
bool SeaPassage(int civ, int slot);

// What the computers did at sea, counted for `play --report` (not saved).
struct SeaTally {
    long shipsBuilt = 0;    // ships that appeared between two rounds (losses hide a few)
    long landings = 0;      // units that stepped ashore from a ship
    long coastalRaids = 0;  // raids that reached their coast and struck
    long seaBattles = 0;    // ships that attacked ships
    long nativeRaiders = 0; // units the natives sent against a civilization's cities
};
SeaTally& TheSeaTally();
// Once a round: counts the ships that appeared since the last round.
void NoteSeaRound();
// The tally, the ships afloat and the cities over the water, as report lines.
std::string SeaReport();

} // namespace annals
