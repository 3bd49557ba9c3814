#include "persist/hall_of_fame.h"

#include "persist/save_game.h"
#include "state/rules.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace annals {

namespace {

constexpr const char* kFirstLine = "Annals hall of fame 1";
constexpr long kLargestFile = 1L << 20;

bool Better(const FameEntry& a, const FameEntry& b) {
    if (a.score != b.score) return a.score > b.score;
    if (a.won != b.won) return a.won > b.won;
    return a.year < b.year;
}

bool Sound(const FameEntry& e) {
    return ((e.nation >= 1 && e.nation <= 10) || e.nation == kNativeNation) && e.difficulty >= 1 &&
           e.difficulty <= 5 && e.mapSize >= 20 && e.mapSize <= 50 && e.location >= 1 && e.location <= 5 &&
           e.year >= -4000 && e.year <= 90000 && e.score >= -1000000 && e.score <= 1000000 &&
           e.endKind >= 1 && e.endKind <= 4 && (e.won == 0 || e.won == 1);
}

// The entries of the file's text; false when it is not a hall of fame.
bool Parse(const std::string& text, std::vector<FameEntry>& entries) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return false;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        FameEntry e;
        std::string rest;
        if (!(fields >> e.nation >> e.difficulty >> e.mapSize >> e.location >> e.year >> e.score >>
              e.endKind >> e.won) ||
            (fields >> rest) || !Sound(e))
            return false;
        entries.push_back(e);
    }
    return true;
}

} // namespace

std::string HallOfFamePath() {
    std::string folder = UserFolder("XDG_DATA_HOME", ".local/share");
    if (folder.empty() || !MakeFolders(folder)) {
        // No data folder of his own: the hall of fame stays with the saves.
        folder = SaveFolder();
    }
    return folder + "/HallOfFame.txt";
}

FameList ReadHallOfFame() {
    FameList list;
    const std::string path = HallOfFamePath();
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return list; // no game has ended yet
    bool ok = S_ISREG(st.st_mode) && st.st_size <= kLargestFile;
    std::string text;
    if (ok) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream all;
        all << file.rdbuf();
        text = all.str();
        ok = file.good() || file.eof();
    }
    if (ok && Parse(text, list.entries)) {
        std::stable_sort(list.entries.begin(), list.entries.end(), Better);
        return list;
    }
    list.entries.clear();
    const std::string aside = path + ".damaged";
    std::rename(path.c_str(), aside.c_str());
    list.problem =
        std::string(Tr("The hall of fame could not be read and starts again; the old file was kept as ",
                       "Şeref listesi okunamadı ve yeniden başlıyor; eski dosya şu adla saklandı: ")) +
        aside;
    return list;
}

bool AddToHallOfFame(const FameEntry& entry, std::string& reason, std::string& problem) {
    FameList list = ReadHallOfFame();
    problem = list.problem;
    list.entries.push_back(entry);
    std::stable_sort(list.entries.begin(), list.entries.end(), Better);
    if (list.entries.size() > static_cast<size_t>(kFameKept)) list.entries.resize(kFameKept);
    std::ostringstream out;
    out << kFirstLine << "\n";
    for (const FameEntry& e : list.entries)
        out << e.nation << ' ' << e.difficulty << ' ' << e.mapSize << ' ' << e.location << ' ' << e.year
            << ' ' << e.score << ' ' << e.endKind << ' ' << e.won << "\n";
    // Written whole through a temporary file of its own, so that two games ending at once
    // never mix their lists into one damaged file.
    if (!WriteFileWhole(HallOfFamePath(), out.str(), reason)) return false;
    return true;
}

} // namespace annals
