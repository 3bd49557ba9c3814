// The whole game state: fixed records that live for the whole run.
//
// Everything is indexed from 1 so the code reads like the rules: arrays are one
// longer than their bound and slot 0 is unused. Nothing here allocates during play;
// a new game or a load simply overwrites the records.
#pragma once

#include <cstdint>
#include <string>

namespace annals {

// Bounds of the storage. Every loop and guard respects these.
constexpr int kMaxMapSize = 50;
constexpr int kMaxCivs = 8;
constexpr int kMaxUnits = 200;
constexpr int kMaxCities = 67;
constexpr int kMaxCellUnits = 200;
constexpr int kMaxNews = 12;
constexpr int kMaxPictures = 45;
constexpr int kMaxFoundings = 64;
constexpr int kProducts = 14;
constexpr int kSciences = 50;
constexpr int kBuildings = 46;
constexpr int kJobs = 38;
constexpr int kUnitTypes = 35;
constexpr int kBuildItems = 81;
constexpr int kCombatRolls = 400;
constexpr int kPowerHistory = 300;
constexpr int kPathSteps = 99;
constexpr int kCargoSlots = 6;
constexpr int kWonders = 8;
constexpr int kTracks = 37;
constexpr int kMaxLandmasses = kMaxMapSize * kMaxMapSize;
constexpr int kMaxReasons = 16;         // unhappiness reasons recorded for the open city
constexpr int kChronicleEntries = 1000; // the great events of one game, oldest first

// How a game ended (GameState::endKind).
enum EndKind : uint8_t {
    kNotEnded = 0,
    kConquest = 1,     // one civilization is left of all but the natives
    kEndYearScore = 2, // the chosen last year has passed: the highest score wins
    kRetired = 3,      // a player retired: the score as it stands
    kEliminated = 4,   // every person's civilization is gone
};

// One great event of the game, as the chronicle tells it.
enum ChronicleKind : uint8_t {
    kCityFounded = 1,  // civ founded the city `detail` (founder << 8 | name index)
    kCityTaken = 2,    // civ took the city `detail` from other
    kWonderBuilt = 3,  // civ built wonder (detail >> 16) in the city (detail & 0xffff)
    kScienceFirst = 4, // civ was the first to know science `detail`
    kWarDeclared = 5,  // civ declared war on other
    kTreatySigned = 6, // civ and other made peace
    kTreatyBroken = 7, // civ broke its treaty with other
    kCivDestroyed = 8, // civ has nothing left; other took its last (0 = unknown)
    kGameEnded = 9,    // civ won; detail is the EndKind
    kChronicleKinds = 9,
};

struct ChronicleEntry {
    int32_t year;
    uint8_t kind;
    uint8_t civ, other;
    int32_t detail;
};

// Terrains of MapCell::terrain.
enum Terrain : uint8_t {
    kSea = 1,
    kSwamp = 2,
    kGrassland = 3,
    kSavannah = 4,
    kPlain = 5,
    kDesert = 6,
    kArtic = 7,
};

// The city part of a cell; meaningful only while hasCity is set. A city is
// addressed by the coordinates of its cell.
struct CityData {
    uint8_t hasCity;
    double culture;
    double happiness;
    int32_t storageCapacity;
    uint8_t nextFreeSlot;
    uint8_t cityX, cityY;
    uint8_t size;
    uint8_t unitBuildItem;
    uint8_t buildItem;
    double militaryProgress;
    uint8_t buildProgress;
    uint8_t deliveryTimer;
    uint8_t granaryBonus;
    uint8_t buildingCount;
    uint8_t owner;
    uint8_t cityIndex;
    uint8_t founder;
    uint8_t nameIndex;
    uint8_t foodBox;
    uint8_t turnsSinceBuilding;
    uint8_t taxRate;
    uint8_t scienceLevel;
    uint8_t militaryLevel;
    uint8_t settlerReleased;
    uint8_t buildings[kBuildings + 1];
    // Indexed [dx + 2][dy + 2]; use Worked() / WorkedProduct() for the offsets.
    uint8_t worked[5][5];
    uint8_t workedProduct[5][5];
    int8_t pictures[kMaxPictures + 1];
    int32_t production[kProducts + 1];
    int32_t consumption[kProducts + 1];
    int32_t stock[kProducts + 1];
    int32_t jobs[kJobs + 1];
    uint8_t releaseX, releaseY; // not persisted

    uint8_t& Worked(int dx, int dy) { return worked[dx + 2][dy + 2]; }
    uint8_t& WorkedProduct(int dx, int dy) { return workedProduct[dx + 2][dy + 2]; }
    uint8_t Worked(int dx, int dy) const { return worked[dx + 2][dy + 2]; }
    uint8_t WorkedProduct(int dx, int dy) const { return workedProduct[dx + 2][dy + 2]; }
};

// One cell of the world map: the city part, then the map part.
struct MapCell : CityData {
    uint8_t workedByX, workedByY;
    double landUse[3 + 1];
    uint8_t unitList[kMaxCellUnits + 1];
    uint8_t terrain;
    uint8_t tileVariant;
    int32_t river; // digits: units north, tens east, hundreds south, thousands west
    int32_t reservedValue;
    uint8_t special;
    uint8_t hiddenSpecial;
    uint8_t seaBody;
    uint8_t landmass;
    uint8_t site;
    uint8_t unitOwner;
    uint8_t unitCount;
    uint8_t cellSeed;
    uint8_t mine;
    uint8_t coastal;
    uint8_t forest;
    uint8_t road;
    uint8_t hill;
    uint8_t cornfield;
    uint8_t explored;
    uint8_t threatened; // not persisted
    uint8_t hillExamined;
    uint8_t undefended;
    uint8_t reservedFlag;
};

struct UnitRecord {
    uint8_t x, y;
    uint8_t type;
    uint8_t lives;
    uint8_t experience;
    uint8_t fortified;
    uint8_t order;
    int32_t animDx, animDy; // not persisted
    int8_t movesLeft;       // in thirds of a move
    int32_t jobTimer;
    int32_t carrierLink; // carrier slot * 1000 + cargo position
    uint8_t gotoX, gotoY;
    uint8_t missionFlags[4 + 1];
    uint8_t attackedThisTurn;
    int32_t cargo[kCargoSlots + 1];
    uint8_t blockedTargets[kMaxMapSize + 1][kMaxMapSize + 1]; // not persisted
    uint8_t path[kPathSteps + 1];
    uint8_t pathLength;
    uint8_t pathStep;
    uint8_t pendingDirection; // not persisted
};

struct CityRef {
    uint8_t x, y;
};

struct CivRecord {
    uint8_t nation;
    uint8_t government;
    uint8_t colour;
    double gold;
    double goldAtTurnStart; // not persisted
    double goldBias;
    uint8_t isComputer;
    uint8_t turnMark; // not persisted
    uint8_t aiLevel;
    uint8_t referenceUnit;
    uint8_t unitCount;
    uint8_t citiesFounded;
    uint8_t cityCount;
    uint8_t foundingCount;
    uint8_t newsCount;
    uint8_t warCounter; // not persisted
    int32_t research;
    double researchLeft;
    int32_t combatRolls[kCombatRolls + 1];
    int32_t powerHistory[kPowerHistory + 1];
    int32_t foundingTurns[kMaxFoundings + 1];
    int32_t news[kMaxNews + 1];
    uint8_t knows[kSciences + 1];
    UnitRecord units[kMaxUnits + 1];
    CityRef cities[kMaxCities + 1];
    double relation[kMaxCivs + 1];
    uint8_t contactA[kMaxCivs + 1];
    uint8_t contactB[kMaxCivs + 1];
};

// The global scalars and the world-wide tables of the game in progress.
struct GameState {
    // turn and selection
    uint8_t civCount;
    uint8_t currentCiv;
    uint8_t currentUnit;
    uint8_t viewCiv;
    uint8_t viewUnit;
    uint8_t pendingUnit;
    uint8_t endTurnRequested;
    uint8_t gameOver;
    int32_t year;
    int32_t turn;
    int32_t civTimer[kMaxCivs + 1];
    // Turn flow, not saved.
    uint8_t unitRemoved;         // the current unit was removed during its own action
    uint8_t secondPassStarted;   // a computer civilization is in its second pass over its units
    uint8_t cityReleasePassDone; // the computer's city release pass ran this turn
    uint8_t unitHandled;         // the computer player took care of selecting the next unit
    uint8_t siteX, siteY;        // the site a computer is weighing for its next city; kept between games
    uint8_t foreignAreaHit;      // the last area test refused a cell held by another civilization
    uint8_t totalsRunning;       // a civilization's science and military totals are being summed
    uint8_t goHomeActive;        // a unit is being sent home: its route may pass near enemies
    int32_t lastRouteCost;       // cost of the last route tested, -1 when none was found
    double civScienceTotal;      // the science of all cities of the civilization being updated
    double civMilitaryTotal;     // and their military production (spending not counted)

    // world
    uint8_t mapWidth, mapHeight;
    double location;
    double landFactor;
    int32_t landmassSize[kMaxLandmasses + 1];
    uint8_t seaBodyCount;
    double viewX, viewY;
    uint8_t difficulty;
    uint8_t language; // 1 English, anything else Turkish

    // world-wide tables
    uint8_t nativeStock[kProducts + 1];
    uint8_t nativeDemand[kProducts + 1];
    int32_t nativePurchases[kProducts + 1]; // offers of raw products 2..5 bought from them; not saved
    int32_t wonderOwner[kWonders + 1];
    int32_t reservedTable[kProducts + 1];
    uint8_t reservedBytes[200 + 1];

    // The end of the game and its chronicle (saved after the rest, so older saves load
    // with none).
    int32_t endYear;        // the game ends when this year has passed; 0 = never
    uint8_t gameDifficulty; // the difficulty the game was started with, for the hall of fame
    uint8_t endKind;        // EndKind; once set, the players may play on
    uint8_t winner;         // the civilization that won
    int32_t endedYear;      // the year the game ended in
    uint8_t destroyedMask;  // bit c: civilization c has been recorded as destroyed
    uint8_t autoplaySeats;  // bit c: a person's seat played by the computer for a while; not saved
    int32_t chronicleCount;
    ChronicleEntry chronicle[kChronicleEntries + 1];
};

// A unit that rose to a new level of experience, shown over its cell for a few frames.
struct FightNotice {
    uint8_t x, y;
    uint8_t loserCiv, loserType;
    int32_t frames;
};

struct PromotionNotice {
    int32_t cell;   // x * 100 + y
    int32_t frames; // frames left to show it
    uint8_t civ, slot;
};

// A note of the city screen a person closed: it stays closed for that city while the
// cause it told of is the same.
struct ClosedNote {
    uint8_t x, y, kind;
    int32_t cause;
};
constexpr int kMaxClosedNotes = 40;

// Program, screen and input state: never saved. Later screens add their flags here
// so that the game logic can open and close them without knowing how they are drawn.
struct UiState {
    // program start and frame loop
    uint8_t gameStarted;
    int32_t surfacesLoaded;
    uint8_t innerFrame;
    uint8_t autosaveRequested;
    uint8_t distanceRecalcRequested;
    uint8_t distanceBusy;
    uint8_t frameDrawn;
    uint8_t helpDrawn;
    uint8_t minimized;
    int32_t moveBlink;

    // music jukebox
    int32_t musicCountdown;
    int32_t currentTrack;
    int32_t trackPlays[kTracks + 1];
    uint8_t musicOn;

    // input
    int32_t mouseX, mouseY;
    uint8_t buttonHeld;
    uint8_t clickSource;
    uint8_t unitDragging;
    uint8_t workerDragging;
    uint8_t unitPopupOpen;
    uint8_t screenJustClosed;
    uint8_t orderButtons[8 + 1]; // order-button codes of the selected unit
    uint8_t orderButtonCount;
    // the unit pop-up: the units of one cell, listed where the right button was pressed
    int32_t popupX, popupY, popupHeight;
    uint8_t popupUnits[kMaxCellUnits + 1];
    uint8_t popupUnitCount;
    uint8_t popupCellX, popupCellY;
    uint8_t popupJustUsed;
    uint8_t terrainInfoX, terrainInfoY;

    // screens
    uint8_t newGameScreen, loadScreen, creditsScreen;
    uint8_t fameScreen; // the entrance screen's hall of fame
    uint8_t openList;   // the entrance settings' open drop-down list (99: a choice was just made)
    // the options page, over the entrance or the game, and the key place it waits to be
    // given a key for (action * 3 + place + 1; 0 = none)
    uint8_t optionsOpen;
    int32_t optionsAwaitedKey;
    uint8_t cityMenuX, cityMenuY;
    uint8_t scienceTableOpen, scienceMenuOpen, financeMenuOpen, productsMenuOpen;
    uint8_t citiesMenuOpen, statsMenuOpen, mainMenuOpen, saveMenuOpen, loadMenuOpen;
    uint8_t helpMenuOpen, bigNewsOpen, scoreMenuOpen, terrainInfoOpen;
    int32_t helpPage;
    uint8_t mainMenuChoice;
    uint8_t slotChoice;  // slot row pressed in the save or load menu, 1..7; 0 = none
    uint8_t sciencePage; // 1..4, the page of the science tree
    int32_t listScroll;
    uint8_t statsPage;
    // the list screen a city screen was opened from, to return to it
    uint8_t openedFromCities, openedFromFinance, openedFromProducts;
    double coinAnimation;   // gold amount of the falling-coins display
    double coinPhase;       // 1.0 when the coins start falling, -0.15 per frame
    uint8_t closeCountdown; // frames before a pressed choice takes effect
    // research table and science tree
    uint8_t discoveryShown;  // the research table announces the science just discovered
    int32_t selectedScience; // highlighted row of the research table, 0 = none yet
    // wonders still to announce to each civilization
    uint8_t bigNewsQueue[kMaxCivs + 1][kMaxNews + 1];
    uint8_t bigNewsCount[kMaxCivs + 1];
    uint8_t bigNewsShown; // the announcement has been drawn since it opened
    // the first turns' guidance: a city screen was opened, a person's unit has moved
    uint8_t firstCityOpened, firstUnitMoved;
    // the guide's advice on the map and the turn it was first shown in
    uint8_t guideAdvice;
    int32_t guideAdviceTurn;
    // the computer-turn notice: how far the computers are through their units (never
    // back within one round of theirs) and the colour of the last one shown
    double aiProgressMark;
    uint32_t aiProgressColour;
    // why the city whose screen is open is unhappy: reason code and weight in percent
    uint8_t reasonCount;
    uint8_t reasons[kMaxReasons + 1][2];
    uint8_t worstReason;
    double lastHappinessDelta;
    // the city screen's lists and pop-ups (at most one open), its figures and garrison
    uint8_t productionListOpen, buildingListOpen, workerMenuOpen;
    int32_t productMenu; // 100 * product + row of the product pop-up; 0 = none
    uint8_t productMenuHovered;
    int32_t cargoMenu;          // figure position 1..8 whose cargo pop-up is shown; 0 = none
    uint8_t workerMenuRow;      // row of the worker pop-up under the pointer; 99 "Make settler"
    uint8_t cityFigures[8 + 1]; // unit slots shown at the figure spots: 1..4 ships, 5..8 wagons
    uint8_t garrisonCount;
    uint8_t garrison[5 + 1], garrisonFigures[5 + 1]; // unit type and figure count of each group
    ClosedNote closedNotes[kMaxClosedNotes + 1];     // the notes closed, oldest first; x 0 = free

    // dialogs and the fight display
    int32_t dialogCode;
    uint8_t dialogAnswer;
    uint8_t dialogPartyA, dialogPartyB;
    uint8_t dialogVariant;
    uint8_t confirmedAttack; // the player chose to break a treaty: the repeated move attacks
    double dialogParams[40];
    char dialogText[64]; // a name the dialog shows, such as the village a wagon came to
    // where the answer that led on to the open dialog was pressed (left, top, right, bottom;
    // all 0 when it opened afresh): no answer that means war is placed there
    int16_t chainPress[4];
    uint8_t battleShown;
    uint8_t battleUnits[kMaxCivs + 1]; // per civilization, its unit shown in the fight; 0 none
    uint8_t destroyedBuilding;         // building the attack destroyed (its picture is shown)
    uint8_t defenderHit;               // the last exchange was won by the attacker
    PromotionNotice promotionNotice;
    // The explosion being shown: step 1..8 (0 none), from the attacker's cell towards the
    // attacked one, and whether it bursts there or on the attacker.
    uint8_t crashStep;
    uint8_t crashFromX, crashFromY, crashToX, crashToY;
    uint8_t crashAtTarget;
    // The outcome of the last fight a person took part in, shown over the loser's cell for
    // a moment: the loser's civilization and type, and frames left to show it.
    FightNotice fightNotice;
    int32_t turnNoticeFrames; // "AD 1250 - your turn" stays on the map this many frames

    // the end of the game and players who share one screen
    uint8_t endScreenOpen;   // the end screen: who won, the scores, the graph, the chronicle
    uint8_t endScreenPage;   // 1 the result, 2 the chronicle
    int32_t chronicleScroll; // first chronicle line shown
    uint8_t handOverCiv;     // the hand-over screen covers the map until this person is ready;
                             // 255 while the computers move between two people's turns

    // map view
    uint8_t smallMapValid; // the small map picture is up to date
};

// The records. Static storage for the whole run.
extern MapCell worldMap[kMaxMapSize + 1][kMaxMapSize + 1];
extern CivRecord civs[kMaxCivs + 1];
extern GameState game;
extern UiState ui;
extern std::string gameFolder; // the program's folder, no trailing separator

// Shared operations. An index outside the storage yields a scratch record that is
// cleared on every such access, so a stray index can never touch live data.
bool InsideMap(int x, int y);
MapCell& Cell(int x, int y);
CityData& City(int x, int y);
CivRecord& Civ(int civ);
UnitRecord& Unit(int civ, int slot);
bool IsNatives(int civ);
// A civilization in play (1..civCount) played by a person. The entrance screen has no
// current civilization, and a number outside the game is never human.
bool IsHuman(int civ);
// A stored flag counts as set only when it is exactly 1.
inline bool FlagSet(uint8_t flag) {
    return flag == 1;
}

// Closes every screen, list, dialog and drag of a game, keeping what belongs to the
// program (the pictures, the music, the pointer).
void CloseAllScreens();

// Returns every record to the program-start state (all zero; the rule tables'
// start values are set again by InitializeVariables). gameFolder is kept.
void ResetState();

} // namespace annals
