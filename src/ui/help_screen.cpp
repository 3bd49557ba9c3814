// The help screen: a chapter of questions and answers and an encyclopedia of the
// nations, units, sciences, buildings, wonders, products, terrains and settlers' work.
// Its pictures are drawn with the other screens; its texts and highlight bars with the
// information panel's texts, from the frame after the first picture frame.
#include "ui/help_screen.h"

#include "economy/city.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/help.h"
#include "ui/help_texts.h"
#include "ui/input.h"
#include "ui/map_view.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace annals {

namespace {

// The page is parchment: the chosen chapter and topic stand on a gold band, the column
// headings on brown bars, and every colour is deep enough to read on the light ground.
constexpr Pixel kChosenBand = Rgb(226, 200, 140);
constexpr Pixel kBrown = Rgb(128, 64, 0);
constexpr Pixel kDarkOrange = Rgb(159, 80, 0);
constexpr Pixel kOlive = Rgb(96, 96, 0);
constexpr Pixel kGoldInk = Rgb(150, 98, 0);
constexpr Pixel kRed = Rgb(190, 0, 0);
constexpr Pixel kGreen = Rgb(0, 120, 0);
constexpr Pixel kOrange = Rgb(200, 90, 0);
constexpr Pixel kBlue = Rgb(0, 80, 170);
constexpr Pixel kMagenta2 = Rgb(160, 0, 140);

constexpr int kLine = 13; // size-8 lines are 13 pixels apart
// The page's paragraphs wrap a little short of the frame: the face draws some letters
// wider than the width table counts them.
constexpr int kTextRight = 825, kItemRight = 822;

enum HelpChapter {
    kFaq,
    kNationsChapter,
    kUnitsChapter,
    kSciencesChapter,
    kBuildingsChapter,
    kWondersChapter,
    kProductsChapter,
    kTerrainsChapter,
    kActivitiesChapter
};
constexpr int kTopicCount[kHelpChapters] = {21, 10, 34, 50, 34, 8, 13, 7, 7};

// Topic -> unit type, building and product numbers.
constexpr int kUnitOfTopic[35] = {0,  1,  2,  3,  33, 4,  5,  35, 6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                  34, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 27, 30, 31, 32};
constexpr int kBuildingOfTopic[35] = {0,  1, 33, 2,  18, 35, 24, 25, 38, 22, 23, 26, 27, 28, 3,  34, 19, 20,
                                      36, 4, 8,  12, 5,  9,  13, 6,  10, 14, 7,  11, 15, 16, 37, 31, 32};
constexpr int kProductOfTopic[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 9};

// The nations' special units (a second one for the Vikings).
constexpr int kSpecialUnit[11] = {0, 5, 3, 7, 18, 11, 33, 21, 9, 12, 35};

// Units: the science each needs, as the encyclopedia tells it, and the nation that
// builds it (0 = all).
constexpr int kUnitScience[36] = {0,  0,  0,  0,  2,  2,  5,  5,  8,  8,  28, 28, 28, 28, 37, 45, 12, 12,
                                  12, 31, 20, 20, 37, 16, 33, 45, 23, 30, 23, 30, 40, 46, 50, 5,  16, 2};
constexpr int kUnitNation[36] = {0, 0, 0, 2, 0, 1, 0, 3, 0, 8, 0,  5, 9, 2, 0, 0, 0, 0,
                                 4, 0, 0, 7, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 6, 0, 10};

// Buildings: the science and the building each needs.
constexpr int kBuildingScience[39] = {0,  0,  1,  1,  0, 0,  0,  0,  15, 15, 15, 15, 39,
                                      39, 39, 39, 10, 0, 5,  8,  24, 0,  13, 22, 1,  15,
                                      9,  29, 29, 0,  0, 40, 48, 10, 31, 11, 17, 41, 18};
constexpr int kBuildingNeeds[39] = {0,  0, 0, 0,  0, 0,  0, 0, 4,  5, 6, 7, 8,  9, 10, 11, 0, 0, 0, 18,
                                    19, 0, 0, 22, 0, 24, 0, 0, 26, 0, 0, 0, 31, 0, 3,  0,  0, 0, 0};
constexpr int kWonderScience[8] = {1, 6, 5, 15, 2, 26, 24, 36};

// The effect figures of a building page: happiness, military, science, culture, each
// without workers, with one and with two.
struct Effects {
    int building;
    const char* figure[4][3];
};
const Effects kEffects[] = {
    {33,
     {{"+0.50", "+1.00", "+1.25"}, {"", "", ""}, {"+0.20", "+0.40", "+0.50"}, {"+0.20", "+0.40", "+0.50"}}},
    {18, {{"", "", ""}, {"+0.50", "+1.25", "+1.75"}, {"", "", ""}, {"", "", ""}}},
    {24, {{"+(p-6)*0.2", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
    {25, {{"+(p-12)*0.2", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
    {38, {{"+0.50", "", ""}, {"", "", ""}, {"", "", ""}, {"+1.00", "", ""}}},
    {26, {{"", "", ""}, {"", "", ""}, {"+0.50", "+1.50", "+2.25"}, {"+0.50", "+1.50", "+2.25"}}},
    {27, {{"", "", ""}, {"", "", ""}, {"+1.00", "", ""}, {"+1.00", "", ""}}},
    {28, {{"", "", ""}, {"", "", ""}, {"+0.75", "+2.75", "+4.25"}, {"+0.75", "+2.75", "+4.25"}}},
    {19, {{"", "", ""}, {"+1.00", "", ""}, {"", "", ""}, {"", "", ""}}},
    {20, {{"", "", ""}, {"+1.50", "", ""}, {"", "", ""}, {"", "", ""}}},
    {36, {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"+0.50", "", ""}}},
    {37, {{"+0.25", "+(p-18)*0.2", "+(p-18)*0.2"}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
    {31, {{"+(p-24)*0.2", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
    {32, {{"+(p-30)*0.2", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
};

// The sciences' lists: what each needs, leads to, and opens (units, buildings and
// wonders, settlers' work: 1 cutting forests, 2 cornfields, 3 examining hills, 4 roads).
struct ScienceLists {
    std::vector<int> needs, leadsTo, units, buildings, activities;
};
const ScienceLists kScienceLists[51] = {
    {},
    {{}, {7, 9}, {}, {2, 24, 3, 39}, {}},
    {{}, {8, 11}, {4, 5, 35}, {43}, {}},
    {{}, {9, 11, 10}, {}, {}, {}},
    {{}, {10}, {}, {33}, {}},
    {{}, {12, 27}, {6, 33, 7}, {18, 41}, {}},
    {{}, {17, 13}, {}, {40}, {1, 2}},
    {{1}, {8}, {}, {}, {3}},
    {{2, 7}, {15}, {8, 9}, {19}, {}},
    {{1, 3}, {18}, {}, {26}, {}},
    {{3, 4}, {18, 27}, {}, {16}, {}},
    {{3}, {25}, {}, {35}, {}},
    {{5}, {13}, {16, 17, 18}, {}, {}},
    {{6, 12}, {16, 22}, {}, {22}, {}},
    {{9}, {23}, {}, {45}, {}},
    {{9, 8}, {31, 24}, {}, {8, 9, 10, 11, 25, 42}, {}},
    {{13}, {33}, {23, 34}, {}, {4}},
    {{6}, {}, {}, {36}, {}},
    {{9, 10}, {26, 19}, {}, {38}, {}},
    {{18, 27}, {34}, {}, {}, {}},
    {{31}, {}, {20, 21}, {}, {}},
    {{29, 22}, {44}, {}, {}, {}},
    {{13}, {21}, {}, {23}, {}},
    {{14}, {30}, {26, 28}, {}, {}},
    {{15, 25}, {28}, {}, {20}, {}},
    {{11}, {24, 29}, {}, {29}, {}},
    {{18}, {29}, {}, {44}, {}},
    {{5, 10}, {31, 19}, {}, {}, {}},
    {{24}, {32, 35}, {10, 13, 11, 12}, {}, {}},
    {{25, 26}, {34, 21}, {}, {27, 28}, {}},
    {{23}, {33}, {29, 27}, {}, {}},
    {{27, 15}, {20, 24}, {19}, {34}, {}},
    {{28}, {36, 41}, {}, {}, {}},
    {{16, 30}, {37}, {24}, {}, {}},
    {{19, 29}, {}, {}, {}, {}},
    {{28}, {37}, {22}, {}, {}},
    {{32}, {38, 47}, {}, {46}, {}},
    {{33, 35}, {}, {14}, {}, {}},
    {{33, 36}, {39}, {30}, {}, {}},
    {{40, 38}, {42}, {}, {12, 13, 14, 15}, {}},
    {{30}, {48}, {}, {31}, {}},
    {{32}, {43}, {}, {37}, {}},
    {{39}, {45}, {}, {}, {}},
    {{41}, {44}, {}, {}, {}},
    {{21, 43}, {49}, {}, {}, {}},
    {{42}, {46}, {15, 25}, {}, {}},
    {{45}, {50}, {31}, {}, {}},
    {{36}, {45}, {}, {}, {}},
    {{40}, {}, {}, {32}, {}},
    {{44}, {}, {}, {}, {}},
    {{46}, {}, {32}, {}, {}},
};

// A question's related items: kind (1 unit, 2 building, 3 wonder, 4 cornfield, 5 the
// shops), number, the line's x and its y in English (the earliest it may stand).
struct Related {
    int kind, number, x, y;
};
struct Question {
    std::vector<Related> lines;
    int captionX = 0, captionY = 0, captionRight = kTextRight; // 0: no caption
};
const Question kQuestions[kFaqTopics + 1] = {
    {},
    {{{1, 1, 580, 487}}},
    {{{2, 18, 580, 397}, {2, 19, 580, 431}, {2, 20, 580, 465}}},
    {{{2, 1, 580, 423}, {3, 40, 580, 457}}, 664, 500},
    {{}, 660, 373},
    {{}, 614, 334},
    {{}, 700, 493, kTextRight + 2},
    {{}, 660, 310, kTextRight + 2},
    {},
    {{{4, 1, 590, 406}, {2, 22, 580, 452}, {2, 23, 580, 486}, {2, 36, 595, 520}}},
    {{{2, 33, 580, 406}, {2, 24, 580, 440}, {2, 25, 580, 474}, {2, 38, 580, 508}, {2, 37, 580, 542}}},
    {},
    {{}, 728, 310, kTextRight + 2},
    {},
    {},
    {{{1, 9, 580, 380}, {2, 29, 580, 414}, {2, 38, 580, 448}, {2, 36, 590, 482}}},
    {{{1, 23, 580, 432}, {1, 24, 580, 466}, {1, 25, 580, 500}, {1, 27, 580, 534}, {1, 30, 580, 568}}},
    {{{2, 3, 580, 457}, {2, 34, 580, 491}}},
    {{{2, 4, 580, 406}, {2, 5, 580, 442}, {2, 6, 580, 476}, {2, 7, 580, 510}, {5, 30, 580, 544}}},
    {},
    {{{1, 34, 580, 406}}},
    {{}, 663, 407},
};

// The names of the topic lists and the encyclopedia's pages, in the player's language.
// Two read longer than in the rule tables, which abbreviate them for narrow panels.
std::string HelpUnitName(int type) {
    if (type == kHorseArcher && IsEnglish()) return "Horse Archer";
    return unitTypeName(type);
}
std::string HelpBuildingName(int b) {
    if (b == 45) return Tr("Copernicus' Observatory", "Kopernik Gözlemevi");
    return buildingName(b);
}
std::string HelpScienceName(int s) {
    return scienceName(s);
}
std::string HelpProductName(int p) {
    return productName(p);
}
std::string HelpNationName(int n) {
    return nationName(n);
}
std::string HelpTerrainName(int t) {
    return terrainName(t);
}

std::string Label(const std::string& key) {
    return HelpText("label." + key);
}

int Chapter(int page) {
    return page / 100;
}
int Topic(int page) {
    return page % 100;
}

bool PointerOnClose() {
    return ui.mouseX >= 804 && ui.mouseX <= 852 && ui.mouseY >= 130 && ui.mouseY <= 148;
}

// The name shown before a related item's description.
std::string RelatedName(const Related& r) {
    switch (r.kind) {
    case 1:
        return HelpUnitName(r.number) + " : ";
    case 2:
    case 3:
        return HelpBuildingName(r.number) + " : ";
    case 4:
        return Label("cornfield") + " : ";
    default:
        return Label("shops") + " : ";
    }
}

std::string RelatedDescription(const Related& r) {
    if (r.kind == 5) return ItemDescription(2, 30);
    return ItemDescription(r.kind, r.number);
}

// Where a question's related lines and caption stand: never above the end of the text
// before them, so that a longer answer in either language pushes them down.
struct FaqLayout {
    std::vector<int> lineY;
    int captionY = 0;
};

FaqLayout LayOutFaq(int q, int answerLines) {
    FaqLayout layout;
    const Question& question = kQuestions[q];
    int next = 212 + kLine * answerLines + 8;
    for (const Related& r : question.lines) {
        const int y = std::max(r.y, next);
        layout.lineY.push_back(y);
        const int width = kItemRight - r.x;
        const int lines = std::max(
            1, static_cast<int>(WrappedLines(RelatedName(r) + RelatedDescription(r), 8, width).size()));
        next = y + kLine * lines + 8;
    }
    if (question.captionX != 0) layout.captionY = std::max(question.captionY, next);
    return layout;
}

// The number of lines a text takes when written from x to right, as the writer wraps it.
int LinesOf(const std::string& text, int x, int right) {
    return static_cast<int>(WrappedLines(text, 8, right - x).size());
}

// --- pictures -------------------------------------------------------------------

void DrawBuildingPicture(int x, int y, int building) {
    const int id = buildingPicture(building);
    if (id <= 0) return;
    const int left = (id - 1) % 10 * 48, top = (id - 1) / 10 * 48;
    DrawSprite(x, y, {left, top, left + 48, top + 48}, true, Sheet::BuildingSprite);
}

// The middle 36 x 36 of a building's picture, for the lines of the answers.
void DrawBuildingIcon(int x, int y, int building) {
    const int id = buildingPicture(building);
    if (id <= 0) return;
    const int left = (id - 1) % 10 * 48 + 6, top = (id - 1) / 10 * 48 + 6;
    DrawSprite(x, y, {left, top, left + 36, top + 36}, true, Sheet::BuildingSprite);
}

void DrawUnitPicture(int x, int y, int type) {
    if (type < 1 || type > kUnitTypes) return;
    DrawSprite(x, y, {50 * (type - 1), 0, 50 * (type - 1) + 49, 48}, true, Sheet::UnitOutlinesSprite);
}

void DrawUnitBust(int x, int y, int type) {
    if (type < 1 || type > kUnitTypes) return;
    const int left = 50 * (type - 1) + 6;
    DrawSprite(x, y, {left, 4, left + 36, 44}, true, Sheet::UnitOutlinesSprite);
}

void DrawProductIcon(int x, int y, int product) {
    if (product < 1 || product > 14) return;
    DrawSprite(x, y, {30 * (product - 1), 104, 30 * (product - 1) + 28, 132}, true, Sheet::ProductSprite);
}

void DrawSmallIcons(int x, int y, int product, int count) {
    const Rect icon{10 * (product - 1), 464, 10 * (product - 1) + 9, 473};
    for (int k = 0; k < count && k < 20; ++k) DrawSprite(x + 10 * k, y, icon, true, Sheet::OthersSprite);
}

void DrawTerrainPicture(int x, int y, int terrain) {
    DrawSprite(x, y, {0, 51 * (terrain - 1), 50, 51 * (terrain - 1) + 50}, false, Sheet::TerrainSprite);
}

// What a plain, forested or river square of a terrain yields, with no city's help.
int SquareYield(int terrain, bool forest, bool river, int product, int special = 0) {
    MapCell cell{};
    cell.terrain = static_cast<uint8_t>(terrain);
    cell.forest = forest ? 1 : 0;
    cell.river = river ? 1 : 0;
    cell.special = static_cast<uint8_t>(special);
    const CityData plain{};
    return CellYield(cell, product, plain);
}

constexpr int kTerrainRowProducts[6] = {1, 2, 3, 4, 5, 7};

// The blocks of a terrain page: a label (empty for the plain square), its first row,
// and the square it describes.
struct TerrainBlock {
    const char* label; // label key, "" for the plain square, "sea" for the sea's gold
    int labelY, rowsY;
    bool forest, river;
};

std::vector<TerrainBlock> TerrainBlocks(int terrain) {
    if (terrain == kSea) return {{"", 0, 219, false, false}, {"sea", 0, 316, false, false}};
    if (terrain == kDesert) return {{"", 0, 219, false, false}, {"river", 301, 316, false, true}};
    return {{"", 0, 219, false, false},
            {"forest", 301, 316, true, false},
            {"river", 398, 413, false, true},
            {"forestriver", 495, 510, true, true}};
}

// The rows of a block: product and yield.
std::vector<std::pair<int, int>> BlockRows(int terrain, const TerrainBlock& block) {
    std::vector<std::pair<int, int>> rows;
    if (std::string(block.label) == "sea") {
        for (int p : {1, 8}) rows.push_back({p, SquareYield(terrain, false, false, p, p == 8 ? 14 : 0)});
        return rows;
    }
    for (int p : kTerrainRowProducts) rows.push_back({p, SquareYield(terrain, block.forest, block.river, p)});
    return rows;
}

void DrawFaqPictures(int q) {
    const std::string answer = HelpText("faq." + std::to_string(q) + ".a");
    const FaqLayout layout = LayOutFaq(q, LinesOf(answer, 550, kTextRight));
    const Question& question = kQuestions[q];
    for (size_t k = 0; k < question.lines.size(); ++k) {
        const Related& r = question.lines[k];
        const int y = layout.lineY[k] - 4;
        if (r.kind == 1)
            DrawUnitBust(545, y - 6, r.number);
        else if (r.kind == 2 || r.kind == 3)
            DrawBuildingIcon(542, y - 6, r.number);
        else if (r.kind == 4)
            DrawProductIcon(553, y, 1);
        else
            DrawProductIcon(553, y, 11);
    }
    if (question.captionX == 0) return;
    const int y = layout.captionY;
    switch (q) {
    case 3: // the population circles of the city chart
        for (int k = 0; k < 4; ++k) DrawProductIcon(556 + 24 * (k % 2), y + 24 * (k / 2), 1);
        break;
    case 4:
        DrawUnitPicture(560, y, kMusketman);
        break;
    case 5:
        DrawBuildingPicture(556, y, 33);
        break;
    case 6:
        for (int k = 0; k < 3; ++k) DrawProductIcon(556 + 30 * k % 120, y + 30 * (k / 2), 3 + k);
        break;
    case 7:
        for (int k = 0; k < 4; ++k) DrawProductIcon(556 + 30 * (k % 2), y + 30 * (k / 2), 11 + k);
        break;
    case 12:
        DrawUnitPicture(600, y, kPikeman);
        break;
    case 21:
        DrawBuildingPicture(560, y, 35);
        break;
    default:
        break;
    }
}

void DrawBuildingPage(int b, bool wonder) {
    DrawSprite(548, 216, {9, 220, 217, 380}, true, Sheet::HelpSprite);
    DrawBuildingPicture(552, 222, b);
    const bool workshop = b >= 4 && b <= 15;
    if (!workshop && !wonder) {
        DrawSprite(568, 389, {199, 413, 460, 501}, true, Sheet::HelpSprite);
        const Rect cover{286, 502, 460, 526};
        if (maxWorkers(b) < 2) DrawSprite(655, 453, cover, true, Sheet::HelpSprite);
        if (maxWorkers(b) == 0) DrawSprite(655, 430, cover, true, Sheet::HelpSprite);
    } else if (workshop) {
        const int line = (b - 4) % 4;
        constexpr int kRaw[4] = {2, 3, 4, 5};
        DrawProductIcon(640, 462, kRaw[line]);
        DrawProductIcon(720, 462, 11 + line);
    }
}

void DrawProductPage(int p) {
    DrawProductIcon(566, 220, p);
    if (p >= 11) return;
    // A picture of each kind of square under its label: forest, river and hill, then
    // cornfield and road on grassland; the productivity shows the product itself.
    const int centre[3] = {637, 697, 757};
    for (int k = 0; k < 5; ++k) {
        MapCell cell{};
        cell.terrain = kGrassland;
        cell.tileVariant = 1;
        cell.forest = k == 0;
        cell.river = k == 1 ? 101 : 0;
        cell.hill = k == 2;
        cell.cornfield = k == 3;
        cell.road = k == 4;
        DrawSampleCell(centre[k % 3] - 25, k < 3 ? 400 : 488, cell);
    }
    DrawProductIcon(centre[2] - 14, 499, p);
    const bool lines = p == 1 || p == 2 || p == 3 || p == 4 || p == 7;
    if (!lines) return;
    for (int t = 1; t <= kTerrains; ++t)
        DrawSmallIcons(604, 283 + kLine * (t - 1), p, SquareYield(t, false, false, p));
}

void DrawTerrainPage(int terrain) {
    for (const TerrainBlock& block : TerrainBlocks(terrain)) {
        const int top = block.rowsY;
        DrawTerrainPicture(552, top + 8, terrain);
        if (block.forest) DrawProductIcon(563, top + 19, 6);
        int row = 0;
        for (const auto& [product, amount] : BlockRows(terrain, block))
            DrawSmallIcons(662, top + 2 + kLine * row++, product, amount);
    }
}

void DrawActivityPage(int a) {
    switch (a) {
    case 1: // a settler on grassland, and the city he makes of it
        DrawTerrainPicture(600, 320, 3);
        DrawUnitPicture(600, 321, kSettler);
        DrawTerrainPicture(700, 320, 3);
        DrawSprite(695, 315, {60, 0, 120, 60}, true, Sheet::CitySprite);
        break;
    case 2:
        DrawTerrainPicture(560, 500, 5);
        break;
    case 3:
        DrawTerrainPicture(560, 500, 3);
        DrawProductIcon(571, 511, 6);
        break;
    case 4:
        DrawTerrainPicture(560, 500, 3);
        DrawProductIcon(571, 511, 1);
        break;
    case 5:
        DrawTerrainPicture(560, 500, 5);
        DrawProductIcon(571, 511, 7);
        break;
    case 6:
        DrawUnitPicture(560, 500, kPikeman);
        break;
    default:
        DrawUnitPicture(560, 500, kCaravel);
        break;
    }
}

// --- texts ----------------------------------------------------------------------

void WriteFaqBody(int q);

void WriteNationPage(int n) {
    const int lines = WriteText(580, 212, kInk, 8, HelpText("nation." + std::to_string(n)), kTextRight);
    const int type = kSpecialUnit[n];
    const int y = std::max(n == 8 ? 301 : 288, 212 + kLine * lines + 6);
    WriteText(580, y, kInk, 8, HelpUnitName(type) + " : " + ItemDescription(1, type), kItemRight);
    if (n == 10) WriteText(580, 322, kInk, 8, HelpUnitName(kVikingship) + " : ", kItemRight);
}

// The labels of the unit and building panels, in the player's language.
const Pixel kLabel = kFadedInk;

void WriteUnitPage(int t) {
    const char* const rows[] = {Tr("Attack", "Saldırı"),   Tr("Bombard", "Kuşatma"), Tr("Defence", "Savunma"),
                                Tr("Lives", "Can"),        Tr("Moves", "Hareket"),   Tr("Cost", "Maliyet"),
                                Tr("Capacity", "Kapasite")};
    for (int k = 0; k < 7; ++k) WriteText(607, 219 + 13 * k, kLabel, 8, rows[k], 666);
    const char* const rows2[] = {Tr("Requires", "Gerekir"), Tr("Nation", "Millet"), Tr("Area", "Alan")};
    for (int k = 0; k < 3; ++k) WriteText(607, 317 + 13 * k, kLabel, 8, rows2[k], 666);
    const bool shoots = IsBombard(t) || IsShip(t) || IsAir(t);
    const std::string attack = std::to_string(UnitTypeAttack(t));
    WriteText(668, 219, kInk, 8, shoots ? "0" : attack, 840);
    WriteText(668, 232, kInk, 8, shoots ? attack : "0", 840);
    WriteText(668, 245, kInk, 8, std::to_string(UnitTypeDefence(t)), 840);
    WriteText(668, 258, kInk, 8, std::to_string(UnitTypeLivesShown(t)), 840);
    WriteText(668, 271, kInk, 8, std::to_string(UnitTypeMoves(t)), 840);
    WriteText(668, 284, kInk, 8, std::to_string(buildCost(t)), 840);
    WriteText(668, 297, kInk, 8, std::to_string(UnitTypeCapacity(t)), 840);
    const int science = kUnitScience[t];
    WriteText(668, 317, kBlue, 8, science ? HelpScienceName(science) : Label("none"), 840);
    const int nation = kUnitNation[t];
    WriteText(668, 330, kInk, 8, nation ? HelpNationName(nation) : Label("all"), 840);
    WriteText(668, 343, kInk, 8, Label(IsAir(t) ? "sealand" : IsShip(t) ? "sea" : "land"), 840);
    WriteText(550, 370, kInk, 8, ItemDescription(1, t), kTextRight);
}

void WriteList(int x, int y, const std::vector<std::string>& items) {
    if (items.empty()) {
        WriteText(x, y, kInk, 8, Label("nothing"), 1000);
        return;
    }
    for (const std::string& item : items) {
        WriteText(x, y, kInk, 8, item, 1000);
        y += kLine;
    }
}

void WriteSciencePage(int s) {
    const ScienceLists& lists = kScienceLists[s];
    std::vector<std::string> needs, leads, units, buildings, activities;
    for (int n : lists.needs) needs.push_back(HelpScienceName(n));
    for (int n : lists.leadsTo) leads.push_back(HelpScienceName(n));
    for (int n : lists.units) units.push_back(HelpUnitName(n));
    for (int n : lists.buildings)
        buildings.push_back(n == 45 ? Label("copobservatory") : HelpBuildingName(n));
    for (int n : lists.activities) activities.push_back(Label("work." + std::to_string(n)));
    WriteText(551, 220, kTitleInk, 8, Label("requires"), 1000);
    WriteText(663, 220, kTitleInk, 8, Label("leadsto"), 1000);
    WriteText(551, 317, kTitleInk, 8, Label("units"), 1000);
    WriteText(654, 317, kTitleInk, 8, Label("buildings"), 1000);
    WriteText(759, 317, kTitleInk, 8, Label("activities"), 1000);
    WriteList(551, 236, needs);
    WriteList(663, 236, leads);
    WriteText(561, 273, kInk, 8, Label("sciencework") + " " + std::to_string(scienceCost(s)), 1000);
    WriteList(551, 333, units);
    WriteList(654, 333, buildings);
    WriteList(759, 333, activities);
}

void WriteCentredFigure(int x, int y, Pixel colour, const char* text) {
    if (*text == '\0') return;
    WriteText(x - TextWidth(text, 8) / 2, y, colour, 8, text, 1024);
}

void WriteBuildingLabels() {
    WriteText(608, 304, kLabel, 8, Tr("Cost", "Maliyet"), 700);
    WriteText(608, 324, kLabel, 8, Tr("Workers", "İşçi"), 694);
    WriteText(556, 346, kLabel, 8, Tr("Science", "Bilim"), 666);
    WriteText(556, 359, kLabel, 8, Tr("Building", "Bina"), 666);
}

void WriteBuildingPage(int b) {
    WriteBuildingLabels();
    if (b < 4 || b > 15) {
        const char* const heads[] = {Tr("Happy", "Mutluluk"), Tr("Military", "Askeri"),
                                     Tr("Science", "Bilim"), Tr("Culture", "Kültür")};
        const int centres[] = {682, 727, 767, 808};
        for (int k = 0; k < 4; ++k) WriteCentredFigure(centres[k], 395, kLabel, heads[k]);
        const char* const rows[] = {Tr("Empty", "Boş"), Tr("1 worker", "1 işçi"), Tr("2 workers", "2 işçi")};
        for (int k = 0; k < 3; ++k) WriteText(574, 413 + 23 * k, kLabel, 8, rows[k], 650);
    }
    WriteText(605, 224, kInk, 8, ItemDescription(2, b), 745);
    WriteText(703, 304, kInk, 8, std::to_string(buildCost(35 + b)), 745);
    WriteText(696, 324, kInk, 8, std::to_string(maxWorkers(b)), 745);
    const int science = kBuildingScience[b], needs = kBuildingNeeds[b];
    WriteText(668, 346, kBlue, 8, science ? HelpScienceName(science) : Label("none"), 840);
    WriteText(668, 359, kInk, 8, needs ? HelpBuildingName(needs) : Label("none"), 840);
    for (const Effects& e : kEffects) {
        if (e.building != b) continue;
        const int happyX = b == 33 || b == 38 ? 680 : 682, cultureX = b == 36 || b == 38 ? 809 : 808;
        const int xs[4] = {happyX, 727, 767, cultureX};
        const Pixel colours[4] = {kGreen, kOrange, kBlue, kMagenta2};
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 3; ++row)
                WriteCentredFigure(xs[column], 413 + 23 * row, colours[column], e.figure[column][row]);
    }
    if (b >= 4 && b <= 15) {
        Screen().FrameRect({598, 375, 841, 453}, kFadedInk);
        WriteText(603, 380, kRed, 8, Label("note"), 838);
        WriteText(643, 380, kInk, 8, HelpText("note." + std::to_string(b)), kItemRight);
    }
}

void WriteWonderPage(int b) {
    // A wonder's description is longer than a building's and its effects are told in
    // words, not figures: the description takes the effects' place, the page's width.
    WriteBuildingLabels();
    WriteText(550, 392, kInk, 8, ItemDescription(3, b), kTextRight);
    WriteText(703, 304, kInk, 8, std::to_string(buildCost(35 + b)), 745);
    WriteText(696, 324, kInk, 8, "0", 745);
    WriteText(668, 346, kBlue, 8, HelpScienceName(kWonderScience[b - kFirstWonder]), 840);
    WriteText(668, 359, kInk, 8, Label("none"), 840);
}

struct ProductRow {
    const char* figure[6];
};
const ProductRow kFood{{"-1", "+1", "-(all - 1)", "+1 or +2", "uneffective", "+3"}};
const ProductRow kCrop{{"-1", "+1", "-all", "-all", "uneffective", "+3"}};
const ProductRow kFurRow{{"+3", "uneffective", "-all", "-all", "+1", "+3"}};
const ProductRow kWoodRow{{"+8", "uneffective", "-all", "-all", "+2", "+6"}};
const ProductRow kStoneRow{{"-1", "uneffective", "+2", "-all", "+2", "+5"}};
const ProductRow kGoldRow{{"uneffective", "uneffective", "uneffective", "-all", "+1 (if > 0)", "+1"}};
const ProductRow kPetrolRow{{"uneffective", "uneffective", "uneffective", "-all", "+2 (if > 0)", "+10"}};

// A figure of the table in the player's words: "-all" is all of the product lost.
std::string ShownFigure(const std::string& figure) {
    if (figure == "uneffective") return Label("uneffective");
    if (IsEnglish()) return figure;
    struct Words {
        const char* english;
        const char* turkish;
    };
    static constexpr Words kWords[] = {{"-(all - 1)", "-(hepsi - 1)"},
                                       {"-all", "-hepsi"},
                                       {"+1 or +2", "+1 ya da +2"},
                                       {"+1 (if > 0)", "+1 (> 0 ise)"},
                                       {"+2 (if > 0)", "+2 (> 0 ise)"}};
    for (const Words& w : kWords)
        if (figure == w.english) return w.turkish;
    return figure;
}

const ProductRow* RowOf(int p) {
    switch (p) {
    case 1:
        return &kFood;
    case 2:
    case 3:
    case 4:
        return &kCrop;
    case 5:
        return &kFurRow;
    case 6:
        return &kWoodRow;
    case 7:
        return &kStoneRow;
    case 8:
        return &kGoldRow;
    case 9:
        return &kPetrolRow;
    default:
        return nullptr;
    }
}

void WriteProductPage(int p) {
    const std::string name = HelpProductName(p);
    WriteText(604, 224, kOlive, 8, Label("value") + " " + name, 845);
    WriteText(723, 224, kGoldInk, 8, std::to_string(productPrice(p)) + " " + Label("gold"), 845);
    WriteText(604, 240, kInk, 8, Label("converted"), 845);
    const char* into = p == 2 ? "cloth" : p == 3 ? "cigar" : p == 4 ? "wine" : p == 5 ? "coat" : "nothing";
    WriteText(723, 240, kInk, 8, Label(into), 845);
    WriteText(604, 256, kInk, 8, Label("producedat"), 845);
    WriteText(723, 256, kInk, 8, Label(p <= 9 ? "cityareas" : "citybuildings"), 845);
    if (p >= 11) return;
    Screen().FrameRect({599, 270, 794, 573}, kFadedInk);
    for (int t = 1; t <= kTerrains; ++t)
        WriteText(701, 281 + kLine * (t - 1), kInk, 8, HelpTerrainName(t), 845);
    const char* labels[6] = {"forest", "river", "hill", "cornfield", "road", "productivity"};
    const int labelX[6] = {620, 682, 746, 616, 682, 729};
    const int centre[3] = {637, 697, 757};
    const ProductRow* row = RowOf(p);
    for (int k = 0; k < 6; ++k) {
        // Each label stands centred over its column, whatever its language's length.
        const std::string label = Label(labels[k]);
        WriteText(IsEnglish() ? labelX[k] : centre[k % 3] - TextWidth(label, 8) / 2, k < 3 ? 388 : 476, kInk,
                  8, label, 845);
        if (!row) continue;
        const std::string figure = row->figure[k];
        const Pixel colour = figure[0] == '-' ? kRed : figure[0] == '+' ? kBlue : kFadedInk;
        const std::string shown = ShownFigure(figure);
        WriteText(centre[k % 3] - TextWidth(shown, 8) / 2, k < 3 ? 452 : 540, colour, 8, shown, 1024);
    }
}

void WriteTerrainPage(int terrain) {
    for (const TerrainBlock& block : TerrainBlocks(terrain)) {
        const bool plain = block.label[0] == '\0', sea = std::string(block.label) == "sea";
        if (!plain && !sea) WriteText(547, block.labelY, kInk, 8, Label(block.label), 845);
        int row = 0;
        for (const auto& entry : BlockRows(terrain, block))
            WriteText(610, block.rowsY + kLine * row++, plain || sea ? kTitleInk : kInk, 8,
                      HelpProductName(entry.first), 845);
    }
}

void WriteActivityPage(int a) {
    const std::string key = "activity." + std::to_string(a);
    const int lines = WriteText(550, 212, kInk, 8, HelpText(key + ".a"), kTextRight);
    const std::string second = HelpText(key + ".b");
    if (second.empty()) return;
    const int fixedY = a == 1 ? 418 : a == 3 ? 301 : a == 4 ? 327 : 0;
    WriteText(550, std::max(fixedY, 212 + kLine * lines + 8), kInk, 8, second, kTextRight);
}

std::string PageTitle(int c, int i) {
    switch (c) {
    case kFaq:
        return HelpText("faq." + std::to_string(i) + ".q");
    case kNationsChapter:
        return HelpNationName(i);
    case kUnitsChapter:
        return unitTypeName(kUnitOfTopic[i]);
    case kSciencesChapter:
        return scienceName(i);
    case kBuildingsChapter:
        return buildingName(kBuildingOfTopic[i]);
    case kProductsChapter:
        return productName(kProductOfTopic[i]);
    case kTerrainsChapter:
        return HelpTerrainName(i);
    case kActivitiesChapter:
        return Label("activity." + std::to_string(i));
    default:
        return "";
    }
}

std::string TopicName(int c, int i) {
    switch (c) {
    case kFaq: {
        // A shorter form of the question where the list has no room for the whole.
        const std::string key = "faq." + std::to_string(i);
        return HelpText(HasHelpText(game.language, key + ".list") ? key + ".list" : key + ".q");
    }
    case kNationsChapter:
        return HelpNationName(i);
    case kUnitsChapter:
        return HelpUnitName(kUnitOfTopic[i]);
    case kSciencesChapter:
        return HelpScienceName(i);
    case kBuildingsChapter:
        return HelpBuildingName(kBuildingOfTopic[i]);
    case kWondersChapter:
        return HelpBuildingName(kFirstWonder + i - 1);
    case kProductsChapter:
        return HelpProductName(kProductOfTopic[i]);
    case kTerrainsChapter:
        return HelpTerrainName(i);
    default:
        return Label("activity." + std::to_string(i));
    }
}

// Where topic i of chapter c stands in the list and its highlight bar.
Rect TopicBar(int c, int i) {
    const int split = c == kSciencesChapter ? 25 : (c == kUnitsChapter || c == kBuildingsChapter) ? 18 : 99;
    if (i <= split) return {271, 196 + 15 * i, split == 99 ? 540 : 405, 211 + 15 * i};
    return {405, 196 + 15 * (i - split), 540, 211 + 15 * (i - split)};
}

void WriteFaqBody(int q) {
    const std::string key = "faq." + std::to_string(q);
    const int lines = WriteText(550, 212, kInk, 8, HelpText(key + ".a"), kTextRight);
    const FaqLayout layout = LayOutFaq(q, lines);
    const Question& question = kQuestions[q];
    for (size_t k = 0; k < question.lines.size(); ++k) {
        const Related& r = question.lines[k];
        WriteText(r.x, layout.lineY[k], kInk, 8, RelatedName(r) + RelatedDescription(r), kItemRight);
    }
    if (question.captionX != 0)
        WriteText(question.captionX, layout.captionY, kInk, 8, HelpText(key + ".caption"),
                  question.captionRight);
}

} // namespace

bool ValidHelpPage(int page) {
    const int c = Chapter(page), i = Topic(page);
    return page >= 0 && c >= 0 && c < kHelpChapters && i >= 1 && i <= kTopicCount[c];
}

int HelpTopicCount(int chapter) {
    return chapter >= 0 && chapter < kHelpChapters ? kTopicCount[chapter] : 0;
}

int HelpPageOf(int kind, int number) {
    auto find = [](const int* table, int count, int n) {
        for (int i = 1; i <= count; ++i)
            if (table[i] == n) return i;
        return 0;
    };
    int topic = 0, chapter = 0;
    if (kind == 1) chapter = kUnitsChapter, topic = find(kUnitOfTopic, 34, number);
    if (kind == 2) chapter = kBuildingsChapter, topic = find(kBuildingOfTopic, 34, number);
    if (kind == 3 && number >= kFirstWonder && number <= kBuildings)
        chapter = kWondersChapter, topic = number - 38;
    if (kind == 4 && number >= 1 && number <= kSciences) chapter = kSciencesChapter, topic = number;
    return topic == 0 ? 0 : chapter * 100 + topic;
}

void OpenHelp(int page) {
    ui.helpMenuOpen = 1;
    ui.helpPage = page;
    ui.helpDrawn = 0;
}

void DrawHelpMenu() {
    DrawSprite(city_screen::kFrameX, city_screen::kFrameY, city_screen::kFramePiece, false,
               Sheet::Interfaces);
    // The dark page tiles cover the window's whole panel, edge to edge.
    for (int x : {169, 512})
        for (int y : {122, 236, 350, 464, 492}) DrawSprite(x, y, {0, 0, 343, 114}, false, Sheet::Interfaces);
    DrawSprite(176, 129, {1524, 423, 1688, 459}, false, Sheet::Backgrounds);
    if (PointerOnClose())
        DrawSprite(804, 127, {537, 447, 585, 470}, true, Sheet::Backgrounds);
    else
        DrawSprite(804, 128, {537, 423, 585, 446}, true, Sheet::Backgrounds);
    if (!ValidHelpPage(ui.helpPage) || HelpTextsError().size() != 0) return;
    const int c = Chapter(ui.helpPage), i = Topic(ui.helpPage);
    switch (c) {
    case kFaq:
        DrawFaqPictures(i);
        break;
    case kNationsChapter: {
        DrawSprite(545, 214, {1 + 31 * (i - 1), 430, 31 + 31 * (i - 1), 460}, true, Sheet::OthersSprite);
        DrawUnitBust(545, i == 8 ? 294 : 281, kSpecialUnit[i]);
        if (i == 10) DrawUnitBust(545, 315, kVikingship);
        break;
    }
    case kUnitsChapter: {
        const int t = kUnitOfTopic[i];
        DrawSprite(549, 217, {218, 177, 428, 323}, true, Sheet::HelpSprite);
        DrawUnitPicture(550, 218, t);
        const bool shoots = IsBombard(t) || IsShip(t) || IsAir(t);
        const Rect square{352, 221, 359, 228};
        auto bar = [&](int y, int count) {
            for (int k = 0; k < count && k < 20; ++k)
                DrawSprite(676 + 8 * k, y + 3, square, true, Sheet::OthersSprite);
        };
        bar(shoots ? 232 : 219, UnitTypeAttack(t));
        bar(245, UnitTypeDefence(t));
        bar(258, UnitTypeLivesShown(t));
        bar(271, UnitTypeMoves(t));
        bar(297, UnitTypeCapacity(t));
        break;
    }
    case kSciencesChapter: {
        const int s = i;
        Screen().FrameRect({546, 215, 848, 308}, kFadedInk);
        Screen().FrameRect({546, 312, 848, 590}, kFadedInk);
        (void)s;
        break;
    }
    case kBuildingsChapter:
        DrawBuildingPage(kBuildingOfTopic[i], false);
        break;
    case kWondersChapter:
        DrawBuildingPage(kFirstWonder + i - 1, true);
        break;
    case kProductsChapter:
        DrawProductPage(kProductOfTopic[i]);
        break;
    case kTerrainsChapter:
        DrawTerrainPage(i);
        break;
    default:
        DrawActivityPage(i);
        break;
    }
}

void WriteHelpPage(int page) {
    if (Chapter(page) != kFaq || !ValidHelpPage(page)) return;
    WriteFaqBody(Topic(page));
}

void WriteHelpTexts() {
    if (!ui.helpMenuOpen || !ui.helpDrawn) return;
    Surface& screen = Screen();
    const bool valid = ValidHelpPage(ui.helpPage);
    const int c = Chapter(ui.helpPage), i = Topic(ui.helpPage);
    screen.Line(170, 191, 854, 191, kFadedInk);
    screen.Line(270, 191, 270, 597, kFadedInk);
    screen.Line(540, 191, 540, 597, kFadedInk);
    if (valid) {
        screen.FillRect({169, 209 + 26 * c, 270, 229 + 26 * c}, kChosenBand);
        screen.Line(169, 207 + 26 * c, 269, 207 + 26 * c, kChosenBand);
        screen.Line(169, 229 + 26 * c, 269, 229 + 26 * c, kChosenBand);
        screen.FillRect(TopicBar(c, i), kChosenBand);
    }
    screen.FillRect({271, 192, 541, 211}, kBrown);
    screen.FillRect({541, 192, 855, 211}, kDarkOrange);
    const std::string close = HelpText("close");
    WriteText(827 - TextWidth(close, 8) / 2, 131, PointerOnClose() ? kTitleInk : kInk, 8, close, 1024);
    for (int k = 0; k < kHelpChapters; ++k)
        WriteText(180, 212 + 26 * k, valid && k == c ? kTitleInk : kInk, 8,
                  HelpText("chapter." + std::to_string(k)), 282);
    if (!HelpTextsError().empty()) {
        WriteText(550, 212, kInk, 8, HelpTextsError(), kTextRight);
        return;
    }
    if (!valid) { // no page to show: the chapters alone, and a word on what to do
        WriteText(550, 212, kInk, 8, HelpText("choose"), kTextRight);
        return;
    }
    if (c != kWondersChapter) WriteText(550, 195, kWhite, 8, PageTitle(c, i), 845);
    for (int k = 1; k <= kTopicCount[c]; ++k) {
        const Rect bar = TopicBar(c, k);
        const int x = bar.left == 271 ? 280 : 415;
        WriteText(x, bar.top + 1, k == i ? kTitleInk : kInk, 8, TopicName(c, k), bar.right - 2);
    }
    switch (c) {
    case kFaq:
        WriteHelpPage(ui.helpPage);
        break;
    case kNationsChapter:
        WriteNationPage(i);
        break;
    case kUnitsChapter:
        WriteUnitPage(kUnitOfTopic[i]);
        break;
    case kSciencesChapter:
        WriteSciencePage(i);
        break;
    case kBuildingsChapter:
        WriteBuildingPage(kBuildingOfTopic[i]);
        break;
    case kWondersChapter:
        WriteWonderPage(kFirstWonder + i - 1);
        break;
    case kProductsChapter:
        WriteProductPage(kProductOfTopic[i]);
        break;
    case kTerrainsChapter:
        WriteTerrainPage(i);
        break;
    default:
        WriteActivityPage(i);
        break;
    }
}

bool HelpMouseDown(int x, int y) {
    if (x >= 804 && x < 853 && y >= 130 && y < 149) {
        PlaySound("click");
        ui.helpMenuOpen = 0;
        ui.screenJustClosed = 1;
        return true;
    }
    if (x >= 181 && x < 270 && y >= 211 && y < 435) {
        PlaySound("click");
        ui.helpPage = (y - 210) / 26 * 100 + 1;
        return true;
    }
    if (!ValidHelpPage(ui.helpPage) || y < 211) return true;
    const int c = Chapter(ui.helpPage);
    const int i = (y - 210) / 15 + 1;
    int topic = 0;
    if (c == kUnitsChapter || c == kBuildingsChapter) {
        if (x >= 271 && x < 405 && y < 480) topic = i;
        if (x >= 406 && x < 540 && y < 450) topic = 18 + i;
    } else if (c == kSciencesChapter) {
        if (x >= 271 && x < 405 && y < 585) topic = i;
        if (x >= 406 && x < 540 && y < 585) topic = 25 + i;
    } else if (x >= 271 && x < 540 && y < 210 + 15 * kTopicCount[c]) {
        topic = i;
    }
    if (topic == 0) return true;
    PlaySound("click");
    ui.helpPage = c * 100 + topic;
    return true;
}

} // namespace annals
