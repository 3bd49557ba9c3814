#include "persist/save_game.h"

#include "state/large_pages.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/movement.h"
#include "units/orders.h"
#include "world/map_generator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

namespace annals {

namespace {

using Map = WorldMap;

// The records one file describes: the running game, or the staging copy a file is
// read into before it may replace the running game.
struct Records {
    Map& map;
    CivTable& civs;
    GameState& game;
};

// The drawings of each terrain a cell picks from.
constexpr int kTileVariants = 5;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

int64_t Scale(double value, int factor) {
    const double scaled = std::nearbyint(value * factor);
    if (!(scaled == scaled)) return 0;
    if (scaled > static_cast<double>(kInt32Max)) return kInt32Max;
    if (scaled < static_cast<double>(kInt32Min)) return kInt32Min;
    return static_cast<int64_t>(scaled);
}

bool IsNation(int64_t n) {
    return (n >= 1 && n <= 10) || n == kNativeNation;
}

// The header: the nation of the first civilization played by a person (civilization
// 1 when all are computers) with the year.
int64_t HeaderValue(const Records& r) {
    int nation = r.civs[1].nation;
    for (int c = 1; c <= r.game.civCount && c <= kMaxCivs; ++c) {
        if (r.civs[c].isComputer == 0) {
            nation = r.civs[c].nation;
            break;
        }
    }
    return static_cast<int64_t>(nation) * 100000 + r.game.year + 5555;
}

struct Checksums {
    int64_t sum[4] = {0, 0, 0, 0};
};

// The three checksums over the map. Civilization 1's gold is taken as the file holds
// it (to the hundredth), so a save and its load always agree.
Checksums ComputeChecksums(const Records& r) {
    const double writtenGold = static_cast<double>(Scale(r.civs[1].gold, 100)) / 100.0;
    const int64_t g = Round(writtenGold);
    const int64_t m1 = std::llabs(g) % 8;
    const int64_t m2 = std::llabs(g + r.game.civCount) % 8;
    const int64_t year = r.game.year;
    Checksums c;
    for (int x = 1; x <= r.game.mapWidth; ++x) {
        for (int y = 1; y <= r.game.mapHeight; ++y) {
            const MapCell& cell = r.map[x][y];
            const int64_t k = x + y;
            const bool forest = cell.forest != 0, river = cell.river != 0;
            const int64_t special = cell.special;
            int64_t t = Round(static_cast<double>(k % 10 * 5 + year + 4000) / 50.0);
            if (forest) t += m2 + 8;
            if (river) t += m2 + 13;
            if (special != 0) t += (m2 + 15) * special;
            if (r.game.civCount >= 7) t += (m2 + 17) * special;
            c.sum[1] += t * (k % 7 + 1);

            int64_t m = Round(static_cast<double>(k % 10 * 20 + year + 4000) / 200.0) + cell.unitCount % 12 +
                        cell.terrain;
            if (forest) m += m1 + 8;
            if (river) m += m1 + 15;
            if (special != 0) m += (m1 + 17) * special;
            c.sum[2] += m * (k % 6 + 1);

            int64_t o = Round(static_cast<double>(k % 10 * 10 + year + 4000) / 100.0) + cell.terrain + 1;
            if (forest) o += m1 + 8;
            if (river) o += m1 + 18;
            if (special != 0) o += (m1 + 21) * special;
            c.sum[3] += o * (k % 5 + 1);
        }
    }
    // The sums are kept as 32-bit integers.
    for (int i = 1; i <= 3; ++i) c.sum[i] = std::llabs(static_cast<int64_t>(static_cast<int32_t>(c.sum[i])));
    return c;
}

// Writes every value followed by one space, straight into the text: the text is grown
// in large steps and cut to what was written when the writer is done.
class Writer {
public:
    explicit Writer(std::string& out) : out_(out), used_(out.size()) {}
    ~Writer() { out_.resize(used_); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    bool Ok() const { return true; }
    void Put(int64_t v) {
        constexpr size_t kLongest = 21; // "-9223372036854775808 "
        if (out_.size() - used_ < kLongest) out_.resize(std::max<size_t>(2 * out_.size(), size_t{1} << 16));
        char* at = out_.data() + used_;
        char* end = std::to_chars(at, at + kLongest - 1, v).ptr;
        *end++ = ' ';
        used_ = static_cast<size_t>(end - out_.data());
    }
    template <typename T> void Value(T& field, int64_t, int64_t, const char*) {
        Put(static_cast<int64_t>(field));
    }
    void Flag(uint8_t& flag, const char*) { Put(flag != 0 ? 1 : 0); }
    void Scaled(double& value, int factor, const char*) { Put(Scale(value, factor)); }
    void Direction(uint8_t& direction, const char*) { Put(direction); }
    void Reserved() { Put(0); }
    void Stored(int64_t computed, int64_t&, const char*) { Put(computed); }

private:
    std::string& out_;
    size_t used_;
};

// Reads values one by one, each checked against the range its field can hold. The
// first fault stops the reading; what was being read is kept for the message.
class Reader {
public:
    explicit Reader(const std::string& text) : p_(text.data()), end_(text.data() + text.size()) {}
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    bool Next(int64_t& v, const char* what) {
        if (!Ok()) return false;
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t')) ++p_;
        if (p_ >= end_) return Fail(std::string("the file ends before ") + what);
        const char* start = p_;
        bool negative = false;
        if (*p_ == '-') {
            negative = true;
            ++p_;
        }
        int64_t value = 0;
        int digits = 0;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9') {
            if (++digits > 11) return Fail(std::string("a number too long at ") + what);
            value = value * 10 + (*p_ - '0');
            ++p_;
        }
        if (digits == 0 || (p_ < end_ && *p_ != ' ' && *p_ != '\n' && *p_ != '\r' && *p_ != '\t')) {
            std::string message = "\"";
            message.append(
                PrintableText(std::string(start, std::min<size_t>(12, static_cast<size_t>(end_ - start)))));
            message.append("\" is not a number (");
            message.append(what);
            message.append(")");
            return Fail(message);
        }
        v = negative ? -value : value;
        if (v < kInt32Min || v > kInt32Max) return Fail(std::string("a number out of range at ") + what);
        ++count_;
        return true;
    }

    template <typename T> void Value(T& field, int64_t low, int64_t high, const char* what) {
        int64_t v = 0;
        if (!Next(v, what)) return;
        if (v < low || v > high) {
            Fail(std::to_string(v) + " is not a possible " + what);
            return;
        }
        field = static_cast<T>(v);
    }
    void Flag(uint8_t& flag, const char* what) {
        int64_t v = 0;
        if (Next(v, what)) flag = v == 1 ? 1 : 0; // only an exact 1 counts as set
    }
    void Scaled(double& value, int factor, const char* what) {
        int64_t v = 0;
        if (Next(v, what)) value = static_cast<double>(v) / factor;
    }
    // A keypad direction: 1..9 without the 5 in the middle, which goes nowhere.
    void Direction(uint8_t& direction, const char* what) {
        int64_t v = 0;
        if (!Next(v, what)) return;
        if (v < 1 || v > 9 || v == 5) {
            Fail(std::to_string(v) + " is not a possible " + what);
            return;
        }
        direction = static_cast<uint8_t>(v);
    }
    void Reserved() {
        int64_t v = 0;
        Next(v, "a reserved value");
    }
    void Stored(int64_t, int64_t& stored, const char* what) {
        int64_t v = 0;
        if (Next(v, what)) stored = v;
    }
    bool AtEnd() {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t')) ++p_;
        return p_ == end_;
    }
    bool Fail(const std::string& message) {
        if (error_.empty()) error_ = message + " (value " + std::to_string(count_ + 1) + ")";
        return false;
    }

private:
    const char* p_;
    const char* end_;
    std::string error_;
    int count_ = 0;
};

struct StoredChecks {
    int64_t header = 0;
    int64_t sum[4] = {0, 0, 0, 0};
    bool older = false; // a save from before the chronicle: it ends after the turn
};

// Opens the values that follow the turn: the end of the game and the chronicle.
constexpr int32_t kChronicleMark = 7301;

template <typename A> void VisitUnit(A& a, UnitRecord& u) {
    a.Value(u.x, 0, kMaxMapSize, "unit column");
    a.Value(u.y, 0, kMaxMapSize, "unit row");
    a.Value(u.type, 1, kUnitTypes, "unit type");
    a.Value(u.lives, 0, 255, "unit lives");
    a.Value(u.experience, 1, 10, "unit experience");
    a.Value(u.fortified, 0, 255, "fortified mark");
    a.Value(u.order, 0, 255, "unit order");
    a.Value(u.movesLeft, -128, 127, "move points");
    a.Value(u.jobTimer, kInt32Min, kInt32Max, "job countdown");
    a.Value(u.carrierLink, 0, kMaxUnits * 1000 + kCargoSlots, "carrier link");
    a.Value(u.gotoX, 0, kMaxMapSize, "goto column");
    a.Value(u.gotoY, 0, kMaxMapSize, "goto row");
    for (int i = 1; i <= 4; ++i) a.Flag(u.missionFlags[i], "mission flag");
    a.Flag(u.attackedThisTurn, "attack mark");
    for (int i = 1; i <= kCargoSlots; ++i) a.Value(u.cargo[i], kInt32Min, kInt32Max, "cargo");
    a.Value(u.pathLength, 0, kPathSteps, "route length");
    a.Value(u.pathStep, 0, 255, "route step");
    for (int i = 1; i <= u.pathLength; ++i) a.Direction(u.path[i], "route direction");
}

template <typename A> void VisitCity(A& a, CityData& c) {
    a.Flag(c.hasCity, "city mark");
    a.Scaled(c.culture, 1000, "culture");
    a.Value(c.nextFreeSlot, 1, kMaxPictures, "picture slot");
    a.Value(c.cityX, 1, kMaxMapSize, "city column");
    a.Value(c.cityY, 1, kMaxMapSize, "city row");
    a.Value(c.size, 0, 255, "city size");
    a.Value(c.unitBuildItem, 0, kUnitTypes, "unit under production");
    a.Value(c.buildItem, 0, kBuildItems, "building under construction");
    a.Value(c.turnsSinceBuilding, 0, 255, "turns since a building");
    a.Scaled(c.militaryProgress, 1000, "military production");
    a.Value(c.buildProgress, 0, 255, "building progress");
    a.Value(c.deliveryTimer, 0, 255, "delivery countdown");
    a.Value(c.storageCapacity, kMinStorage, kMaxStorage, "storage");
    a.Value(c.granaryBonus, 0, 255, "granary");
    a.Scaled(c.happiness, 1000, "happiness");
    a.Value(c.buildingCount, 0, 255, "building count");
    a.Value(c.owner, 1, kMaxCivs, "city owner");
    a.Value(c.cityIndex, 1, kMaxCities, "city index");
    a.Value(c.founder, 0, kMaxCivs, "city founder");
    a.Value(c.nameIndex, 1, kCityNamesPerNation, "city name");
    a.Value(c.foodBox, 0, 255, "food box");
    a.Value(c.taxRate, 0, kMaxTaxRate, "tax rate");
    a.Value(c.scienceLevel, 0, kMaxSpendingLevel, "science level");
    a.Value(c.militaryLevel, 0, kMaxSpendingLevel, "military level");
    a.Flag(c.settlerReleased, "settler mark");
    for (int b = 1; b <= kBuildings; ++b) a.Flag(c.buildings[b], "building");
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy) a.Flag(c.worked[dx][dy], "worked cell");
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy) a.Value(c.workedProduct[dx][dy], 0, kProducts, "worked product");
    for (int i = 1; i <= kMaxPictures; ++i) a.Value(c.pictures[i], -128, 127, "city picture");
    for (int p = 1; p <= kProducts; ++p) a.Value(c.production[p], 0, kMaxProduction, "production");
    for (int p = 1; p <= kProducts; ++p) a.Value(c.consumption[p], 0, kMaxProduction, "consumption");
    for (int p = 1; p <= kProducts; ++p) a.Value(c.stock[p], 0, kMaxStock, "stock");
    for (int j = 1; j <= kJobs; ++j) a.Value(c.jobs[j], 0, kMaxWorkersInBuilding, "workers in a building");
}

// Every value of a save, in the order of the file. The same walk writes and reads.
template <typename A> void Visit(A& a, Records r, StoredChecks& stored) {
    GameState& g = r.game;
    a.Stored(HeaderValue(r), stored.header, "the header");
    a.Value(g.civCount, 3, kMaxCivs, "number of civilizations");
    for (int civ = 1; civ <= g.civCount && a.Ok(); ++civ) {
        CivRecord& c = r.civs[civ];
        a.Value(c.nation, 1, kNativeNation, "nation");
        a.Value(c.government, 1, kGovernments, "government");
        a.Value(c.colour, 0, 8, "colour");
        a.Scaled(c.gold, 100, "gold");
        a.Scaled(c.goldBias, 100, "gold");
        a.Flag(c.isComputer, "computer mark");
        a.Value(c.aiLevel, 0, 5, "difficulty");
        a.Reserved();
        a.Value(c.referenceUnit, 0, kMaxUnits, "unit number");
        a.Value(c.unitCount, 0, kMaxUnits, "number of units");
        a.Value(c.citiesFounded, 0, 255, "cities founded");
        a.Value(c.cityCount, 0, kMaxCities, "number of cities");
        a.Value(c.foundingCount, 0, kMaxFoundings, "number of foundings");
        a.Value(c.newsCount, 0, kMaxNews, "number of news");
        a.Value(c.research, 0, kSciences, "science");
        a.Scaled(c.researchLeft, 1000, "research");
        for (int i = 1; i <= kPowerHistory; ++i) a.Value(c.powerHistory[i], kInt32Min, kInt32Max, "strength");
        for (int i = 1; i <= kMaxFoundings; ++i)
            a.Value(c.foundingTurns[i], kInt32Min, kInt32Max, "founding");
        for (int i = 1; i <= kSciences; ++i) a.Flag(c.knows[i], "science known");
        for (int k = 1; k <= c.cityCount; ++k) {
            a.Value(c.cities[k].x, 1, kMaxMapSize, "city column");
            a.Value(c.cities[k].y, 1, kMaxMapSize, "city row");
        }
        for (int i = 1; i <= kMaxCivs; ++i) a.Scaled(c.relation[i], 10, "relation");
        for (int i = 1; i <= kMaxCivs; ++i) a.Value(c.contactA[i], 0, 255, "contact");
        for (int i = 1; i <= kCombatRolls; ++i) a.Value(c.combatRolls[i], 0, 99, "combat roll");
        for (int i = 1; i <= kMaxNews; ++i) a.Value(c.news[i], kInt32Min, kInt32Max, "news");
        for (int u = 1; u <= c.unitCount && a.Ok(); ++u) VisitUnit(a, c.units[u]);
    }

    a.Value(g.mapWidth, 20, kMaxMapSize, "map width");
    a.Value(g.mapHeight, 15, kMaxMapSize, "map height");
    for (int x = 1; x <= g.mapWidth && a.Ok(); ++x) {
        for (int y = 1; y <= g.mapHeight && a.Ok(); ++y) {
            MapCell& cell = r.map[x][y];
            a.Value(cell.workedByX, 0, kMaxMapSize, "working city column");
            a.Value(cell.workedByY, 0, kMaxMapSize, "working city row");
            for (int i = 1; i <= 3; ++i) a.Scaled(cell.landUse[i], 1000, "land use");
            a.Value(cell.unitCount, 0, kMaxCellUnits, "units in a cell");
            for (int i = 1; i <= cell.unitCount; ++i)
                a.Value(cell.unitList[i], 1, kMaxUnits, "unit in a cell");
            a.Value(cell.cellSeed, 0, 255, "cell seed");
            a.Value(cell.terrain, 1, 7, "terrain");
            a.Value(cell.tileVariant, 1, kTileVariants, "tile variant");
            a.Value(cell.river, 0, 1111, "river");
            a.Flag(cell.mine, "mine");
            a.Flag(cell.coastal, "coast");
            a.Flag(cell.forest, "forest");
            a.Flag(cell.road, "road");
            a.Flag(cell.hill, "hill");
            a.Flag(cell.cornfield, "cornfield");
            a.Flag(cell.explored, "explored mark");
            a.Value(cell.special, 0, kSpecialPearls, "special resource");
            a.Value(cell.hiddenSpecial, 0, kSpecialPearls, "hidden resource");
            a.Flag(cell.hillExamined, "examined hill");
            a.Flag(cell.reservedFlag, "reserved flag");
            a.Value(cell.seaBody, 0, 255, "sea");
            a.Value(cell.reservedValue, kInt32Min, kInt32Max, "reserved value");
            a.Value(cell.unitOwner, 0, kMaxCivs, "owner of a cell's units");
            a.Value(cell.site, 0, 8, "exploration site");
        }
    }
    Checksums computed;
    if constexpr (std::is_same_v<A, Writer>) computed = ComputeChecksums(r);
    a.Stored(computed.sum[1], stored.sum[1], "the first checksum");

    for (int civ = 1; civ <= g.civCount && a.Ok(); ++civ) {
        CivRecord& c = r.civs[civ];
        for (int k = 1; k <= c.cityCount && a.Ok(); ++k) {
            const int x = c.cities[k].x, y = c.cities[k].y;
            if (x < 1 || x > g.mapWidth || y < 1 || y > g.mapHeight) {
                if constexpr (std::is_same_v<A, Reader>) {
                    a.Fail("a city lies outside the map");
                    return;
                } else {
                    // Never the case in a sound game; the file still comes out whole.
                    CityData nowhere{};
                    VisitCity(a, nowhere);
                    continue;
                }
            }
            VisitCity(a, r.map[x][y]);
        }
    }
    a.Stored(computed.sum[2], stored.sum[2], "the second checksum");

    for (int p = 1; p <= kProducts; ++p) a.Value(g.nativeStock[p], 0, 255, "natives' stock");
    for (int p = 1; p <= kProducts; ++p) a.Value(g.reservedTable[p], kInt32Min, kInt32Max, "reserved value");
    for (int w = 1; w <= kWonders; ++w) a.Value(g.wonderOwner[w], 0, kInt32Max, "wonder owner");
    for (int i = 1; i <= 200; ++i) a.Value(g.reservedBytes[i], 0, 255, "reserved value");
    a.Stored(computed.sum[3], stored.sum[3], "the third checksum");

    a.Scaled(g.location, 100, "kind of world");
    a.Scaled(g.landFactor, 100, "land factor");
    a.Scaled(g.viewX, 100, "view");
    a.Scaled(g.viewY, 100, "view");
    a.Value(g.year, kFirstYear, kLastYear, "year");
    a.Value(g.currentCiv, 1, kMaxCivs, "current civilization");
    a.Value(g.currentUnit, 0, kMaxUnits + 1, "current unit");
    a.Value(g.viewCiv, 0, kMaxCivs, "civilization in view");
    a.Value(g.viewUnit, 0, kMaxUnits + 1, "unit in view");
    a.Value(g.pendingUnit, 0, kMaxUnits, "unit to select");
    a.Flag(g.endTurnRequested, "end of turn mark");
    a.Value(g.turn, kFirstTurn, kLastTurn, "turn");

    // Saves made before games could end stop here; they load with no chronicle.
    if constexpr (std::is_same_v<A, Reader>) {
        if (a.Ok() && a.AtEnd()) {
            stored.older = true;
            return;
        }
    }
    int32_t mark = kChronicleMark;
    a.Value(mark, kChronicleMark, kChronicleMark, "the chronicle's mark");
    a.Value(g.endYear, kFirstYear, kLastYear, "last year");
    a.Value(g.gameDifficulty, 0, 5, "difficulty");
    a.Value(g.endKind, kNotEnded, kEliminated, "end of the game");
    a.Value(g.winner, 0, kMaxCivs, "winner");
    a.Value(g.endedYear, kFirstYear, kLastYear, "year of the end");
    a.Value(g.destroyedMask, 0, 255, "fallen civilizations");
    a.Value(g.chronicleCount, 0, kChronicleEntries, "length of the chronicle");
    for (int i = 1; i <= g.chronicleCount && a.Ok(); ++i) {
        ChronicleEntry& e = g.chronicle[i];
        a.Value(e.year, kFirstYear, kLastYear, "year of an event");
        a.Value(e.kind, 1, kChronicleKinds, "kind of event");
        a.Value(e.civ, 0, kMaxCivs, "civilization of an event");
        a.Value(e.other, 0, kMaxCivs, "civilization of an event");
        a.Value(e.detail, kInt32Min, kInt32Max, "what an event names");
    }
}

// The staging copy a file is read into.
struct Staging {
    Map map;
    CivTable civs;
    GameState game;
};
alignas(kLargePage) Staging staging;
[[maybe_unused]] const bool stagingInLargePages = (AdviseLargePages(&staging, sizeof staging), true);
// The staged file was written before games could end.
bool stagedOlder = false;

// A civilization's unit slots: the file holds 1..unitCount, the slots above stay zero.
constexpr size_t kUnitsAt = offsetof(CivRecord, units);
constexpr size_t kUnitsEnd = kUnitsAt + sizeof(CivRecord::units);
size_t HeldUnitBytes(const CivRecord& civ) {
    return sizeof(UnitRecord) * (static_cast<size_t>(std::min<int>(civ.unitCount, kMaxUnits)) + 1);
}

// A file writes no unit slot above the count it gives, so only the slots up to that count
// need clearing: the others are still zero, and their megabytes are never touched.
void ClearStaging() {
    std::memset(static_cast<void*>(&staging.map), 0, sizeof staging.map);
    std::memset(static_cast<void*>(&staging.game), 0, sizeof staging.game);
    for (CivRecord& civ : staging.civs) {
        auto* bytes = reinterpret_cast<unsigned char*>(&civ);
        std::memset(bytes, 0, kUnitsAt + HeldUnitBytes(civ));
        std::memset(bytes + kUnitsEnd, 0, sizeof(CivRecord) - kUnitsEnd);
    }
}

std::string Refusal(const std::string& detail) {
    return std::string(
               Tr("This saved game cannot be loaded: the file is damaged or was not written by Annals. ",
                  "Bu kayıtlı oyun yüklenemiyor: dosya bozuk ya da Annals tarafından yazılmamış. ")) +
           "(" + detail + ")";
}

// Parses and checks a file into the staging copy.
LoadOutcome Stage(const std::string& text) {
    ClearStaging();
    Records r{staging.map, staging.civs, staging.game};
    Reader reader(text);
    StoredChecks stored;
    Visit(reader, r, stored);
    stagedOlder = stored.older;
    if (reader.Ok() && !reader.AtEnd()) reader.Fail("there is more in the file than a game");
    if (!reader.Ok()) return {false, Refusal(reader.Error())};
    const std::string broken = StateFault(r.map, r.civs, r.game);
    if (!broken.empty()) return {false, Refusal(broken)};
    if (HeaderValue(r) != stored.header) return {false, Refusal("the header does not match the game")};
    const Checksums computed = ComputeChecksums(r);
    for (int i = 1; i <= 3; ++i)
        if (computed.sum[i] != stored.sum[i]) return {false, Refusal("a checksum does not match the map")};
    return {true, {}};
}

} // namespace

std::string SaveGameText() {
    // The text is written into a buffer kept from one save to the next, so that a save
    // neither grows a string step by step nor faults in fresh memory for it.
    static std::string buffer;
    buffer.clear();
    {
        Writer writer(buffer);
        StoredChecks unused;
        Visit(writer, Records{worldMap, civs, game}, unused);
    }
    return buffer;
}

int64_t RunningGameHeader() {
    return HeaderValue(Records{worldMap, civs, game});
}

LoadOutcome CheckSaveText(const std::string& text) {
    return Stage(text);
}

namespace {

// Landmasses are numbered again after a load: the file does not hold them.
void NumberLandmasses() {
    for (int i = 0; i <= kMaxLandmasses; ++i) game.landmassSize[i] = 0;
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) Cell(x, y).landmass = 0;
    int next = 0;
    std::vector<std::pair<int, int>> stack;
    for (int x = 1; x <= game.mapWidth; ++x) {
        for (int y = 1; y <= game.mapHeight; ++y) {
            if (Cell(x, y).terrain == kSea || Cell(x, y).landmass != 0) continue;
            next = std::min(next + 1, 255);
            stack.assign(1, {x, y});
            Cell(x, y).landmass = static_cast<uint8_t>(next);
            while (!stack.empty()) {
                const auto [cx, cy] = stack.back();
                stack.pop_back();
                game.landmassSize[next] += 1;
                const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
                for (int d = 0; d < 4; ++d) {
                    const int nx = cx + dx[d], ny = cy + dy[d];
                    if (!InsideMap(nx, ny) || Cell(nx, ny).terrain == kSea || Cell(nx, ny).landmass != 0)
                        continue;
                    Cell(nx, ny).landmass = static_cast<uint8_t>(next);
                    stack.push_back({nx, ny});
                }
            }
        }
    }
}

// Puts the staged game in place of the running one. What the file does not hold comes
// from a new game, never from the game it replaces.
void CommitStagedGame() {
    const uint8_t language = game.language, difficulty = game.difficulty;
    std::memcpy(static_cast<void*>(worldMap), static_cast<const void*>(staging.map), sizeof worldMap);
    // The file holds units 1..unitCount of each civilization; the staged slots above are
    // zero. Only the held ones are copied and the rest cleared without being touched, so
    // that the slots no game ever used are never read or written.
    for (int c = 0; c <= kMaxCivs; ++c) {
        const CivRecord& from = staging.civs[c];
        const auto* in = reinterpret_cast<const unsigned char*>(&from);
        auto* out = reinterpret_cast<unsigned char*>(&civs[c]);
        const size_t held = HeldUnitBytes(from);
        std::memcpy(out, in, kUnitsAt + held);
        ZeroRecords(out + kUnitsAt + held, kUnitsEnd - kUnitsAt - held);
        std::memcpy(out + kUnitsEnd, in + kUnitsEnd, sizeof(CivRecord) - kUnitsEnd);
    }
    std::memcpy(static_cast<void*>(&game), static_cast<const void*>(&staging.game), sizeof game);
    game.language = language;
    game.difficulty = difficulty;
    game.landFactor = game.landFactor == 0 ? 1.35 : game.landFactor;

    // The loader has checked civCount; the bound is repeated for the compiler's sake.
    const int natives = std::min<int>(game.civCount, kMaxCivs);
    for (int i = 1; i <= natives; ++i) {
        CivRecord& c = Civ(i);
        c.goldAtTurnStart = c.gold;
        for (int j = 1; j < natives; ++j)
            if (i != j && i < natives) c.contactB[j] = 10;
    }
    for (int p = 1; p <= kProducts; ++p) game.nativeDemand[p] = p >= 11 ? 1 : 0;
    if (stagedOlder) {
        // A game from before: the civilizations already gone fell before its chronicle began,
        // and its difficulty is the one its computers play at.
        for (int c = 1; c < natives; ++c)
            if (Civ(c).unitCount == 0 && Civ(c).cityCount == 0)
                game.destroyedMask = static_cast<uint8_t>(game.destroyedMask | 1 << c);
        for (int c = 1; c < natives; ++c)
            if (Civ(c).isComputer == 1)
                game.gameDifficulty =
                    std::max<uint8_t>(game.gameDifficulty, std::min<uint8_t>(Civ(c).aiLevel, 5));
    }
    game.seaBodyCount = 0;
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y)
            game.seaBodyCount = std::max(game.seaBodyCount, Cell(x, y).seaBody);
    NumberLandmasses();

    // Every screen, dialog and drag of the game before is closed.
    CloseAllScreens();
    ui.gameStarted = 1;
    // A loaded game is past its first steps: no guidance for them.
    ui.firstCityOpened = ui.firstUnitMoved = 1;

    DistanceCalculation();
    BuildOrderButtons();
}

} // namespace

LoadOutcome LoadSaveText(const std::string& text) {
    LoadOutcome outcome = Stage(text);
    if (outcome.ok) CommitStagedGame();
    return outcome;
}

std::string HeaderLabel(int64_t header) {
    const int64_t nation = header / 100000;
    const int64_t year = header % 100000 - 5555;
    std::string label = YearName(year);
    if (IsNation(nation)) label += std::string(", ") + nationName(static_cast<int>(nation));
    return label;
}

} // namespace annals
