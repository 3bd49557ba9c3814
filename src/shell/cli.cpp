#include "shell/cli.h"

#include "ai/computer_player.h"
#include "ai/sea_missions.h"
#include "diplomacy/dialogs.h"
#include "diplomacy/rival_leaders.h"
#include "economy/city.h"
#include "economy/end_of_turn.h"
#include "economy/science.h"
#include "economy/victory.h"
#include "persist/save_game.h"
#include "persist/state_json.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/autoplay.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "state/host.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "units/movement.h"
#include "units/orders.h"
#include "units/unit_table.h"
#include "world/setup.h"

#include <algorithm>
#include <cctype>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace annals {

namespace {

struct Arguments {
    std::vector<std::string> files;             // positional arguments after the command
    std::map<std::string, std::string> options; // --key value
};

struct Command {
    const char* name;
    int files;         // positional arguments required
    int optionalFiles; // more that may follow
    std::vector<std::string> required;
    const char* usage;
    const char* summary;
    std::function<int(const Arguments&, std::string& out, std::string& err)> run;
};

// A path or word typed on the command line, as it may be printed back.
std::string Shown(const std::string& text) {
    return PrintableText(text);
}

// Digits, with a minus sign in front for a negative number: no spaces, no plus sign.
bool ParseInt(const std::string& text, long long low, long long high, long long& value) {
    const size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() <= first || text.size() > 19 ||
        text.find_first_not_of("0123456789", first) != std::string::npos)
        return false;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high) return false;
    value = v;
    return true;
}

bool IntOption(const Arguments& a, const char* name, long long low, long long high, long long& value,
               std::string& err) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return true;
    if (ParseInt(it->second, low, high, value)) return true;
    err = std::string("--") + name + " must be a whole number from " + std::to_string(low) + " to " +
          std::to_string(high) + "\n";
    return false;
}

// Loads a slot-format file as the running game.
bool LoadGame(const std::string& path, std::string& err) {
    const LoadOutcome outcome = LoadFromFile(path);
    if (!outcome.ok) err = Shown(path) + ": " + outcome.reason + "\n";
    return outcome.ok;
}

int SaveGame(const std::string& path, std::string& out, std::string& err) {
    std::string reason;
    if (!SaveToFile(path, reason)) {
        err = "cannot write " + Shown(path) + ": " + reason + "\n";
        return 1;
    }
    out += "wrote " + Shown(path) + "\n";
    return 0;
}

// The line a finished game leaves: "game over: Romans won by conquest".
std::string GameOverLine() {
    if (game.winner < 1 || game.winner > game.civCount) return "game over: nobody is left\n";
    return std::string("game over: ") + nationName(Civ(game.winner).nation) + " won by " +
           EndKindWord(game.endKind) + "\n";
}

// Every city and unit of a civilization taken away, as a lost war leaves it.
void Wipe(int civ) {
    CivRecord& loser = Civ(civ);
    while (loser.cityCount > 0) RemoveCity(loser.cities[loser.cityCount].x, loser.cities[loser.cityCount].y);
    while (loser.unitCount > 0) KillUnit(civ, loser.unitCount);
}

// Frames until the current unit's move animation has come to rest (or a bound).
void SettleFrames() {
    for (int i = 0; i < 400; ++i) {
        TimerFunction();
        const UnitRecord* unit = CurrentUnitRecord();
        if (!unit || (unit->animDx == 0 && unit->animDy == 0)) break;
    }
}

// An input script: key:N, click:X:Y, rclick:X:Y, move:X:Y, frames:N, talk:CIV, defeat and conquer,
// comma-separated.
bool RunScript(const std::string& script, std::string& err) {
    std::stringstream items(script);
    for (std::string item; std::getline(items, item, ',');) {
        std::vector<long long> numbers;
        std::stringstream parts(item);
        std::string verb, part;
        std::getline(parts, verb, ':');
        while (std::getline(parts, part, ':')) {
            long long v = 0;
            if (!ParseInt(part, 0, 100000, v)) {
                err = "--script: \"" + Shown(item) + "\" has a bad number\n";
                return false;
            }
            numbers.push_back(v);
        }
        const auto n = numbers.size();
        if (verb == "key" && n == 1) {
            DispatchEvent({EventKind::KeyDown, static_cast<int>(numbers[0]), 0, 0, 0, 0});
        } else if ((verb == "click" || verb == "rclick") && n == 2) {
            const int x = static_cast<int>(numbers[0]), y = static_cast<int>(numbers[1]);
            const int button = verb == "click" ? 0 : 1;
            DispatchEvent({EventKind::MouseMove, 0, 0, 0, x, y});
            DispatchEvent({EventKind::MouseDown, 0, 0, button, x, y});
            DispatchEvent({EventKind::MouseUp, 0, 0, button, x, y});
        } else if (verb == "drag" && n == 4) {
            // Pressed at the first point, moved to the second and released there.
            const int x = static_cast<int>(numbers[0]), y = static_cast<int>(numbers[1]);
            const int tx = static_cast<int>(numbers[2]), ty = static_cast<int>(numbers[3]);
            DispatchEvent({EventKind::MouseMove, 0, 0, 0, x, y});
            DispatchEvent({EventKind::MouseDown, 0, 0, 0, x, y});
            DispatchEvent({EventKind::MouseMove, 0, 0, 0, tx, ty});
            DispatchEvent({EventKind::MouseUp, 0, 0, 0, tx, ty});
        } else if (verb == "move" && n == 2) {
            DispatchEvent(
                {EventKind::MouseMove, 0, 0, 0, static_cast<int>(numbers[0]), static_cast<int>(numbers[1])});
        } else if (verb == "frames" && n == 1) {
            // The game goes on in these frames: computers that are to move play, up to a
            // new year in each frame.
            const ComputerPace drawOnly = CurrentComputerPace();
            SetComputerPace({});
            for (long long i = 0; i < numbers[0]; ++i) TimerFunction();
            SetComputerPace(drawOnly);
        } else if (verb == "talk" && n == 1) {
            // As the Talk button of the statistics screen: the player speaks with a leader.
            TalkWithLeader(static_cast<int>(numbers[0]));
        } else if (verb == "defeat" && n == 0) {
            // As a lost war leaves the first player: every city and unit gone, so that the
            // end of a game can be looked at.
            Wipe(1);
            CheckGameEnd();
        } else if (verb == "conquer" && n == 0) {
            // The first player's rivals (the natives aside) lose everything: his victory.
            for (int c = 2; c < game.civCount; ++c) Wipe(c);
            CheckGameEnd();
        } else {
            err = "--script: \"" + Shown(item) +
                  "\" is not key:N, click:X:Y, rclick:X:Y, drag:X:Y:X2:Y2, move:X:Y, frames:N, talk:CIV, "
                  "defeat or conquer\n";
            return false;
        }
    }
    return true;
}

// Splits "a,b,c".
std::vector<std::string> List(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');) items.push_back(item);
    return items;
}

int NationNumber(const std::string& text) {
    static const char* const names[] = {"",        "arabians", "aztecs", "britons", "chinese", "franks",
                                        "germans", "persians", "romans", "turks",   "vikings"};
    long long n = 0;
    if (ParseInt(text, 1, 10, n)) return static_cast<int>(n);
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int i = 1; i <= 10; ++i)
        if (lower == names[i]) return i;
    return 0;
}

int New(const Arguments& a, std::string& out, std::string& err) {
    static const std::map<std::string, int> sizes = {
        {"tiny", 24}, {"small", 30}, {"medium", 36}, {"large", 42}, {"huge", 48}};
    static const std::map<std::string, int> worlds = {
        {"island", 1}, {"lake", 2}, {"continental", 3}, {"coastal", 4}, {"random", 5}};
    auto option = [&](const char* name, const char* fallback) {
        auto it = a.options.find(name);
        return it == a.options.end() ? std::string(fallback) : it->second;
    };
    const auto size = sizes.find(option("size", "medium"));
    const auto world = worlds.find(option("world", "island"));
    if (size == sizes.end() || world == worlds.end()) {
        err = "new: --size is tiny|small|medium|large|huge and --world "
              "island|lake|continental|coastal|random\n";
        return 2;
    }
    long long rivals = 3, difficulty = 1, seed = -1, endYear = 0;
    if (!IntOption(a, "rivals", 1, 6, rivals, err) || !IntOption(a, "difficulty", 1, 5, difficulty, err) ||
        !IntOption(a, "seed", 0, (1LL << 62), seed, err) ||
        !IntOption(a, "end-year", -3999, 9999, endYear, err))
        return 2;
    const int players = static_cast<int>(rivals) + 1;
    int nations[kMaxCivs + 1] = {0, 3, 2, 8, 4, 9, 10, 7, 0};
    if (auto it = a.options.find("nations"); it != a.options.end()) {
        const auto names = List(it->second);
        for (size_t i = 0; i < names.size(); ++i) {
            const int n = NationNumber(names[i]);
            if (n == 0 || i >= static_cast<size_t>(players)) {
                err = "new: --nations takes up to one nation per player (a name or 1..10)\n";
                return 2;
            }
            // The player before who had it takes the old one: no two players share a nation.
            for (int q = 1; q <= 7; ++q)
                if (nations[q] == n) nations[q] = nations[i + 1];
            nations[i + 1] = n;
        }
    }
    bool human[kMaxCivs + 1] = {false, true};
    if (auto it = a.options.find("humans"); it != a.options.end()) {
        human[1] = false;
        for (const std::string& item : List(it->second)) {
            long long p = 0;
            if (!ParseInt(item, 1, players, p)) {
                err = "new: --humans lists player numbers from 1 to " + std::to_string(players) + "\n";
                return 2;
            }
            human[p] = true;
        }
    }
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size->second);
    game.location = world->second;
    game.civCount = static_cast<uint8_t>(players + 1);
    game.difficulty = static_cast<uint8_t>(difficulty);
    game.endYear = static_cast<int32_t>(endYear);
    for (int p = 1; p <= 7; ++p) {
        Civ(p).nation = static_cast<uint8_t>(nations[p]);
        Civ(p).colour = static_cast<uint8_t>(p);
        Civ(p).isComputer = human[p] ? 0 : 1;
        Civ(p).aiLevel = static_cast<uint8_t>(difficulty);
    }
    if (seed >= 0) SeedRandom(static_cast<uint64_t>(seed));
    if (!StartGame()) {
        err = "new: no world with room for every player could be made\n";
        return 1;
    }
    return SaveGame(a.options.at("out"), out, err);
}

int Check(const Arguments& a, std::string& out, std::string& err) {
    if (!LoadGame(a.files[0], err)) return 1;
    out += a.files[0] + ": a sound game, " + SlotLabelOfRunningGame() + "\n";
    return 0;
}

int Resave(const Arguments& a, std::string& out, std::string& err) {
    if (!LoadGame(a.files[0], err)) return 1;
    return SaveGame(a.files[1], out, err);
}

int Dump(const Arguments& a, std::string& out, std::string& err) {
    if (!LoadGame(a.files[0], err)) return 1;
    out += StateToJson();
    return 0;
}

int EndTurn(const Arguments& a, std::string& out, std::string& err) {
    if (!LoadGame(a.files[0], err)) return 1;
    const bool endedBefore = game.endKind != kNotEnded;
    EndOfTurn();
    if (!endedBefore && game.endKind != kNotEnded) out += GameOverLine();
    return SaveGame(a.files[1], out, err);
}

int Act(const Arguments& a, std::string& out, std::string& err) {
    long long order = 0, answer = 0;
    if (!IntOption(a, "order", 1, 255, order, err) || !IntOption(a, "answer", 0, 255, answer, err)) return 2;
    if (!LoadGame(a.files[0], err)) return 1;
    if (!CurrentUnitRecord()) {
        err = "there is no unit to give the order to\n";
        return 1;
    }
    UnitActivity(static_cast<int>(order));
    SettleFrames();
    // Dialogs raised on the way are answered with --answer, one after the other.
    for (int chain = 0; ui.dialogCode != 0 && chain < 20; ++chain) {
        out += "the order raised dialog " + std::to_string(ui.dialogCode) + "\n";
        if (answer == 0) break;
        if (!DialogAnswerAllowed(static_cast<int>(answer))) {
            err = "answer " + std::to_string(answer) + " cannot be taken\n";
            return 1;
        }
        const DialogOutcome outcome = AnswerDialog(static_cast<int>(answer));
        if (outcome.key != 0) FormKeyDown(outcome.key, 0);
        SettleFrames();
    }
    // When the order ended the person's turn, the computers finish theirs before the game
    // is saved, so that the file resumes at a person's move.
    Looping();
    SettleFrames();
    return SaveGame(a.files[1], out, err);
}

// One line per civilization: what it owns and knows, and how it stands with the others.
std::string CivilizationReport() {
    std::string text = "round " + std::to_string(game.turn) + " (year " + std::to_string(game.year) + ")\n";
    for (int c = 1; c <= game.civCount; ++c) {
        const CivRecord& civ = Civ(c);
        int sciences = 0;
        for (int s = 1; s <= kSciences; ++s) sciences += civ.knows[s] != 0;
        char line[160];
        std::snprintf(
            line, sizeof line, "  civ %d %-9s cities %2d (founded %d) units %3d sciences %2d gold %6.0f", c,
            nationName(civ.nation), civ.cityCount, civ.citiesFounded, civ.unitCount, sciences, civ.gold);
        text += line;
        text += " relations";
        for (int o = 1; o <= game.civCount; ++o) {
            if (o == c) continue;
            std::snprintf(line, sizeof line, " %d:%.0f", o, civ.relation[o]);
            text += line;
        }
        text += "\n";
    }
    return text;
}

int Play(const Arguments& a, std::string& out, std::string& err) {
    long long rounds = 1;
    if (!IntOption(a, "rounds", 1, 100000, rounds, err)) return 2;
    bool report = false;
    if (auto it = a.options.find("report"); it != a.options.end()) {
        if (it->second != "yes" && it->second != "no") {
            err = "play: --report is yes or no\n";
            return 2;
        }
        report = it->second == "yes";
    }
    if (!LoadGame(a.files[0], err)) return 1;
    // Everyone plays as a computer for a while, with what a computer player starts with:
    // a difficulty, and its first settler as the unit that founds its first city. The
    // people get their seats back after.
    struct Seat {
        bool person = false;
        uint8_t aiLevel = 0, referenceUnit = 0;
    } seats[kMaxCivs + 1];
    for (int c = 1; c <= game.civCount; ++c) {
        CivRecord& civ = Civ(c);
        if (civ.isComputer == 1) continue;
        seats[c] = {true, civ.aiLevel, civ.referenceUnit};
        civ.isComputer = 1;
        game.autoplaySeats = static_cast<uint8_t>(game.autoplaySeats | 1 << c);
        if (civ.aiLevel < 1 || civ.aiLevel > 5)
            civ.aiLevel = static_cast<uint8_t>(std::clamp<int>(game.difficulty, 1, 5));
        if (civ.cityCount == 0 && civ.referenceUnit == 0)
            for (int s = 1; s <= civ.unitCount; ++s)
                if (civ.units[s].type == kSettler) {
                    civ.referenceUnit = static_cast<uint8_t>(s);
                    break;
                }
    }
    // The view goes with the computers while nobody plays; the people find it as they left it.
    const double viewX = game.viewX, viewY = game.viewY;
    // The whole game is checked once a round below; the check after every order is
    // the debug build's and the tests' (it would cost more than the computers' play).
    ClearStateFault();
    std::string broken;
    const int32_t target = static_cast<int32_t>(std::min<long long>(game.turn + rounds, kLastTurn));
    NoteSeaRound();
    auto started = std::chrono::steady_clock::now();
    int32_t lastTurn = game.turn;
    // Far more steps than any number of rounds needs, so that a stuck game ends.
    const long long bound = rounds * 200000LL;
    // A game that ends on the way is played no further.
    const bool endedBefore = game.endKind != kNotEnded;
    auto ended = [&] { return !endedBefore && game.endKind != kNotEnded; };
    for (long long step = 0; step < bound && game.turn < target && !game.gameOver && !ended(); ++step) {
        AutoplayStep(); // nobody is there to answer a dialog
        if (game.turn != lastTurn) {
            const auto now = std::chrono::steady_clock::now();
            const double ms = std::chrono::duration<double, std::milli>(now - started).count();
            out += "round " + std::to_string(lastTurn) + " (year " + std::to_string(game.year) +
                   "): " + std::to_string(ms).substr(0, std::to_string(ms).find('.') + 3) + " ms\n";
            started = now;
            lastTurn = game.turn;
            // Every round ends with a sound game, or the rule that broke it is named.
            const std::string fault = RunningStateFault();
            if (broken.empty() && !FirstStateFault().empty()) broken = FirstStateFault();
            if (broken.empty() && !fault.empty()) broken = "at the end of a round: " + fault;
            NoteSeaRound();
            if (report && game.turn % 10 == 0) out += CivilizationReport() + SeaReport();
        }
    }
    game.autoplaySeats = 0;
    if (ended()) {
        out += GameOverLine();
        // Nobody is there to look at the end screen.
        ui.endScreenOpen = 0;
    }
    for (int c = 1; c <= game.civCount; ++c) {
        if (!seats[c].person) continue;
        game.viewX = viewX;
        game.viewY = viewY;
        CivRecord& civ = Civ(c);
        civ.isComputer = 0;
        civ.aiLevel = seats[c].aiLevel;
        if (seats[c].referenceUnit == 0) civ.referenceUnit = 0;
    }
    if (game.gameOver) out += "the game is over\n";
    const int saved = SaveGame(a.files[1], out, err);
    if (!broken.empty()) {
        err += "play: the game broke " + broken + "\n";
        return 1;
    }
    return saved;
}

int Shot(const Arguments& a, std::string& out, std::string& err) {
    long long frames = 1, at = 0;
    if (!IntOption(a, "frames", 1, 100000, frames, err)) return 2;
    if (!IntOption(a, "at", 0, 1000000, at, err)) return 2;
    if (!a.files.empty() && !LoadGame(a.files[0], err)) return 1;
    auto* headless = dynamic_cast<HeadlessPlatform*>(&ThePlatform());
    if (at > 0 && headless) headless->KeepPresent(static_cast<int>(at));
    // As after a load in the game: the view on the unit that is to move.
    if (!a.files.empty() && IsHuman(game.currentCiv)) MoveViewToSelection(true);
    if (!a.files.empty()) { // the year announced, a pending choice of science asked for
        AnnounceTurn();
        ResumeHumanResearch(game.currentCiv);
    }
    const auto reveal = a.options.find("reveal");
    if (reveal != a.options.end() && reveal->second != "yes" && reveal->second != "no") {
        err = "shot: --reveal is yes or no\n";
        return 2;
    }
    if (reveal != a.options.end() && reveal->second == "yes") {
        // For looking at a world: every cell shown, as if explored (nothing is saved).
        for (int x = 1; x <= game.mapWidth; ++x)
            for (int y = 1; y <= game.mapHeight; ++y) Cell(x, y).explored = 1;
        ui.smallMapValid = 0;
    }
    if (auto script = a.options.find("script"); script != a.options.end() && !RunScript(script->second, err))
        return 2;
    for (long long i = 0; i < frames; ++i) TimerFunction();
    const std::string& file = a.options.at("out");
    std::string error;
    const Surface* kept = at > 0 && headless ? headless->Kept() : nullptr;
    if (at > 0 && !kept) {
        err = "shot: only " + std::to_string(headless ? headless->PresentCount() : 0) +
              " screens were shown, not " + std::to_string(at) + "\n";
        return 1;
    }
    // Written as a save is: whole or not at all, never through a link or into a FIFO.
    std::string png;
    if (!EncodePng(kept ? *kept : ThePlatform().Screen(), png, error) || !WriteFileWhole(file, png, error)) {
        err = "shot: cannot write " + Shown(file) + ": " + error + "\n";
        return 1;
    }
    out += "wrote " + Shown(file) + "\n";
    // The game as the script and the frames left it.
    if (auto save = a.options.find("save"); save != a.options.end()) return SaveGame(save->second, out, err);
    return 0;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"new",
         0,
         0,
         {"out"},
         "new --out FILE [--size tiny|small|medium|large|huge] [--world "
         "island|lake|continental|coastal|random] "
         "[--rivals 1..6] [--difficulty 1..5] [--seed N] [--nations N,N,..] [--humans P,P,..] [--end-year Y]",
         "start a new game (by default a medium island, three rivals, player 1 human, no last year) and save "
         "it "
         "to FILE; with --end-year the game ends after year Y (negative before the common era) and the "
         "highest "
         "score wins",
         New},
        {"check",
         1,
         0,
         {},
         "check FILE",
         "exit 0 when the game would load FILE, otherwise 1 and the reason",
         Check},
        {"resave", 2, 0, {}, "resave IN OUT", "load IN and save it again as OUT", Resave},
        {"dump", 1, 0, {}, "dump FILE", "print the whole state of the game in FILE as JSON", Dump},
        {"endturn",
         2,
         0,
         {},
         "endturn IN OUT",
         "one end-of-turn update, as the wrap to civilization 1 runs it; prints \"game over: ...\" when it "
         "ends the game",
         EndTurn},
        {"act",
         2,
         0,
         {"order"},
         "act IN OUT --order N [--answer K]",
         "the current unit carries out order N, with the frames it needs",
         Act},
        {"play",
         2,
         0,
         {"rounds"},
         "play IN OUT --rounds N [--report yes]",
         "every civilization plays as a computer for N rounds; prints the time of each round, and with "
         "--report yes every 10 rounds each civilization's cities, units, sciences, gold and relations, and "
         "what happened at sea; a game that ends on the way prints \"game over: NATION won by "
         "conquest|score|retirement|elimination\" and is played no further",
         Play},
        {"shot",
         0,
         1,
         {"out"},
         "shot [IN] --out PNG [--frames N] [--script S] [--reveal yes|no] [--at K] [--save OUT]",
         "draw N frames (default 1) of the entrance screen, or of the game in IN as saved (computers to "
         "move wait), and write the screen to a PNG file; the script (key:N, click:X:Y, rclick:X:Y, "
         "drag:X:Y:X2:Y2, move:X:Y, frames:N, talk:CIV, defeat (the first player loses everything), conquer "
         "(his rivals do), comma-separated) runs first, and in its frames computers to move play on, up to "
         "a new year a frame; "
         "--reveal yes shows every cell of the map; --at K writes the K-th screen shown after the load "
         "instead (frames drawn inside an action count: a fight, the computers' turn); --save OUT then saves "
         "the game as it stands to OUT",
         Shot},
        {"settings",
         0,
         3,
         {},
         "settings [set NAME VALUE]",
         "list each setting (kept between games in $XDG_CONFIG_HOME/annals/settings), its value and where "
         "it came from; set changes one (a wrong name or value changes nothing and exits 2)",
         [](const Arguments& a, std::string& out, std::string& err) {
             return SettingsCommand(a.files, out, err);
         }},
    };
    return commands;
}

std::string HelpText() {
    std::string text =
        "annals-cli: Annals without a window.\n"
        "\n"
        "usage: annals-cli [--seed N] [--lang en|tr] [--folder DIR] COMMAND [FILES] [options]\n"
        "\n"
        "Games are read and written as save-slot files. The game runs headless and draws\n"
        "the very pixels of the window.\n"
        "\n"
        "global options:\n"
        "  --seed N      seed of the random generator (default 1)\n"
        "  --lang en|tr  language of the texts (default: the settings, else the game folder's language.txt)\n"
        "  --folder DIR  game folder with Art/, Music/, Sounds/, Save/ (default: the folder of annals-cli)\n"
        "\n"
        "commands:\n";
    for (const Command& c : Commands()) text += "  " + std::string(c.usage) + "\n      " + c.summary + "\n";
    text += "  help\n      this text\n";
    return text;
}

// Whether a command's usage line names the option --key.
bool NamesOption(const std::string& usage, const std::string& key) {
    for (size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at + 2)) {
        size_t end = at + 2;
        while (end < usage.size() &&
               (std::isalnum(static_cast<unsigned char>(usage[end])) || usage[end] == '-'))
            ++end;
        if (usage.compare(at + 2, end - at - 2, key) == 0 && end - at - 2 == key.size()) return true;
    }
    return false;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& c : Commands())
        if (name == c.name) return &c;
    return nullptr;
}

} // namespace

std::string SlotLabelOfRunningGame() {
    return HeaderLabel(RunningGameHeader());
}

int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err, bool recordsFresh) {
    long long seed = 1;
    int language = 0;
    std::string folder = gameFolder;
    const Command* command = nullptr;
    Arguments arguments;
    std::set<std::string> optionsGiven;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "help" || arg == "--help" || arg == "-h") {
            out = HelpText();
            return 0;
        }
        if (!command && arg.rfind("--", 0) != 0) {
            command = FindCommand(arg);
            if (!command) {
                err = "unknown command \"" + Shown(arg) + "\" (annals-cli --help lists them)\n";
                return 2;
            }
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            arguments.files.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            err = "option " + Shown(arg) + " needs a value\n";
            return 2;
        }
        const std::string key = arg.substr(2), value = args[++i];
        // An option given twice would silently take one of its values.
        if (!optionsGiven.insert((command ? "" : "global ") + key).second) {
            err = "option " + Shown(arg) + " is given twice\n" +
                  (command ? std::string("usage: annals-cli ") + command->usage + "\n" : HelpText());
            return 2;
        }
        if (command) {
            // A command takes the options its usage names, and no misspelt ones.
            if (!NamesOption(command->usage, key)) {
                err = "unknown option \"" + Shown(arg) + "\" for " + command->name + "\nusage: annals-cli " +
                      command->usage + "\n";
                return 2;
            }
            arguments.options[key] = value;
        } else if (key == "seed") {
            if (!ParseInt(value, 0, (1LL << 62), seed)) {
                err = "--seed must be a whole number\n";
                return 2;
            }
        } else if (key == "lang") {
            if (value != "en" && value != "tr") {
                err = "--lang must be en or tr\n";
                return 2;
            }
            language = value == "en" ? 1 : 2;
        } else if (key == "folder") {
            folder = value;
        } else {
            err = "unknown option \"" + Shown(arg) + "\"\n";
            return 2;
        }
    }
    if (!command) {
        err = HelpText();
        return 2;
    }
    const int given = static_cast<int>(arguments.files.size());
    if (given < command->files || given > command->files + command->optionalFiles) {
        err = std::string("usage: annals-cli ") + command->usage + "\n";
        return 2;
    }
    for (const std::string& option : command->required) {
        if (arguments.options.count(option) == 0 || arguments.options.at(option).empty()) {
            err = std::string(command->name) + ": --" + option + " is required (" + command->usage + ")\n";
            return 2;
        }
    }

    // Only a screenshot is looked at: every other command plays on a null canvas, which
    // draws nothing and so reads no pictures.
    HeadlessPlatform platform(HeadlessOptions{.pixels = std::string(command->name) == "shot"});
    InstallShellHost(platform);
    // A command works on the position as it was saved: its frames only draw, and the
    // computers play on only where a script asks for frames.
    const ComputerPace pace = CurrentComputerPace();
    SetComputerPace({0, 0});
    if (!recordsFresh) ResetState();
    gameFolder = folder;
    SetCommandLineLanguage(language); // --lang wins over the settings for this run
    FormCreate(static_cast<uint64_t>(seed));
    int code = 0;
    if (TheHost().QuitRequested()) {
        err = "annals-cli: the pictures of the game could not be read " + SheetLoadError() + "\n";
        code = 1;
    } else {
        if (language != 0) game.language = static_cast<uint8_t>(language);
        code = command->run(arguments, out, err);
        // Input a command refuses is answered with how to give it.
        if (code == 2 && err.find("usage: ") == std::string::npos)
            err += std::string("usage: annals-cli ") + command->usage + "\n";
    }
    // Messages the game showed on the way are the command's to report.
    for (const DrawRecord& r : *platform.Log())
        if (r.kind == DrawRecord::Message) out += "message: " + r.name + "\n";
    FormClose();
    SetComputerPace(pace);
    UninstallShellHost();
    return code;
}

} // namespace annals
