// The hall of fame: every finished game of this player (nation, difficulty, world, year,
// score, how it ended), kept in his data folder and shown best first.
#pragma once

#include <string>
#include <vector>

namespace annals {

struct FameEntry {
    int nation = 0;
    int difficulty = 0; // 1..5
    int mapSize = 0;    // 24..48
    int location = 0;   // kind of world 1..5
    int year = 0;
    int score = 0;
    int endKind = 0; // EndKind
    int won = 0;     // 1 when this player's civilization won
};

constexpr int kFameKept = 100; // the best games kept; a worse one drops out

// $XDG_DATA_HOME/annals/HallOfFame.txt (else ~/.local/share/annals/...); beside the
// saves when the player has no data folder.
std::string HallOfFamePath();

struct FameList {
    std::vector<FameEntry> entries; // best first
    std::string problem;            // why the file could not be read; it is set aside, the list is fresh
};

// Reads the list. A damaged file is kept as HallOfFame.txt.damaged and the list starts
// afresh; a missing one is simply an empty list.
FameList ReadHallOfFame();
// Adds a finished game. Returns false with the reason when the file cannot be written;
// `problem` tells of a damaged file that was set aside on the way.
bool AddToHallOfFame(const FameEntry& entry, std::string& reason, std::string& problem);

} // namespace annals
