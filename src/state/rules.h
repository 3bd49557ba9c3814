// The fixed rules of the game: names in both languages, costs, unit properties,
// prices, worker places and a few small position tables.
//
// Every table is indexed from 1, as in the rest of the game. The tables never change
// during play, so they are compiled in; a lookup outside a table gives the fallback
// of that table (zero, or the empty text) and never reads out of bounds.
//
// Every text exists in English and in Turkish. The language is chosen once at start
// (game.language: 1 English, any other value Turkish) and a lookup answers in it.
#pragma once

#include <cstdint>
#include <string>

namespace annals {

constexpr int kGovernments = 5;
constexpr int kNations = 13; // 1..10 playable, 13 the natives, 11 and 12 unused
constexpr int kNativeNation = 13;
constexpr int kCityNamesPerNation = 6;
constexpr int kTerrains = 7;
constexpr int kExperienceLevels = 5;
constexpr int kFirstWonder = 39; // buildings 39..46 are the wonders
constexpr int kColossus = 43;
constexpr int kDirections = 9;

// The unit types, as numbered in the unit table.
enum UnitType : int {
    kSettler = 1,
    kWarrior,
    kJaguar,
    kPikeman,
    kMameluke,
    kArcher,
    kLongbowman,
    kSwordsman,
    kLegion,
    kMusketman,
    kMusketeer,
    kJanissary,
    kRaider,
    kInfantry,
    kMarine,
    kHorseman,
    kHorseArcher,
    kChuKoNu,
    kDragoon,
    kKnight,
    kWarElephant,
    kCavalry,
    kCatapult,
    kCannon,
    kTank,
    kCaravel,
    kFrigate,
    kVikingship,
    kGalleon,
    kDestroyer,
    kFighter,
    kBomber,
    kAxeman,
    kWagonTrain,
    kBerserk,
};
static_assert(kBerserk == 35);

// One text in both languages (UTF-8).
struct TextPair {
    const char* english;
    const char* turkish;
};

bool IsEnglish();
// Picks the text of the language chosen at start. Every text the game shows goes
// through this, so the two forms always sit side by side in the source.
const char* Tr(const char* english, const char* turkish);
const char* Tr(const TextPair& text);

// A year as the calendar names it: "BC 4000", "AD 1250" ("MÖ 4000", "MS 1250").
std::string YearName(int64_t year);

// Sets the start values that do not depend on a new game: the calendar, the
// jukebox and the frame nesting.
void InitializeVariables();

// Names in the current language; the empty text outside a table.
const char* governmentName(int government);
const char* nationName(int nation);      // the people, plural: "Romans"
const char* countryName(int nation);     // the land: "Roman Empire"
const char* cityName(int nation, int k); // k = the founder's nameIndex, 1..6; same in both languages
const char* terrainName(int terrain);
const char* productName(int product);
// Levels 1..5; a unit's level is (experience - 1) div 2 + 1.
const char* experienceName(int level);
const char* unitTypeName(int type);
const char* unitNameCopy(int type); // the information panel's copy of the unit names
const char* scienceName(int science);
const char* buildingName(int building);
const char* jobName(int job); // "-" for a job without a name

// Numbers; 0 outside a table.
int productPrice(int product); // value of 100 units
// Build items: 1..35 are the unit types, 36..81 the buildings (item = 35 + building).
int32_t buildCost(int item);
// Science points needed, from the column of the chosen language.
int32_t scienceCost(int science);
int maxWorkers(int building);
int buildingPicture(int building); // picture id in the city view, 0 = none
// The look of a nation's citizen figures, 0..5 (the figure's place in its picture row).
int citizenStyle(int nation);

struct PixelPos {
    int x;
    int y;
};
// Where picture slot k (1..45) of a city is drawn in the city view.
PixelPos picturePosition(int k);

// The numeric-keypad directions 1..9 (8 north, 2 south, 4 west, 6 east; 5 stays).
int directionDx(int direction);
int directionDy(int direction);

// Columns of the unit table. A type outside 1..35 fights as a stout defender:
// defence 8, attack 5, lives 2, moves 1, no cargo; it shows 0 lives.
int UnitTypeMoves(int type); // moves per turn; each move is 3 move points
int UnitTypeDefence(int type);
int UnitTypeAttack(int type);
int UnitTypeLives(int type);      // hit points of a new unit
int UnitTypeLivesShown(int type); // what the help pages and the panel show
int UnitTypeCapacity(int type);   // cargo positions

bool IsBombard(int type);
bool IsShip(int type);
bool IsAir(int type);
bool IsLandOrBombard(int type);

// Values of one unit (slot of civilization civ).
// Ships of the civilization holding the Colossus move one more.
int UnitMoves(int civ, int slot);
// Type values plus the experience bonus; bombard units, ships, the Settler and the
// Wagon Train gain nothing from experience.
double UnitDefence(int civ, int slot);
double UnitAttack(int civ, int slot);
double ExperienceBonus(int experience);

} // namespace annals
