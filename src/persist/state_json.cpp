#include "persist/state_json.h"

#include "state/state.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

namespace annals {

namespace {

// A small JSON writer: objects and arrays with commas put in the right places.
class Json {
public:
    std::string& Text() { return out_; }

    void Open(char bracket) {
        Comma();
        out_ += bracket;
        first_ = true;
    }
    void Close(char bracket) {
        out_ += bracket;
        first_ = false;
    }
    void Key(const char* key) {
        Comma();
        out_ += '"';
        out_ += key;
        out_ += "\":";
        first_ = true; // the value follows without a comma
    }
    void Number(int64_t v) {
        Comma();
        out_ += std::to_string(v);
    }
    void Number(double v) {
        Comma();
        if (!std::isfinite(v)) {
            out_ += "null";
            return;
        }
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.10g", v);
        out_ += buffer;
    }
    template <typename T> void Field(const char* key, T value) {
        Key(key);
        if constexpr (std::is_floating_point_v<T>)
            Number(static_cast<double>(value));
        else
            Number(static_cast<int64_t>(value));
    }
    template <typename T> void Array(const char* key, const T* values, int from, int to) {
        Key(key);
        Values(values, from, to);
    }
    template <typename T> void Values(const T* values, int from, int to) {
        Open('[');
        for (int i = from; i <= to; ++i) {
            if constexpr (std::is_floating_point_v<T>)
                Number(static_cast<double>(values[i]));
            else
                Number(static_cast<int64_t>(values[i]));
        }
        Close(']');
    }

private:
    void Comma() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    std::string out_;
    bool first_ = true;
};

#define FIELD(record, name) json.Field(#name, (record).name)

void DumpUnit(Json& json, const UnitRecord& u) {
    json.Open('{');
    FIELD(u, x);
    FIELD(u, y);
    FIELD(u, type);
    FIELD(u, lives);
    FIELD(u, experience);
    FIELD(u, fortified);
    FIELD(u, order);
    FIELD(u, animDx);
    FIELD(u, animDy);
    FIELD(u, movesLeft);
    FIELD(u, jobTimer);
    FIELD(u, carrierLink);
    FIELD(u, gotoX);
    FIELD(u, gotoY);
    json.Array("missionFlags", u.missionFlags, 1, 4);
    FIELD(u, attackedThisTurn);
    json.Array("cargo", u.cargo, 1, kCargoSlots);
    json.Array("path", u.path, 1, u.pathLength);
    FIELD(u, pathLength);
    FIELD(u, pathStep);
    FIELD(u, pendingDirection);
    json.Close('}');
}

void DumpCity(Json& json, const CityData& c) {
    json.Open('{');
    FIELD(c, cityX);
    FIELD(c, cityY);
    FIELD(c, culture);
    FIELD(c, happiness);
    FIELD(c, storageCapacity);
    FIELD(c, nextFreeSlot);
    FIELD(c, size);
    FIELD(c, unitBuildItem);
    FIELD(c, buildItem);
    FIELD(c, militaryProgress);
    FIELD(c, buildProgress);
    FIELD(c, deliveryTimer);
    FIELD(c, granaryBonus);
    FIELD(c, buildingCount);
    FIELD(c, owner);
    FIELD(c, cityIndex);
    FIELD(c, founder);
    FIELD(c, nameIndex);
    FIELD(c, foodBox);
    FIELD(c, turnsSinceBuilding);
    FIELD(c, taxRate);
    FIELD(c, scienceLevel);
    FIELD(c, militaryLevel);
    FIELD(c, settlerReleased);
    json.Array("buildings", c.buildings, 1, kBuildings);
    json.Key("worked");
    json.Open('[');
    for (int dx = 0; dx < 5; ++dx) json.Values(c.worked[dx], 0, 4);
    json.Close(']');
    json.Key("workedProduct");
    json.Open('[');
    for (int dx = 0; dx < 5; ++dx) json.Values(c.workedProduct[dx], 0, 4);
    json.Close(']');
    json.Array("pictures", c.pictures, 1, kMaxPictures);
    json.Array("production", c.production, 1, kProducts);
    json.Array("consumption", c.consumption, 1, kProducts);
    json.Array("stock", c.stock, 1, kProducts);
    json.Array("jobs", c.jobs, 1, kJobs);
    json.Close('}');
}

void DumpCiv(Json& json, const CivRecord& c) {
    json.Open('{');
    FIELD(c, nation);
    FIELD(c, government);
    FIELD(c, colour);
    FIELD(c, gold);
    FIELD(c, goldAtTurnStart);
    FIELD(c, goldBias);
    FIELD(c, isComputer);
    FIELD(c, turnMark);
    FIELD(c, aiLevel);
    FIELD(c, referenceUnit);
    FIELD(c, unitCount);
    FIELD(c, citiesFounded);
    FIELD(c, cityCount);
    FIELD(c, foundingCount);
    FIELD(c, newsCount);
    FIELD(c, warCounter);
    FIELD(c, research);
    FIELD(c, researchLeft);
    json.Array("combatRolls", c.combatRolls, 1, kCombatRolls);
    json.Array("powerHistory", c.powerHistory, 1, kPowerHistory);
    json.Array("foundingTurns", c.foundingTurns, 1, kMaxFoundings);
    json.Array("news", c.news, 1, c.newsCount);
    json.Array("knows", c.knows, 1, kSciences);
    json.Array("relation", c.relation, 1, kMaxCivs);
    json.Array("contactA", c.contactA, 1, kMaxCivs);
    json.Array("contactB", c.contactB, 1, kMaxCivs);
    json.Key("units");
    json.Open('[');
    for (int u = 1; u <= c.unitCount && u <= kMaxUnits; ++u) DumpUnit(json, c.units[u]);
    json.Close(']');
    json.Key("cities");
    json.Open('[');
    for (int k = 1; k <= c.cityCount && k <= kMaxCities; ++k)
        DumpCity(json, City(c.cities[k].x, c.cities[k].y));
    json.Close(']');
    json.Close('}');
}

void DumpCell(Json& json, int x, int y) {
    const MapCell& m = Cell(x, y);
    json.Open('{');
    json.Field("x", x);
    json.Field("y", y);
    FIELD(m, terrain);
    FIELD(m, tileVariant);
    FIELD(m, river);
    FIELD(m, special);
    FIELD(m, hiddenSpecial);
    FIELD(m, seaBody);
    FIELD(m, landmass);
    FIELD(m, site);
    FIELD(m, cellSeed);
    FIELD(m, mine);
    FIELD(m, coastal);
    FIELD(m, forest);
    FIELD(m, road);
    FIELD(m, hill);
    FIELD(m, cornfield);
    FIELD(m, explored);
    FIELD(m, hillExamined);
    FIELD(m, hasCity);
    FIELD(m, workedByX);
    FIELD(m, workedByY);
    json.Array("landUse", m.landUse, 1, 3);
    FIELD(m, unitOwner);
    json.Array("unitList", m.unitList, 1, m.unitCount);
    json.Close('}');
}

} // namespace

std::string StateToJson() {
    Json json;
    json.Open('{');
    const GameState& g = game;
    FIELD(g, civCount);
    FIELD(g, currentCiv);
    FIELD(g, currentUnit);
    FIELD(g, viewCiv);
    FIELD(g, viewUnit);
    FIELD(g, pendingUnit);
    FIELD(g, endTurnRequested);
    FIELD(g, gameOver);
    FIELD(g, year);
    FIELD(g, turn);
    json.Array("civTimer", g.civTimer, 1, kMaxCivs);
    FIELD(g, mapWidth);
    FIELD(g, mapHeight);
    FIELD(g, location);
    FIELD(g, landFactor);
    FIELD(g, seaBodyCount);
    FIELD(g, viewX);
    FIELD(g, viewY);
    FIELD(g, difficulty);
    FIELD(g, language);
    json.Array("nativeStock", g.nativeStock, 1, kProducts);
    json.Array("nativeDemand", g.nativeDemand, 1, kProducts);
    json.Array("wonderOwner", g.wonderOwner, 1, kWonders);
    FIELD(g, endYear);
    FIELD(g, gameDifficulty);
    FIELD(g, endKind);
    FIELD(g, winner);
    FIELD(g, endedYear);
    FIELD(g, chronicleCount);
    json.Key("civs");
    json.Open('[');
    for (int c = 1; c <= g.civCount && c <= kMaxCivs; ++c) DumpCiv(json, civs[c]);
    json.Close(']');
    json.Key("map");
    json.Open('[');
    for (int x = 1; x <= g.mapWidth; ++x)
        for (int y = 1; y <= g.mapHeight; ++y) DumpCell(json, x, y);
    json.Close(']');
    json.Close('}');
    json.Text() += '\n';
    return json.Text();
}

} // namespace annals
