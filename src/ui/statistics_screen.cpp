// The statistics screen: the civilizations' strength over the turns, the six biggest
// cities of the world, and the diplomacy list from which the player goes to talk with a
// rival leader. One window, fitted to the widest of its three pages.
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
constexpr Rect kPagePlate{0, 460, 104, 481};
constexpr Rect kPagePressed{110, 460, 211, 479};
constexpr int kPlateGap = 4;
constexpr Rect kTalkPlate{220, 460, 373, 481};
constexpr Rect kTalkPressed{380, 460, 530, 479};
constexpr int kCountdown = 8;
constexpr int kFriendly = 20; // a relation from here on is friendly; above it the talk is too

// Graph: columns w = 1..300 right of the box's left edge, bands over 179 pixels.
constexpr int kGraphWidth = 304, kGraphHeight = 179, kGraphColumns = 300;
constexpr int kFlagSize = 30;
// The pages share one area above the page plates.
constexpr int kPageHeight = 258, kPlatesBand = 32;
constexpr int kBiggestRowHeight = 43, kCitizensWidth = 176, kBiggestPictureTop = 14;

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

int LegendY(const GraphPlace& place, int h) {
    static constexpr int kBase[kMaxCivs + 1] = {0, 0, 25, 25, 17, 12, 7, 2, -1};
    const int p = Players();
    return Round(180.0 / p * (h - 1) + kBase[std::clamp<int>(game.civCount, 0, kMaxCivs)] + place.top);
}

int WidestNationName() {
    int widest = 60;
    for (int h = 1; h <= Players(); ++h)
        widest = std::max(widest, Measure(nationName(Civ(h).nation), kTextSize));
    return widest;
}

const char* StatsTitle() {
    return Tr("Statistics", "İstatistikler");
}

// ---------------------------------------------------------------------------
// Page 2: the six biggest cities of the world

struct Biggest {
    const CityData* cities[6];
    int count = 0;
    int spacing = 10;
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
    }
    return list;
}

// The columns of the biggest cities: picture, name, flag, nation, citizens.
struct BiggestPlace {
    int pictureX, nameX, flagX, nationX, citizensX, top;
};

int BiggestNameWidth(const Biggest& list) {
    int widest = 60;
    for (int r = 0; r < list.count; ++r)
        widest = std::max(widest, Measure(CityNameOf(*list.cities[r]), kTextSize));
    return widest;
}

int BiggestWidth(const Biggest& list) {
    return 60 + 8 + BiggestNameWidth(list) + 12 + kFlagSize + 6 + WidestNationName() + 12 + kCitizensWidth;
}

BiggestPlace PlaceBiggest(const Biggest& list) {
    const WindowBox box = StatsWindow();
    BiggestPlace place{};
    place.pictureX = box.ContentLeft() + (box.ContentRight() - box.ContentLeft() - BiggestWidth(list)) / 2;
    place.nameX = place.pictureX + 68;
    place.flagX = place.nameX + BiggestNameWidth(list) + 12;
    place.nationX = place.flagX + kFlagSize + 6;
    place.citizensX = place.nationX + WidestNationName() + 12;
    place.top = box.ContentTop();
    return place;
}

void DrawBiggestCities() {
    const Biggest list = BiggestCities();
    const BiggestPlace place = PlaceBiggest(list);
    for (int r = 0; r < list.count; ++r) {
        const CityData& city = *list.cities[r];
        const int nation = Civ(city.owner).nation;
        const int top = place.top + kBiggestRowHeight * r;
        DrawCityPicture(city, place.pictureX, top, kBiggestPictureTop, kBiggestRowHeight);
        DrawNationFlag(nation, place.flagX, top + (kBiggestRowHeight - kFlagSize) / 2);
        const int style = citizenStyle(nation);
        for (int i = 0; i < std::min<int>(city.size, 40); ++i)
            DrawSprite(place.citizensX + list.spacing * i, top + (kBiggestRowHeight - 29) / 2,
                       {23 * style, 476, 23 * style + 23, 505}, true, Sheet::OthersSprite);
    }
}

void WriteBiggestCities() {
    const Biggest list = BiggestCities();
    const BiggestPlace place = PlaceBiggest(list);
    for (int r = 0; r < list.count; ++r) {
        const CityData& city = *list.cities[r];
        const int y = place.top + kBiggestRowHeight * r + (kBiggestRowHeight - 14) / 2;
        WriteAt(place.nameX, y, PanelInks().text, kTextSize, CityNameOf(city));
        WriteAt(place.nationX, y, PanelInks().text, kTextSize, nationName(Civ(city.owner).nation));
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

const char* RelationWords[4][2] = {
    {"Friend", "Dost"}, {"Enemy", "Düşman"}, {"Unknown", "Bilinmiyor"}, {"Destroyed", "Yok Edildi"}};

int WidestRelationWord() {
    int widest = 0;
    for (const auto& word : RelationWords)
        widest = std::max(widest, Measure(Tr(word[0], word[1]), kTextSize));
    return widest;
}

const char* LegendWords[3][2] = {
    {"at war", "savaşta"}, {"at peace", "barışta"}, {"broke a treaty", "antlaşma bozdu"}};

int LegendWidth() {
    int width = 0;
    for (const auto& word : LegendWords) width += 18 + Measure(Tr(word[0], word[1]), kTextSize) + 16;
    return width;
}

int DiplomacyWidth() {
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    const int rows = kFlagSize + 4 + kSwatchSize + 4 + WidestNationName() + 12 + WidestRelationWord() + 12 +
                     kTalkPlate.Width() + 14 + kPoliticsStep * std::max(count, 1) + 4;
    return std::max(rows, LegendWidth());
}

// The world's politics beside the list: one column per rival in the list's order, headed
// by a square of its colour; in a rival's row a cross for each civilization it is at war
// with and a square for each it is at peace with, as far as the person knows them.
constexpr Pixel kPeaceMark = Rgb(0, 120, 0);

int PoliticsColumn(const DiplomacyPlace& place, int c) {
    return place.politicsX + kPoliticsStep * c;
}

void WarMark(Surface& screen, int x, int y) {
    const Pixel red = PanelInks().loss;
    screen.Line(x - 4, y - 4, x + 4, y + 4, red);
    screen.Line(x - 4, y + 4, x + 4, y - 4, red);
    screen.Line(x - 3, y - 4, x + 5, y + 4, red);
    screen.Line(x - 3, y + 4, x + 5, y - 4, red);
}

void PeaceMark(Surface& screen, int x, int y) {
    screen.FillRect({x - 3, y - 3, x + 4, y + 4}, kPeaceMark);
    screen.FrameRect({x - 3, y - 3, x + 4, y + 4}, Rgb(60, 110, 60));
}

bool Known(int h) {
    return InPlay(h) && RelationTo(h) != 0;
}

int RowTop(const DiplomacyPlace& place, int g) {
    return place.rowsTop + place.rowHeight * g;
}

void DrawPolitics(const DiplomacyPlace& place, const int (&rivals)[kMaxCivs], int count) {
    Surface& screen = ThePlatform().BackBuffer();
    for (int c = 0; c < count; ++c)
        if (Known(rivals[c])) DrawSwatch(rivals[c], PoliticsColumn(place, c) + 1, place.rowsTop - 14);
    for (int g = 0; g < count; ++g)
        for (int c = 0; c < count; ++c) {
            const Standing standing = WorldStanding(game.currentCiv, rivals[g], rivals[c]);
            const int x = PoliticsColumn(place, c) + 6, y = RowTop(place, g) + 16;
            if (standing == Standing::War) WarMark(screen, x, y);
            if (standing == Standing::Peace) PeaceMark(screen, x, y);
        }
}

// The legend's marks and words, one after another from the list's left.
template <typename Mark, typename Word> void ForLegend(const DiplomacyPlace& place, Mark mark, Word word) {
    int x = place.flagX;
    for (int k = 0; k < 3; ++k) {
        mark(k, x + 6, place.legendY + 7);
        const std::string text = Tr(LegendWords[k][0], LegendWords[k][1]);
        word(k, x + 18, text);
        x += 18 + Measure(text, kTextSize) + 16;
    }
}

void DrawDiplomacy() {
    const DiplomacyPlace place = DiplomacyLayout();
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    DrawPolitics(place, rivals, count);
    Surface& screen = ThePlatform().BackBuffer();
    const Pixel rule = PanelInks().rule;
    const int lineLeft = place.flagX + kFlagSize + 2;
    screen.Line(lineLeft, place.rowsTop, place.right, place.rowsTop, rule);
    for (int g = 1; g <= count; ++g)
        screen.Line(lineLeft, RowTop(place, g), place.right, RowTop(place, g), rule);
    for (const int x : {place.relationX - 6, place.talkX - 6, place.politicsX - 4, place.right})
        screen.Line(x, place.rowsTop, x, RowTop(place, count), rule);
    for (int g = 0; g < count; ++g) {
        const int h = rivals[g];
        const int top = RowTop(place, g);
        DrawNationFlag(Civ(h).nation, place.flagX, top + 1);
        DrawSwatch(h, place.nameX - kSwatchSize - 4, top + 11);
        if (!TalkShown(h)) continue;
        if (TalkPressed(h))
            DrawSprite(place.talkX + 1, top + 6, kTalkPressed, true, Sheet::Backgrounds);
        else
            DrawSprite(place.talkX, top + 5, kTalkPlate, true, Sheet::Backgrounds);
    }
    ForLegend(
        place,
        [&](int k, int x, int y) {
            if (k == 0) WarMark(screen, x, y);
            if (k == 1) PeaceMark(screen, x, y);
        },
        [](int, int, const std::string&) {});
}

void WriteDiplomacy() {
    const DiplomacyPlace place = DiplomacyLayout();
    const Inks& inks = PanelInks();
    const Inks& plate = InksOn(kTalkPlate, Sheet::Backgrounds);
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    for (int g = 0; g < count; ++g) {
        const int h = rivals[g];
        const int y = RowTop(place, g) + 8;
        // The name in ink beside its colour: a red or yellow name on the panel reads badly.
        WriteAt(place.nameX, y, inks.text, kTextSize, nationName(Civ(h).nation));
        const double relation = RelationTo(h);
        if (!InPlay(h))
            WriteAt(place.relationX, y, inks.faint, kTextSize, Tr(RelationWords[3][0], RelationWords[3][1]));
        else if (relation == 0)
            WriteAt(place.relationX, y, inks.text, kTextSize, Tr(RelationWords[2][0], RelationWords[2][1]));
        else if (relation >= kFriendly)
            WriteAt(place.relationX, y, inks.friendly, kTextSize,
                    Tr(RelationWords[0][0], RelationWords[0][1]));
        else
            WriteAt(place.relationX, y, inks.loss, kTextSize, Tr(RelationWords[1][0], RelationWords[1][1]));
        if (TalkShown(h)) {
            const int shift = TalkPressed(h) ? 1 : 0;
            WriteText(place.talkX + 7 + shift, RowTop(place, g) + 8 + shift, plate.text, kSmallSize,
                      TalkLabel(Civ(h).nation), place.talkX + kTalkPlate.Width() + 60);
        }
        // Where its own column crosses its row: whether it ever broke a peace.
        if (Known(h) && BrokeTreaty(h)) WriteAt(PoliticsColumn(place, g) + 4, y, inks.loss, kTextSize, "!");
    }
    ForLegend(
        place,
        [&](int k, int x, int y) {
            if (k == 2) WriteCentredAt(x, y - 7, inks.loss, kTextSize, "!");
        },
        [&](int, int x, const std::string& text) { WriteAt(x, place.legendY, inks.faint, kTextSize, text); });
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

int GraphPageWidth() {
    return kSwatchSize + 4 + kFlagSize + 4 + WidestNationName() + 12 + kGraphWidth;
}

} // namespace

WindowBox StatsWindow() {
    const int width = std::max({GraphPageWidth(), BiggestWidth(BiggestCities()), DiplomacyWidth(),
                                3 * kPagePlate.Width() + 2 * kPlateGap});
    return FitWindow(width, kPageHeight + kPlatesBand, kStatsTitle.Width(), StatsTitle());
}

Rect PagePlate(int k) {
    const WindowBox box = StatsWindow();
    const int left =
        512 - (3 * kPagePlate.Width() + 2 * kPlateGap) / 2 + (kPagePlate.Width() + kPlateGap) * k;
    const int top = box.ContentTop() + kPageHeight + 6;
    return {left, top, left + kPagePlate.Width(), top + kPagePlate.Height()};
}

GraphPlace StatsGraphPlace() {
    const WindowBox box = StatsWindow();
    GraphPlace place;
    place.legendX =
        box.ContentLeft() + (box.ContentRight() - box.ContentLeft() - GraphPageWidth()) / 2 + kSwatchSize + 4;
    place.graphX = place.legendX + kFlagSize + 4 + WidestNationName() + 12;
    place.top = box.ContentTop() + (kPageHeight - kGraphHeight) / 2 - 4;
    place.textSize = kTextSize;
    return place;
}

DiplomacyPlace DiplomacyLayout() {
    const WindowBox box = StatsWindow();
    DiplomacyPlace place;
    place.flagX = box.ContentLeft() + (box.ContentRight() - box.ContentLeft() - DiplomacyWidth()) / 2;
    place.rowsTop = box.ContentTop() + 20;
    place.nameX = place.flagX + kFlagSize + 4 + kSwatchSize + 4;
    place.relationX = place.nameX + WidestNationName() + 12;
    place.talkX = place.relationX + WidestRelationWord() + 12;
    place.politicsX = place.talkX + kTalkPlate.Width() + 14;
    int rivals[kMaxCivs];
    const int count = Rivals(rivals);
    place.right = place.politicsX + kPoliticsStep * std::max(count, 1);
    place.legendY = place.rowsTop + place.rowHeight * count + 14;
    return place;
}

// ---------------------------------------------------------------------------
// Page 1: the strength graph (the end screen shows it too)

void DrawGraph(const GraphPlace& place) {
    const int p = Players();
    if (p < 1) return;
    Surface& screen = ThePlatform().BackBuffer();
    for (int h = 1; h <= p; ++h) {
        const int y = LegendY(place, h);
        DrawNationFlag(Civ(h).nation, place.legendX, y - 2);
        DrawSwatch(h, place.legendX - kSwatchSize - 4, y + 2);
    }
    const int left = place.graphX, top = place.top;
    screen.FrameRect({left, top, left + kGraphWidth, top + kGraphHeight + 4}, kBlack);
    screen.FrameRect({left + 1, top + 1, left + kGraphWidth - 1, top + kGraphHeight + 3}, kBlack);

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
        const int x = left + w;
        double y = top + 1;
        for (int h = 1; h <= p; ++h) {
            const double next = y + (Strength(h, a) + Strength(h, b) + 2.0) / sum * kGraphHeight;
            Pixel colour = CivGraphColour(Civ(h).colour);
            if (a >= 1 && a <= kPowerHistory && marked[h][a]) {
                colour = kBlack;
                marked[h][a] = false;
            }
            const int from = Round(y), to = Round(next);
            screen.FillRect({x, std::min(from, to), x + 1, std::max(from, to) + 1}, colour);
            if (h > 1) {
                screen.SetPixel(x, Round(y), kBlack);
                screen.SetPixel(x, Round(y) - 1, kBlack);
            }
            y = next;
        }
    }
}

void WriteLegend(const GraphPlace& place) {
    const int p = Players();
    const int entry = LatestEntry();
    const Inks& inks = PanelInks();
    const int nameX = place.legendX + kFlagSize + 4;
    for (int h = 1; h <= p; ++h) {
        const int y = LegendY(place, h);
        // Ink beside the civilization's colour: the graph's bands match the swatches.
        WriteText(nameX, y, inks.text, place.textSize, nationName(Civ(h).nation), place.graphX + 60);
        WriteText(nameX, y + place.textSize + 3, inks.faint, kSmallSize,
                  "(pop: " + std::to_string(Strength(h, entry)) + ")", 1024);
    }
}

bool StatsPress(int x, int y) {
    if (Page() == 3 && ui.closeCountdown == 0) {
        const DiplomacyPlace place = DiplomacyLayout();
        int rivals[kMaxCivs];
        const int count = Rivals(rivals);
        for (int g = 0; g < count; ++g) {
            const int h = rivals[g];
            const int top = RowTop(place, g) + 5;
            if (!TalkShown(h) || !Within(x, y, place.talkX, top, place.talkX + kTalkPlate.Width() - 1,
                                         top + kTalkPlate.Height() - 1))
                continue;
            ui.dialogPartyB = static_cast<uint8_t>(h);
            ui.closeCountdown = kCountdown;
            ui.dialogAnswer = static_cast<uint8_t>(h + 3);
            talkAnswer = h + 3;
            PlaySound("click");
            return true;
        }
    }
    for (int k = 0; k < 3; ++k) {
        const Rect plate = PagePlate(k);
        if (x < plate.left || x >= plate.right || y < plate.top || y >= plate.bottom) continue;
        ui.statsPage = static_cast<uint8_t>(k + 1);
        PlaySound("click");
        return true;
    }
    return false;
}

void WriteStatsTexts() {
    if (!ui.statsMenuOpen) {
        // Closed while a Talk was on its way: the talk is called off.
        if (talkAnswer != 0 && ui.closeCountdown > 0 && ui.dialogAnswer == talkAnswer) ui.closeCountdown = 0;
        talkAnswer = 0;
        return;
    }
    const WindowBox box = StatsWindow();
    WriteTitle(box, StatsTitle());
    const int page = Page();
    const char* labels[3] = {Tr("Population Graph", "Nüfus Çizelgesi"),
                             Tr("Biggest 6 Cities", "En Büyük 6 Şehir"), Tr("Diplomacy", "Diplomasi")};
    const Inks& plate = InksOn(kPagePlate, Sheet::Backgrounds);
    for (int k = 0; k < 3; ++k) {
        const int shift = page == k + 1 ? 1 : 0;
        const Rect at = PagePlate(k);
        WriteCentredAt((at.left + at.right) / 2 + shift, at.top + 4 + shift,
                       page == k + 1 ? plate.text : plate.faint, kSmallSize, labels[k]);
    }
    if (page == 1) WriteLegend(StatsGraphPlace());
    if (page == 2) WriteBiggestCities();
    if (page == 3) {
        WriteDiplomacy();
        RunTalkCountdown();
    }
    WriteHint(box);
    WriteClose(box);
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
    const WindowBox box = StatsWindow();
    DrawWindow(box, kStatsTitle);
    const int page = Page();
    for (int k = 0; k < 3; ++k) {
        const Rect at = PagePlate(k);
        if (page == k + 1)
            DrawSprite(at.left + 1, at.top + 1, kPagePressed, true, Sheet::Backgrounds);
        else
            DrawSprite(at.left, at.top, kPagePlate, true, Sheet::Backgrounds);
    }
    if (page == 1) DrawGraph(StatsGraphPlace());
    if (page == 2) DrawBiggestCities();
    if (page == 3) DrawDiplomacy();
}

} // namespace annals
