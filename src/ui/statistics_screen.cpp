// The statistics screen: the civilizations' strength over the turns, the six biggest
// cities of the world, and the diplomacy list from which the player goes to talk with a
// rival leader.
#include "diplomacy/rival_leaders.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/overview_screens.h"
#include "ui/overview_shared.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>
#include <vector>

namespace annals {

namespace overview {

namespace {

constexpr Rect kStatsTitle{1290, 80, 1414, 140};
constexpr Rect kStatsSubtitle{1420, 80, 1568, 106};
constexpr Rect kPagePlate{0, 460, 104, 481};
constexpr Rect kPagePressed{110, 460, 211, 479};
constexpr int kPagePlateX[3] = {349, 456, 563};
constexpr int kPagePlateY = 459;
constexpr Rect kTalkPlate{220, 460, 373, 481};
constexpr Rect kTalkPressed{380, 460, 530, 479};
constexpr int kCountdown = 8;
constexpr int kFriendly = 20; // a relation from here on is friendly; above it the talk is too

// Graph: columns w = 1..300 right of the box's left edge, bands over 179 pixels.
constexpr int kGraphLeft = 390, kGraphTop = 266, kGraphHeight = 179, kGraphColumns = 300;

// The Talk button pressed last, while its countdown runs: its answer mark.
int talkAnswer = 0;

int Players() {
    return std::clamp<int>(game.civCount - 1, 0, kMaxCivs - 1);
}

int Page() {
    return std::clamp<int>(ui.statsPage, 1, 3);
}

bool InPlay(int civ) {
    return Civ(civ).unitCount > 0 || Civ(civ).cityCount > 0;
}

// The latest strength the turns have recorded: entry turn - 1, or the table's last entry
// in a game that has outlived the table.
int LatestEntry() {
    return std::min(game.turn - 1, kPowerHistory);
}

int32_t Strength(int civ, int entry) {
    return entry >= 1 && entry <= kPowerHistory ? Civ(civ).powerHistory[entry] : 0;
}

int LegendY(int h) {
    static constexpr int kBase[kMaxCivs + 1] = {0, 0, 290, 290, 282, 277, 272, 267, 264};
    const int p = Players();
    return Round(180.0 / p * (h - 1) + kBase[std::clamp<int>(game.civCount, 0, kMaxCivs)]);
}

} // namespace

// ---------------------------------------------------------------------------
// Page 1: the strength graph (the end screen shows it too)

void DrawGraph() {
    const int p = Players();
    if (p < 1) return;
    Surface& screen = ThePlatform().BackBuffer();
    for (int h = 1; h <= p; ++h) DrawNationFlag(Civ(h).nation, 306, LegendY(h) - 2);
    screen.FrameRect({390, 265, 694, 448}, kBlack);
    screen.FrameRect({391, 266, 693, 447}, kBlack);

    // A city founded in a turn marks the first column that shows that turn.
    static bool marked[kMaxCivs + 1][kPowerHistory + 1];
    for (int h = 1; h <= p; ++h) {
        std::fill(std::begin(marked[h]), std::end(marked[h]), false);
        const CivRecord& c = Civ(h);
        for (int i = 1; i <= c.foundingCount && i <= kMaxFoundings; ++i)
            if (c.foundingTurns[i] >= 1 && c.foundingTurns[i] <= kPowerHistory)
                marked[h][c.foundingTurns[i]] = true;
    }
    const double turns = LatestEntry();
    for (int w = 1; w <= kGraphColumns; ++w) {
        const int a = Round(std::max(w / 300.0 * turns, 1.0));
        const int b = Round(std::max(std::min(w + 1, kGraphColumns) / 300.0 * turns, 1.0));
        double sum = 0;
        for (int h = 1; h <= p; ++h) sum += (Strength(h, a) + 1.0) + (Strength(h, b) + 1.0);
        if (sum <= 0) continue;
        const int x = kGraphLeft + w;
        double y = kGraphTop;
        for (int h = 1; h <= p; ++h) {
            const double next = y + (Strength(h, a) + Strength(h, b) + 2.0) / sum * kGraphHeight;
            Pixel colour = CivGraphColour(Civ(h).colour);
            if (a >= 1 && a <= kPowerHistory && marked[h][a]) {
                colour = kBlack;
                marked[h][a] = false;
            }
            const int top = Round(y), bottom = Round(next);
            screen.FillRect({x, std::min(top, bottom), x + 1, std::max(top, bottom) + 1}, colour);
            if (h > 1) {
                screen.SetPixel(x, Round(y), kBlack);
                screen.SetPixel(x, Round(y) - 1, kBlack);
            }
            y = next;
        }
    }
}

void WriteLegend() {
    const int p = Players();
    const int entry = LatestEntry();
    for (int h = 1; h <= p; ++h) {
        const int y = LegendY(h);
        const Pixel colour = CivTextColour(Civ(h).colour);
        WriteText(340, y, colour, 8, nationName(Civ(h).nation), 410);
        WriteText(340, y + 11, colour, 8, "(pop: " + std::to_string(Strength(h, entry)) + ")", 1024);
    }
}

namespace {

// ---------------------------------------------------------------------------
// Page 2: the six biggest cities of the world

struct Biggest {
    const CityData* cities[6];
    int count = 0;
    int spacing = 10, indent = 0;
};

Biggest BiggestCities() {
    std::vector<const CityData*> all;
    for (int h = 1; h <= Players(); ++h) {
        const CivRecord& c = Civ(h);
        for (int k = 1; k <= c.cityCount && k <= kMaxCities; ++k)
            if (InsideMap(c.cities[k].x, c.cities[k].y) && Cell(c.cities[k].x, c.cities[k].y).hasCity)
                all.push_back(&City(c.cities[k].x, c.cities[k].y));
    }
    Biggest list;
    std::vector<bool> chosen(all.size(), false);
    while (list.count < 6) {
        int best = -1;
        for (size_t i = 0; i < all.size(); ++i)
            if (!chosen[i] && (best < 0 || all[i]->size > all[static_cast<size_t>(best)]->size))
                best = static_cast<int>(i);
        if (best < 0) break;
        chosen[static_cast<size_t>(best)] = true;
        list.cities[list.count++] = all[static_cast<size_t>(best)];
    }
    if (list.count > 0) {
        const int size = list.cities[0]->size;
        list.spacing = size >= 32 ? 3 : size >= 24 ? 4 : size >= 20 ? 5 : size >= 16 ? 6 : 10;
        list.indent = (220 - std::min(size, 50) * list.spacing) / 2;
    }
    return list;
}

void DrawBiggestCities() {
    const Biggest list = BiggestCities();
    const int o = list.indent;
    for (int r = 1; r <= list.count; ++r) {
        const CityData& city = *list.cities[r - 1];
        const int nation = Civ(city.owner).nation;
        DrawCityPicture(city, o + 263, 230 + 32 * r, 32); // left of the name
        DrawNationFlag(nation, o + 389, 231 + 32 * r);
        const int style = citizenStyle(nation);
        for (int i = 1; i <= std::min<int>(city.size, 40); ++i)
            DrawSprite(o + 470 + list.spacing * i, 231 + 32 * r, {23 * style, 476, 23 * style + 23, 505},
                       true, Sheet::OthersSprite);
    }
}

void WriteBiggestCities() {
    const Biggest list = BiggestCities();
    const int o = list.indent;
    for (int r = 1; r <= list.count; ++r) {
        const CityData& city = *list.cities[r - 1];
        WriteText(o + 325, 240 + 32 * r, kHeading, 8, CityNameOf(city), 1024);
        WriteText(o + 420, 240 + 32 * r, kHeading, 8, nationName(Civ(city.owner).nation), 1024);
    }
}

// ---------------------------------------------------------------------------
// Page 3: diplomacy

// The rivals listed, in number order: every civilization but the natives and the player.
int Rivals(int (&rivals)[kMaxCivs]) {
    int count = 0;
    for (int h = 1; h <= Players(); ++h)
        if (h != game.currentCiv) rivals[count++] = h;
    return count;
}

double RelationTo(int h) {
    return Civ(game.currentCiv).relation[std::clamp(h, 0, kMaxCivs)];
}

bool TalkShown(int h) {
    return Civ(h).isComputer == 1 && InPlay(h) && RelationTo(h) != 0;
}

bool TalkPressed(int h) {
    return ui.closeCountdown > 0 && ui.dialogAnswer == h + 3;
}

// The world's politics beside the list: one column per rival in the list's order, headed
// by a square of its colour; in a rival's row a cross for each civilization it is at war
// with and a square for each it is at peace with, as far as the person knows them.
constexpr int kPoliticsLeft = 700, kPoliticsStep = 15, kPoliticsHead = 250;
constexpr int kLegendY = 492;
constexpr Pixel kPeaceMark = Rgb(0, 120, 0);

int PoliticsColumn(int c) {
    return kPoliticsLeft + kPoliticsStep * c;
}

void WarMark(Surface& screen, int x, int y) {
    screen.Line(x - 4, y - 4, x + 4, y + 4, kRed);
    screen.Line(x - 4, y + 4, x + 4, y - 4, kRed);
    screen.Line(x - 3, y - 4, x + 5, y + 4, kRed);
    screen.Line(x - 3, y + 4, x + 5, y - 4, kRed);
}

void PeaceMark(Surface& screen, int x, int y) {
    screen.FillRect({x - 3, y - 3, x + 4, y + 4}, kPeaceMark);
}

bool Known(int h) {
    return InPlay(h) && RelationTo(h) != 0;
}

void DrawPolitics(const int (&rivals)[kMaxCivs], int count) {
    Surface& screen = ThePlatform().BackBuffer();
    for (int c = 0; c < count; ++c) {
        if (!Known(rivals[c])) continue;
        const int x = PoliticsColumn(c);
        screen.FillRect({x + 1, kPoliticsHead, x + 11, kPoliticsHead + 10},
                        CivTextColour(Civ(rivals[c]).colour));
    }
    for (int g = 0; g < count; ++g)
        for (int c = 0; c < count; ++c) {
            const Standing standing = WorldStanding(game.currentCiv, rivals[g], rivals[c]);
            const int x = PoliticsColumn(c) + 6, y = 279 + 31 * g;
            if (standing == Standing::War) WarMark(screen, x, y);
            if (standing == Standing::Peace) PeaceMark(screen, x, y);
        }
    WarMark(screen, 362, kLegendY + 6);
    PeaceMark(screen, 482, kLegendY + 6);
}

void DrawDiplomacy() {
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    DrawPolitics(rivals, count);
    Surface& screen = ThePlatform().BackBuffer();
    const int right = PoliticsColumn(count) + 3;
    screen.Line(354, 263, right, 263, kFadedInk);
    for (int g = 0; g < count; ++g) screen.Line(354, 294 + 31 * g, right, 294 + 31 * g, kFadedInk);
    for (const int x : {417, 510, 690, right}) screen.Line(x, 263, x, 264 + 31 * count, kFadedInk);
    for (int g = 0; g < count; ++g) {
        const int h = rivals[g];
        DrawNationFlag(Civ(h).nation, 326, 265 + 31 * g);
        if (!TalkShown(h)) continue;
        if (TalkPressed(h))
            DrawSprite(526, 271 + 31 * g, kTalkPressed, true, Sheet::Backgrounds);
        else
            DrawSprite(525, 270 + 31 * g, kTalkPlate, true, Sheet::Backgrounds);
    }
}

void WriteDiplomacy() {
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    for (int g = 0; g < count; ++g) {
        const int h = rivals[g];
        const int y = 273 + 31 * g;
        WriteText(357, y, CivTextColour(Civ(h).colour), 8, nationName(Civ(h).nation), 457);
        const double relation = RelationTo(h);
        if (!InPlay(h))
            WriteText(437, y, kFadedInk, 8, Tr("Destroyed", "Yok Edildi"), 537);
        else if (relation == 0)
            WriteText(437, y, kHeading, 8, Tr("Unknown", "Bilinmiyor"), 537);
        else if (relation >= kFriendly)
            WriteText(437, y, kInk, 8, Tr("Friend", "Dost"), 537);
        else
            WriteText(437, y, kRed, 8, Tr("Enemy", "Düşman"), 537);
        if (TalkShown(h)) {
            const int shift = TalkPressed(h) ? 1 : 0;
            WriteText(532 + shift, y + shift, kHeading, 8, TalkLabel(Civ(h).nation), 737);
        }
        // Where its own column crosses its row: whether it ever broke a peace.
        if (Known(h) && BrokeTreaty(h)) WriteText(PoliticsColumn(g) + 4, y, kRed, 8, "!", 1000);
    }
    WriteText(372, kLegendY, kInk, 8, Tr("at war", "savaşta"), 470);
    WriteText(492, kLegendY, kInk, 8, Tr("at peace", "barışta"), 590);
    WriteText(598, kLegendY, kRed, 8, "!", 1000);
    WriteText(606, kLegendY, kInk, 8, Tr("broke a treaty", "antlaşma bozdu"), 790);
}

// The Talk countdown: when it runs out the statistics close and the rival leader speaks.
// It halts while another page is shown.
void RunTalkCountdown() {
    if (ui.innerFrame || talkAnswer == 0 || ui.closeCountdown == 0) return;
    ui.closeCountdown -= 1;
    if (ui.closeCountdown != 0) return;
    talkAnswer = 0;
    ui.statsMenuOpen = 0;
    TalkWithLeader(ui.dialogPartyB);
}

} // namespace

bool StatsPress(int x, int y) {
    if (Page() == 3 && ui.closeCountdown == 0) {
        int rivals[kMaxCivs];
        const int count = Rivals(rivals);
        for (int g = 0; g < count; ++g) {
            const int h = rivals[g];
            if (!TalkShown(h) || !Within(x, y, 525, 270 + 31 * g, 674, 287 + 31 * g)) continue;
            ui.dialogPartyB = static_cast<uint8_t>(h);
            ui.closeCountdown = kCountdown;
            ui.dialogAnswer = static_cast<uint8_t>(h + 3);
            talkAnswer = h + 3;
            PlaySound("click");
            return true;
        }
    }
    if (y < 460 || y >= 477) return false;
    int page = 0;
    if (x >= 350 && x < 459)
        page = 1;
    else if (x >= 457 && x < 556)
        page = 2;
    else if (x >= 564 && x < 663)
        page = 3;
    if (page == 0) return false;
    ui.statsPage = static_cast<uint8_t>(page);
    PlaySound("click");
    return true;
}

void WriteStatsTexts() {
    if (!ui.statsMenuOpen) {
        // Closed while a Talk was on its way: the talk is called off.
        if (talkAnswer != 0 && ui.closeCountdown > 0 && ui.dialogAnswer == talkAnswer) ui.closeCountdown = 0;
        talkAnswer = 0;
        return;
    }
    const int page = Page();
    const char* labels[3] = {Tr("Population Graph", "Nüfus Çizelgesi"),
                             Tr("Biggest 6 Cities", "En Büyük 6 Şehir"), Tr("Diplomacy", "Diplomasi")};
    for (int k = 0; k < 3; ++k) {
        const int shift = page == k + 1 ? 1 : 0;
        WriteText(kPagePlateX[k] + 10 + shift, 462 + shift, kHeading, 8, labels[k], 1024);
    }
    if (page == 1) WriteLegend();
    if (page == 2) WriteBiggestCities();
    if (page == 3) {
        WriteDiplomacy();
        RunTalkCountdown();
    }
    WriteClose();
}

} // namespace overview

std::string TalkLabel(int nation) {
    const std::string name = nationName(nation);
    if (IsEnglish()) return "Talk with leader of " + name;
    const std::u32string letters = DecodeUtf8(name);
    const bool e = letters.size() >= 2 && letters[letters.size() - 2] == U'e';
    return name + (e ? "in lideriyle konuş" : "ın lideriyle konuş");
}

void DrawStatsMenu() {
    using namespace overview;
    DrawWindow(kStatsTitle, 450, 117);
    DrawSprite(438, 221, kStatsSubtitle, true, Sheet::Backgrounds);
    const int page = Page();
    for (int k = 0; k < 3; ++k) {
        if (page == k + 1)
            DrawSprite(kPagePlateX[k] + 1, kPagePlateY + 1, kPagePressed, true, Sheet::Backgrounds);
        else
            DrawSprite(kPagePlateX[k], kPagePlateY, kPagePlate, true, Sheet::Backgrounds);
    }
    if (page == 1) DrawGraph();
    if (page == 2) DrawBiggestCities();
    if (page == 3) DrawDiplomacy();
}

} // namespace annals
