#include "economy/victory.h"

#include "economy/score.h"
#include "persist/hall_of_fame.h"
#include "state/chronicle.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <string>

namespace annals {

namespace {

int Natives() {
    return std::clamp<int>(game.civCount, 0, kMaxCivs);
}

bool AnyPersonSeat() {
    for (int c = 1; c < Natives(); ++c)
        if (PersonSeat(c)) return true;
    return false;
}

bool AnyPersonAlive() {
    for (int c = 1; c < Natives(); ++c)
        if (PersonSeat(c) && Alive(c)) return true;
    return false;
}

int Difficulty() {
    if (game.gameDifficulty >= 1 && game.gameDifficulty <= 5) return game.gameDifficulty;
    return std::clamp<int>(game.difficulty, 1, 5);
}

// Each person's game goes into the hall of fame.
void RecordFame() {
    for (int c = 1; c < Natives(); ++c) {
        if (!PersonSeat(c)) continue;
        FameEntry entry;
        entry.nation = Civ(c).nation;
        entry.difficulty = Difficulty();
        entry.mapSize = game.mapWidth;
        entry.location = std::clamp(static_cast<int>(game.location), 1, 5);
        entry.year = game.endedYear;
        entry.score = ScoreOf(c);
        entry.endKind = game.endKind;
        entry.won = game.winner == c ? 1 : 0;
        std::string reason, problem;
        const bool written = AddToHallOfFame(entry, reason, problem);
        if (!problem.empty()) ShowMessage(problem);
        if (!written)
            ShowMessage(
                std::string(Tr("The hall of fame could not be written: ", "Şeref listesi yazılamadı: ")) +
                reason);
    }
}

void EndGame(int kind, int winner, int32_t year) {
    if (game.endKind != kNotEnded) return;
    game.endKind = static_cast<uint8_t>(kind);
    game.winner = static_cast<uint8_t>(std::clamp(winner, 0, kMaxCivs));
    game.endedYear = year;
    AddChronicle(kGameEnded, game.winner, 0, kind);
    game.chronicle[game.chronicleCount].year = year; // a last year passed ends the game in that year
    RecordFame();
    ui.endScreenOpen = 1;
    ui.endScreenPage = 1;
    ui.chronicleScroll = 0;
    ui.handOverCiv = 0;
}

} // namespace

bool Alive(int civ) {
    return civ >= 1 && civ <= kMaxCivs && (Civ(civ).unitCount > 0 || Civ(civ).cityCount > 0);
}

bool PersonSeat(int civ) {
    if (civ < 1 || civ >= Natives()) return false;
    return Civ(civ).isComputer == 0 || (game.autoplaySeats >> civ & 1) != 0;
}

int HighestScoreCiv() {
    int best = 0;
    int32_t bestScore = 0;
    for (int c = 1; c < Natives(); ++c) {
        if (!Alive(c)) continue;
        const int32_t s = ScoreOf(c);
        if (best == 0 || s > bestScore) best = c, bestScore = s;
    }
    return best;
}

void CheckGameEnd() {
    const int natives = Natives();
    if (natives < 3) return;
    int alive = 0, last = 0;
    for (int c = 1; c < natives; ++c) {
        if (Alive(c)) {
            alive += 1;
            last = c;
            continue;
        }
        if (game.destroyedMask >> c & 1) continue;
        game.destroyedMask = static_cast<uint8_t>(game.destroyedMask | 1 << c);
        // Whoever's turn it is dealt the last blow.
        const int by =
            game.currentCiv != c && game.currentCiv >= 1 && game.currentCiv <= natives ? game.currentCiv : 0;
        AddChronicle(kCivDestroyed, c, by, 0);
    }
    const bool people = AnyPersonSeat(), peopleLeft = AnyPersonAlive();
    if (game.endKind == kNotEnded) {
        if (alive == 1)
            EndGame(kConquest, last, game.year);
        else if (people && !peopleLeft)
            EndGame(kEliminated, HighestScoreCiv(), game.year);
    }
    // With no person left, nobody can play on.
    if (people && !peopleLeft) game.gameOver = 1;
}

void CheckEndYear() {
    if (game.endKind != kNotEnded || game.endYear == 0 || game.year <= game.endYear) return;
    EndGame(kEndYearScore, HighestScoreCiv(), game.endYear);
}

void Retire() {
    EndGame(kRetired, HighestScoreCiv(), game.year);
}

const char* EndKindWord(int kind) {
    switch (kind) {
    case kConquest:
        return "conquest";
    case kEndYearScore:
        return "score";
    case kRetired:
        return "retirement";
    case kEliminated:
        return "elimination";
    default:
        return "";
    }
}

} // namespace annals
