#include "economy/score.h"

#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>

namespace annals {

namespace {

// The strength the last end of turn recorded.
int32_t LatestPower(int civ) {
    const int entry = std::min(game.turn - 1, kPowerHistory);
    return entry >= 1 ? Civ(civ).powerHistory[entry] : 0;
}

} // namespace

int32_t Score() {
    return ScoreOf(game.viewCiv);
}

int32_t ScoreOf(int v) {
    const int n = game.civCount;
    if (v < 1 || v > kMaxCivs) return 0;
    // Rivals are counted as n - 2 (all but the natives and the player); a world of one
    // player and the natives has none, and counts as one so nothing is divided by zero.
    const double rivals = std::max(n - 2, 1);
    const double p = LatestPower(v);
    double s = 0, d = 0;
    for (int c = 1; c <= n - 1; ++c) {
        s += LatestPower(c);
        if (c != v && Civ(c).isComputer) d += Civ(c).aiLevel;
    }
    const double a = d / rivals;
    const double c = 120 * a + 400;
    double e = 50 * a - 50;
    const int level = Trunc(a);
    if (level >= 2 && game.year > 0) {
        static const double kLateWeight[] = {0, 0, 0.2, 0.4, 0.7, 1};
        const double f = kLateWeight[std::min(level, 5)];
        e += std::min(game.year, 2000) * 0.0125 * f * n;
    }
    if (s < 50) e = e * s / 50;
    const double h = s / std::max(n - 1, 1) + 12;
    if (p <= h) return Round(c * p / h + e);
    double o = 0.5;
    if (game.year >= 1) {
        const double q = game.year / static_cast<double>(std::max(4000 - game.year, 1000));
        o = q * q + 0.5;
    }
    return Round(std::pow(2.0, o) / std::pow(rivals, o / 2) * c * (p / h - 1) + e + c);
}

const char* RankTitle(int32_t score) {
    struct Rank {
        int32_t upTo;
        const char* english;
        const char* turkish;
    };
    // 1601..1700 lie between King and Emperor: they are still King.
    static const Rank kRanks[] = {
        {400, "Settler", "Köylü"},   {600, "Chieftain", "Reis"},     {800, "Warlord", "Kumandan"},
        {1000, "Noble", "Asilzade"}, {1200, "Prince", "Prens"},      {1400, "Monarch", "Hükümdar"},
        {1700, "King", "Kral"},      {2000, "Emperor", "İmparator"}, {2400, "Immortal", "Ölümsüz"},
        {2900, "Deity", "İlah"},
    };
    for (const Rank& r : kRanks)
        if (score <= r.upTo) return Tr(r.english, r.turkish);
    return Tr("God", "Tanrı");
}

} // namespace annals
