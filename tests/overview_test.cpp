// The overview screens as a player uses them: the products, finance, cities and
// statistics screens of a small empire, drawn, scrolled, sold from and pressed.
#include "city_fixture.h"
#include "fixtures.h"

#include "economy/news.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/overview_screens.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace city_test;
namespace fs = std::filesystem;

namespace {

constexpr int kTurks = 3, kAztecs = 4, kVikings = 5, kTheNatives = 6;
constexpr int kPetrol = 9;
constexpr Pixel kListGrey = kInk, kBlue = Rgb(0, 80, 170), kRed = Rgb(190, 0, 0);

// A person's empire (the Franks, civilization 1) beside the Romans (a friend), the Turks
// (an enemy), the Aztecs (never met), the Vikings (destroyed) and the natives.
class OverviewTest : public CityFixture {
protected:
    void SetUp() override {
        CityFixture::SetUp();
        game.civCount = 6;
        SetCiv(kTurks, 9, true, 3);
        SetCiv(kAztecs, 2, true, 3);
        SetCiv(kVikings, 10, true, 3);
        SetCiv(kTheNatives, 13, true, 5);
        for (int c = 1; c <= 6; ++c) Civ(c).colour = static_cast<uint8_t>(c);
        Civ(kPerson).relation[kComputer] = 30;
        Civ(kPerson).relation[kTurks] = 10;
        Civ(kPerson).relation[kVikings] = 15;
        game.turn = 40;
        game.year = -2050;
        AddUnit(kComputer, kWarrior, 20, 20);
        AddUnit(kTurks, kWarrior, 20, 22);
        AddUnit(kAztecs, kWarrior, 22, 22);
        game.currentUnit = game.viewUnit = 0;

        InstallShellHost(platform);
        root = annals::testing::FreshTempDir("overview");
        fs::create_directory_symlink(fs::path(ANNALS_GAME_DIR) / "Art", root / "Art");
        gameFolder = root.string();
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
        ui.gameStarted = 1;
        ui.frameDrawn = 1;
    }
    void TearDown() override {
        FreeSurfaces();
        UninstallShellHost();
        fs::remove_all(root);
        CityFixture::TearDown();
    }

    // The person's k-th city (k from 0), on a grid five cells apart.
    static CityData& FoundOwn(int k, int size) {
        CityData& city = Found(kPerson, 3 + 5 * (k % 4), 3 + 5 * (k / 4), size);
        city.nameIndex = static_cast<uint8_t>(k % kCityNamesPerNation + 1); // six names a nation
        return city;
    }
    static void FoundOwnCities(int n) {
        for (int k = 0; k < n; ++k) FoundOwn(k, 1 + k % 5);
    }

    static void Press(int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
    }
    // One frame drawn with the pointer at (x, y), after a fresh log.
    void Frame(int x = 1000, int y = 20) {
        BaseMouseMove(0, x, y);
        platform.ClearLog();
        TimerFunction();
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) TimerFunction();
    }
    const DrawRecord* TextAt(int x, int y) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text && r.x == x && r.y == y) return &r;
        return nullptr;
    }
    const DrawRecord* FindText(const std::string& text) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text && r.name == text) return &r;
        return nullptr;
    }
    int Sounds(const std::string& name) {
        int n = 0;
        for (const DrawRecord& r : *platform.Log()) n += r.kind == DrawRecord::Sound && r.name == name;
        return n;
    }
    const DrawRecord* SpriteAt(int x, int y) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Sprite && r.x == x && r.y == y) return &r;
        return nullptr;
    }
    int SpritesFrom(const Rect& source) {
        int n = 0;
        for (const DrawRecord& r : *platform.Log())
            n += r.kind == DrawRecord::Sprite && r.source.left == source.left && r.source.top == source.top;
        return n;
    }

    HeadlessPlatform platform{HeadlessOptions{true, true}};
    fs::path root;
};

} // namespace

// ---------------------------------------------------------------------------
// Products

TEST_F(OverviewTest, ProductsListTheStocksAndSellFromTheBoxes) {
    CityData& city = FoundOwn(0, 2);
    for (int p = 1; p <= kProducts; ++p) city.stock[p] = 0;
    city.stock[kStone] = 30;
    city.stock[kFood] = 5;
    city.stock[kPetrol] = 2;
    city.stock[kGold] = 150;
    Press(135, 733);
    ASSERT_EQ(ui.productsMenuOpen, 1);
    Frame();
    // Name, then the boxes in product order, each amount ending at its box's edge.
    const DrawRecord* name = TextAt(330, 260);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->name, "Paris");
    EXPECT_EQ(name->colour, kListGrey);
    struct Box {
        int box;
        const char* amount;
    };
    for (const Box& b : std::vector<Box>{{0, "5"}, {1, "30"}, {2, "150"}, {3, "2"}}) {
        const DrawRecord* amount = TextAt(419 + 51 * b.box - TextWidth(b.amount, 8), 260);
        ASSERT_TRUE(amount) << b.box;
        EXPECT_EQ(amount->name, b.amount);
        EXPECT_EQ(amount->colour, kBlack);
    }
    EXPECT_EQ(SpritesFrom({30 * (kStone - 1), 104, 0, 0}), 1);
    EXPECT_EQ(SpritesFrom({30 * (kPetrol - 1), 104, 0, 0}), 0) << "Petrol shows its amount only";

    // Box 3 holds the Petrol; a press sells all of it.
    const double gold = Civ(kPerson).gold;
    Press(409 + 51 * 3 + 20, 265);
    EXPECT_EQ(city.stock[kPetrol], 0);
    EXPECT_DOUBLE_EQ(Civ(kPerson).gold, gold + 2 * 10 / 100.0);

    // Selling the Gold takes the city's store-full news of it, and only that, off the list.
    CivRecord& person = Civ(kPerson);
    person.newsCount = 3;
    person.news[1] = NewsCode(3, 3, kNewsStoreFull + kStone);
    person.news[2] = NewsCode(3, 3, kNewsStoreFull + kGold);
    person.news[3] = NewsCode(3, 3, kNewsGrew);
    platform.ClearLog();
    Press(409 + 51 * 2 + 20, 265);
    EXPECT_EQ(city.stock[kGold], 0);
    EXPECT_DOUBLE_EQ(person.gold, gold + 0.2 + 150);
    EXPECT_EQ(Sounds("golds"), 1);
    EXPECT_DOUBLE_EQ(ui.coinAnimation, 150);
    EXPECT_DOUBLE_EQ(ui.coinPhase, 1.0);
    ASSERT_EQ(person.newsCount, 2);
    EXPECT_EQ(person.news[1], NewsCode(3, 3, kNewsStoreFull + kStone));
    EXPECT_EQ(person.news[2], NewsCode(3, 3, kNewsGrew));

    // Food and Stone are left: a press on the empty third box does nothing.
    Press(409 + 51 * 2 + 20, 265);
    EXPECT_EQ(city.stock[kFood], 5);
    EXPECT_EQ(city.stock[kStone], 30);
    EXPECT_EQ(ui.productsMenuOpen, 1);
}

TEST_F(OverviewTest, ProductTooltipOffersTheSaleInBothLanguages) {
    CityData& city = FoundOwn(0, 2);
    for (int p = 1; p <= kProducts; ++p) city.stock[p] = 0;
    city.stock[kFood] = 1;
    city.stock[kCloth] = 12;
    city.stock[kCoat] = 2;
    struct Case {
        int language, box;
        std::string first, value;
    };
    // Only what is counted takes a plural: "2 Coats", but "12 Cloth".
    const std::vector<Case> cases = {
        {1, 0, " Click To Sell 1 Food ", "0.01 Gold "},
        {1, 1, " Click To Sell 12 Cloth ", "1.80 Gold "},
        {1, 2, " Click To Sell 2 Coats ", "0.50 Gold "},
        {2, 1, " 12 Kumaş Satmak İçin Tıklayın", "1.80 Altın "},
    };
    Press(135, 733);
    for (const Case& c : cases) {
        game.language = static_cast<uint8_t>(c.language);
        Frame(409 + 51 * c.box + 30, 270);
        const DrawRecord* first = TextAt(51 * c.box + 450, 253);
        ASSERT_TRUE(first) << c.first;
        EXPECT_EQ(first->name, c.first);
        const DrawRecord* value = FindText(c.value);
        ASSERT_TRUE(value) << c.value;
        EXPECT_EQ(value->colour, Rgb(150, 98, 0));
        EXPECT_EQ(value->y, 266);
    }
}

// ---------------------------------------------------------------------------
// Scrolling and rows

TEST_F(OverviewTest, ListsScrollByOneAndStopAtBothEnds) {
    constexpr int kArrowsX = 511, kArrowsY = 465;
    FoundOwnCities(8);
    Press(135, 733);
    Frame();
    ASSERT_TRUE(SpriteAt(kArrowsX, kArrowsY)) << "eight cities do not fit seven rows";
    EXPECT_EQ(SpriteAt(kArrowsX, kArrowsY)->source.left, 660) << "the up arrow is off at the top";
    for (int expected : {2, 2}) {
        Press(518, 492);
        EXPECT_EQ(ui.listScroll, expected);
    }
    Frame();
    EXPECT_EQ(TextAt(330, 260)->name, "Orleans") << "the second city heads the list";
    EXPECT_EQ(TextAt(330, 260 + 30 * 6)->name, "Orleans") << "the eighth city (the second Orleans) ends it";
    EXPECT_EQ(SpriteAt(kArrowsX, kArrowsY + 20)->source.left, 680) << "the down arrow is off at the end";
    for (int expected : {1, 1}) {
        Press(518, 474);
        EXPECT_EQ(ui.listScroll, expected);
    }

    // Seven cities: the products screen shows them all; the cities screen, six rows, scrolls.
    RemoveCity(Civ(kPerson).cities[8].x, Civ(kPerson).cities[8].y);
    ASSERT_EQ(Civ(kPerson).cityCount, 7);
    Frame();
    EXPECT_FALSE(SpriteAt(kArrowsX, kArrowsY));
    EXPECT_TRUE(TextAt(330, 260 + 30 * 6));
    Press(147, 691);
    ASSERT_EQ(ui.citiesMenuOpen, 1);
    Frame();
    EXPECT_TRUE(SpriteAt(kArrowsX, kArrowsY));
    for (int expected : {2, 2}) {
        Press(518, 492);
        EXPECT_EQ(ui.listScroll, expected);
    }

    // A list that lost cities while scrolled shows its last page, never rows past its end.
    ui.listScroll = 6;
    Frame();
    EXPECT_EQ(TextAt(356, 273)->name, "Orleans");
    EXPECT_EQ(TextAt(356, 273 + 34 * 5)->name, "Paris");
}

TEST_F(OverviewTest, PressesOutsideTheRowsOpenNoCity) {
    FoundOwnCities(3);
    struct Case {
        int buttonX, buttonY;
        int x, y;
        const char* where;
    };
    const std::vector<Case> cases = {
        {135, 733, 330, 240, "above the products rows"},
        {135, 733, 330, 260 + 30 * 3, "on the products screen's fourth row, with three cities"},
        {135, 733, 660, 265, "on an empty product box"},
        {174, 658, 400, 250, "above the finance rows"},
        {174, 658, 400, 255 + 21 * 3 + 5, "below the last finance row"},
        {147, 691, 400, 255, "above the cities rows"},
        {147, 691, 400, 263 + 34 * 3 + 5, "below the last city"},
    };
    for (const Case& c : cases) {
        Press(c.buttonX, c.buttonY);
        Press(c.x, c.y);
        EXPECT_EQ(ui.cityMenuX, 0) << c.where;
        FormKeyDown(kVkEscape, 0);
        EXPECT_FALSE(ui.productsMenuOpen || ui.financeMenuOpen || ui.citiesMenuOpen) << c.where;
    }
}

TEST_F(OverviewTest, ARowOpensItsCityAndEscapeBringsTheListBack) {
    FoundOwnCities(8);
    struct Case {
        int buttonX, buttonY;
        int x, y;
        uint8_t UiState::*list;
        uint8_t UiState::*from;
        int scroll, city; // the list's scroll before the press, the city the row opens
    };
    const std::vector<Case> cases = {
        {135, 733, 330, 255 + 30, &UiState::productsMenuOpen, &UiState::openedFromProducts, 2, 3},
        {174, 658, 400, 257 + 21 * 2, &UiState::financeMenuOpen, &UiState::openedFromFinance, 1, 3},
        {147, 691, 400, 265, &UiState::citiesMenuOpen, &UiState::openedFromCities, 3, 3},
    };
    for (const Case& c : cases) {
        Press(c.buttonX, c.buttonY);
        ASSERT_EQ(ui.*c.list, 1);
        ui.listScroll = c.scroll;
        // Whatever was left running before does not follow into the city screen.
        ui.openedFromCities = ui.openedFromFinance = ui.openedFromProducts = 1;
        ui.closeCountdown = 5;
        ui.firstCityOpened = 0;
        platform.ClearLog();
        Press(c.x, c.y);
        const CityRef opened = Civ(kPerson).cities[c.city];
        EXPECT_EQ(ui.cityMenuX, opened.x);
        EXPECT_EQ(ui.cityMenuY, opened.y);
        EXPECT_EQ(ui.*c.list, 0);
        EXPECT_EQ(ui.openedFromCities + ui.openedFromFinance + ui.openedFromProducts, 1);
        EXPECT_EQ(ui.*c.from, 1);
        EXPECT_EQ(ui.firstCityOpened, 1);
        EXPECT_EQ(ui.closeCountdown, 0);
        EXPECT_EQ(Sounds("city"), 1);
        Frames(2);
        FormKeyDown(kVkEscape, 0);
        EXPECT_EQ(ui.cityMenuX, 0);
        EXPECT_EQ(ui.*c.list, 1) << "the list comes back";
        EXPECT_EQ(ui.listScroll, c.scroll) << "as it was scrolled";
        FormKeyDown(kVkEscape, 0);
        EXPECT_EQ(ui.*c.list, 0);
    }
}

// ---------------------------------------------------------------------------
// Finance

TEST_F(OverviewTest, FinanceWritesEachCityAndTheTotalInTheirColours) {
    CityData& even = FoundOwn(0, 4); // 25 % of four citizens: 0.50
    CityData& idle = FoundOwn(1, 2);
    idle.taxRate = 0;
    CityData& spender = FoundOwn(2, 1);
    spender.scienceLevel = 2;
    spender.militaryLevel = 1;
    (void)even;
    for (int i = 0; i < 13; ++i) AddUnit(kPerson, kWarrior, 3, 3);
    AddUnit(kPerson, kWagonTrain, 3, 3);
    const int soldiers = 13 + Civ(kPerson).unitCount - 14; // the fixture's own settlers do not count
    Press(174, 658);
    Frame();
    struct Expected {
        int centreX, row;
        std::string text;
        Pixel colour;
    };
    auto money = [](double v) { return MoneyText(v); };
    const double army = soldiers * 0.10;
    const double total = 0.5 + 0 + (0.125 - 3) - army;
    const std::vector<Expected> expected = {
        {435, 0, "4", kListGrey},
        {475, 0, "25%", kListGrey},
        {515, 0, "0.50", kBlue},
        {555, 0, "none", kListGrey},
        {595, 0, "none", kListGrey},
        {649, 0, "+0.50", kBlue},
        {515, 1, "0.00", kBlue},
        {649, 1, "0.00", kListGrey},
        {555, 2, "2.00", kRed},
        {595, 2, "1.00", kRed},
        {649, 2, "-2.87", kRed},
        {649, 3, "-" + money(army), kRed},
        {606, 3, "x " + std::to_string(soldiers), kListGrey},
        {649, 4, "-" + money(-total), kRed},
    };
    for (const Expected& e : expected) {
        const DrawRecord* r = TextAt(e.centreX - TextWidth(e.text, 8) / 2, 260 + 21 * e.row);
        ASSERT_TRUE(r) << e.text;
        EXPECT_EQ(r->name, e.text);
        EXPECT_EQ(r->colour, e.colour) << e.text;
    }
    EXPECT_EQ(TextAt(340, 281 + 21 * 2)->name, "Army expenses (0.10 gold per soldier, Despotism)");
    EXPECT_EQ(TextAt(340, 302 + 21 * 2)->name, "Total profit per turn");
    // Under every paying government, in both languages, the line ends before the count.
    const std::string count = "x " + std::to_string(soldiers);
    for (int language : {1, 2})
        for (int government : {2, 3, 5}) {
            game.language = static_cast<uint8_t>(language);
            Civ(kPerson).government = static_cast<uint8_t>(government);
            Frame();
            const DrawRecord* line = TextAt(340, 281 + 21 * 2);
            ASSERT_TRUE(line);
            EXPECT_LT(340 + LineWidth(line->name, 8), 606 - TextWidth(count, 8) / 2) << line->name;
        }
    game.language = 1;
    Civ(kPerson).government = 2;

    // The Aztecs' soldiers work free: no amount, and the total keeps it.
    Civ(kPerson).nation = 2;
    Frame();
    EXPECT_EQ(TextAt(340, 281 + 21 * 2)->name, "Army expenses   (Aztec soldiers work free)");
    EXPECT_FALSE(FindText("-" + money(army)));
    EXPECT_TRUE(FindText("-" + money(-(total + army))));
    // Under Anarchy there is no army label at all, but still the count.
    Civ(kPerson).nation = 5;
    Civ(kPerson).government = 1;
    Frame();
    EXPECT_FALSE(TextAt(340, 281 + 21 * 2));
    EXPECT_TRUE(FindText("x " + std::to_string(soldiers)));
}

TEST_F(OverviewTest, FinanceShowsNineCitiesAndCountsThemAll) {
    FoundOwnCities(10);
    Civ(kPerson).government = 1; // no army line amount
    Press(174, 658);
    Frame();
    double total = 0;
    for (int k = 1; k <= 10; ++k) {
        const CityRef c = Civ(kPerson).cities[k];
        total += TaxIncome(City(c.x, c.y));
    }
    EXPECT_TRUE(TextAt(340, 260 + 21 * 8));
    EXPECT_FALSE(TextAt(340, 260 + 21 * 9)) << "the tenth city has no row";
    EXPECT_TRUE(FindText("+" + MoneyText(total))) << "but counts in the total";
}

TEST_F(OverviewTest, MoneyIsWrittenWithTwoDigits) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c :
         std::vector<Case>{{3.05, "3.05"}, {0, "0.00"}, {12.5, "12.50"}, {-1.3, "1.30"}, {0.999, "0.99"}})
        EXPECT_EQ(MoneyText(c.value), c.text) << c.value;
}

// ---------------------------------------------------------------------------
// Cities

TEST_F(OverviewTest, CitiesScreenShowsEachCitysState) {
    CityData& city = FoundOwn(0, 4);
    city.happiness = 71.6;
    city.buildItem = 35 + 5;
    Press(147, 691);
    Frame();
    EXPECT_EQ(TextAt(356, 273)->name, "Paris");
    EXPECT_EQ(TextAt(431, 273)->name, "71");
    EXPECT_EQ(TextAt(431, 273)->colour, kListGrey);
    // The unit it works towards, cut to its card inside the row, and the building it
    // constructs, cut to the row.
    ASSERT_TRUE(SpriteAt(621, 265));
    EXPECT_EQ(SpriteAt(621, 265)->source.left, 50 * (city.unitBuildItem - 1));
    EXPECT_EQ(SpriteAt(621, 265)->source.Height(), 28);
    const int picture = buildingPicture(5);
    ASSERT_TRUE(SpriteAt(668, 262));
    EXPECT_EQ(SpriteAt(668, 262)->source.left, (picture - 1) % 10 * 48);
}

// ---------------------------------------------------------------------------
// Statistics

TEST_F(OverviewTest, StrengthGraphSharesItsHeightByStrength) {
    game.civCount = 3; // two players and the natives
    SetCiv(3, 13, true, 5);
    for (int t = 1; t < game.turn; ++t) Civ(1).powerHistory[t] = Civ(2).powerHistory[t] = 9;
    Press(173, 725);
    ASSERT_EQ(ui.statsMenuOpen, 1);
    Frame();
    const DrawRecord* first = TextAt(340, 290);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name, "Franks");
    EXPECT_EQ(first->colour, CivTextColour(1));
    EXPECT_EQ(TextAt(340, 301)->name, "(pop: 9)");
    EXPECT_EQ(TextAt(340, 380)->name, "Romans");
    // Equal strength: each band fills half of the 179 pixels.
    const Surface& screen = platform.Screen();
    EXPECT_EQ(screen.GetPixel(500, 300), CivGraphColour(1));
    EXPECT_EQ(screen.GetPixel(500, 440), CivGraphColour(2));
    EXPECT_EQ(screen.GetPixel(500, 266 + 89), kBlack) << "the line between the bands";

    // A game past the table's last entry reads its graph and legend from the entries it has.
    game.turn = 400;
    for (int t = 1; t <= kPowerHistory; ++t) Civ(1).powerHistory[t] = Civ(2).powerHistory[t] = 0;
    Civ(1).powerHistory[kPowerHistory] = 1000;
    Frame();
    EXPECT_EQ(TextAt(340, 301)->name, "(pop: 1000)");
    EXPECT_EQ(screen.GetPixel(690, 440), CivGraphColour(1)) << "the last column is the latest turn";
    EXPECT_EQ(screen.GetPixel(400, 440), CivGraphColour(2));
}

TEST_F(OverviewTest, BiggestCitiesAreListedLargestFirst) {
    FoundOwn(0, 3);
    FoundOwn(1, 5);
    Found(kComputer, 20, 8, 2);
    City(20, 8).size = 12;
    Found(kTurks, 20, 14, 2);
    City(20, 14).size = 5; // as big as the Franks' second city, and later in the order
    Press(173, 725);
    Press(500, 468);
    ASSERT_EQ(ui.statsPage, 2);
    Frame();
    const int o = (220 - 12 * 10) / 2;
    struct Row {
        const char* name;
        const char* nation;
    };
    const std::vector<Row> rows = {
        {"Rome", "Romans"}, {"Orleans", "Franks"}, {"Bursa", "Turks"}, {"Paris", "Franks"}};
    for (size_t r = 0; r < rows.size(); ++r) {
        const int y = 240 + 32 * static_cast<int>(r + 1);
        ASSERT_TRUE(TextAt(o + 325, y)) << r;
        EXPECT_EQ(TextAt(o + 325, y)->name, rows[r].name);
        EXPECT_EQ(TextAt(o + 420, y)->name, rows[r].nation);
    }
    EXPECT_FALSE(TextAt(o + 325, 240 + 32 * 5));
}

TEST_F(OverviewTest, DiplomacyNamesEachRivalsStanding) {
    Press(173, 725);
    Press(600, 468);
    ASSERT_EQ(ui.statsPage, 3);
    Frame();
    struct Row {
        const char* word;
        Pixel colour;
        bool talk;
    };
    const std::vector<Row> rows = {
        {"Friend", kInk, true},          // the Romans, relation 30
        {"Enemy", kRed, true},           // the Turks, 10
        {"Unknown", kTitleInk, false},   // the Aztecs, never met: red ink on the parchment
        {"Destroyed", kFadedInk, false}, // the Vikings, nothing left
    };
    for (size_t g = 0; g < rows.size(); ++g) {
        const int y = 273 + 31 * static_cast<int>(g);
        const DrawRecord* word = TextAt(437, y);
        ASSERT_TRUE(word) << g;
        EXPECT_EQ(word->name, rows[g].word);
        EXPECT_EQ(word->colour, rows[g].colour);
        EXPECT_EQ(TextAt(532, y) != nullptr, rows[g].talk) << rows[g].word;
    }
    EXPECT_EQ(TextAt(532, 273)->name, "Talk with leader of Romans");
    EXPECT_FALSE(TextAt(437, 273 + 31 * 4)) << "neither the player nor the natives are listed";
}

TEST_F(OverviewTest, TalkRaisesTheFriendlyOrTheHostileDialog) {
    struct Case {
        double relation;
        int dialog;
    };
    for (const Case& c : std::vector<Case>{{30, 45}, {20.5, 45}, {20, 46}, {10, 46}}) {
        Civ(kPerson).relation[kComputer] = c.relation;
        ui.dialogCode = 0;
        Press(173, 725);
        Press(600, 468);
        platform.ClearLog();
        Press(600, 278);
        EXPECT_EQ(ui.closeCountdown, 8);
        EXPECT_EQ(ui.dialogPartyB, kComputer);
        EXPECT_EQ(Sounds("click"), 1);
        Frames(7);
        EXPECT_EQ(ui.statsMenuOpen, 1) << "the button is seen pressed first";
        EXPECT_EQ(ui.dialogCode, 0);
        Frames(1);
        EXPECT_EQ(ui.statsMenuOpen, 0);
        EXPECT_EQ(ui.dialogCode, c.dialog) << c.relation;
        EXPECT_EQ(ui.dialogPartyA, kPerson);
        EXPECT_EQ(ui.dialogPartyB, kComputer);
    }
}

TEST_F(OverviewTest, TalkWaitsWhileAnotherPageIsShownAndIsCalledOffByClosing) {
    Press(173, 725);
    Press(600, 468);
    Press(600, 278 + 31); // the Turks
    Frames(3);
    Press(400, 468); // to the graph: the countdown halts
    Frames(10);
    EXPECT_EQ(ui.closeCountdown, 5);
    EXPECT_EQ(ui.statsMenuOpen, 1);
    Press(600, 468);
    Frames(5);
    EXPECT_EQ(ui.dialogCode, 46);
    EXPECT_EQ(ui.dialogPartyB, kTurks);

    // Closed before the countdown ran out: no dialog, and nothing left counting down.
    ui.dialogCode = 0;
    Press(173, 725);
    Press(600, 468);
    Press(600, 278);
    Frames(2);
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.statsMenuOpen, 0);
    Frames(10);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(ui.closeCountdown, 0);
}

// ---------------------------------------------------------------------------
// Both languages

TEST_F(OverviewTest, EveryLabelFitsItsPlaceInBothLanguages) {
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int nation = 1; nation <= 10; ++nation) {
            // The Talk label on its plate, the name in its diplomacy column and legend.
            EXPECT_LE(532 + TextWidth(TalkLabel(nation), 8), 676) << TalkLabel(nation);
            EXPECT_LE(357 + TextWidth(nationName(nation), 8), 417) << nationName(nation);
            EXPECT_LE(340 + TextWidth(nationName(nation), 8), 410) << nationName(nation);
            for (int k = 1; k <= kCityNamesPerNation; ++k) {
                EXPECT_LE(330 + TextWidth(cityName(nation, k), 8), 409 - 18) << cityName(nation, k);
                EXPECT_LE(356 + TextWidth(cityName(nation, k), 8), 431) << cityName(nation, k);
            }
        }
        for (const char* word : {Tr("Friend", "Dost"), Tr("Enemy", "Düşman"), Tr("Unknown", "Bilinmiyor"),
                                 Tr("Destroyed", "Yok Edildi")})
            EXPECT_LE(437 + TextWidth(word, 8), 510) << word;
        for (const char* page : {Tr("Population Graph", "Nüfus Çizelgesi"),
                                 Tr("Biggest 6 Cities", "En Büyük 6 Şehir"), Tr("Diplomacy", "Diplomasi")})
            EXPECT_LE(10 + TextWidth(page, 8), 101) << page;
    }
    // The army line's label ends before the soldier count under every government.
    FoundOwn(0, 1);
    for (int i = 0; i < 99; ++i) AddUnit(kPerson, kWarrior, 3, 3);
    Press(174, 658);
    const std::string count = "x " + std::to_string(SoldierCount(kPerson));
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int government : {2, 3, 5}) {
            Civ(kPerson).government = static_cast<uint8_t>(government);
            for (int nation : {5, 2}) {
                Civ(kPerson).nation = static_cast<uint8_t>(nation);
                Frame();
                const DrawRecord* label = TextAt(340, 281);
                ASSERT_TRUE(label);
                EXPECT_LT(340 + TextWidth(label->name, 8), 606 - TextWidth(count, 8) / 2) << label->name;
            }
        }
    }
}

TEST_F(OverviewTest, TurkishTalkLabelsFollowTheNamesVowels) {
    game.language = 2;
    EXPECT_EQ(TalkLabel(2), "Azteklerin lideriyle konuş");
    EXPECT_EQ(TalkLabel(1), "Arapların lideriyle konuş");
    EXPECT_EQ(TalkLabel(3), "İngilizlerin lideriyle konuş");
}

TEST_F(OverviewTest, DiplomacyShowsTheWorldsPoliticsAmongTheRivalsWeMet) {
    // Rows and columns in the list's order: Romans, Turks, Aztecs, Vikings. A rival's row
    // crosses its partners' columns 15 pixels apart from x 700.
    auto mark = [this](int row, int column) {
        return platform.BackBuffer().GetPixel(700 + 15 * column + 6, 279 + 31 * row);
    };
    struct Case {
        double relation;
        Pixel seen;
    };
    for (const Case& c : std::vector<Case>{{13, kRed}, {25, Rgb(0, 120, 0)}}) {
        SCOPED_TRACE(c.relation);
        Civ(kComputer).relation[kTurks] = Civ(kTurks).relation[kComputer] = c.relation;
        Civ(kComputer).relation[kAztecs] = Civ(kAztecs).relation[kComputer] = 13;
        Press(173, 725);
        Press(600, 468);
        Frame();
        EXPECT_EQ(mark(0, 1), c.seen) << "the Romans' row, the Turks' column";
        EXPECT_EQ(mark(1, 0), c.seen) << "and the other way round";
        EXPECT_NE(mark(0, 2), kRed) << "we never met the Aztecs: their wars are not ours to know";
        EXPECT_NE(mark(0, 0), kRed) << "nobody is at war with itself";
        ui.statsMenuOpen = 0;
    }
    // A rival that broke a peace is marked where its row meets its own column.
    Civ(kTurks).warCounter = 1;
    Press(173, 725);
    Press(600, 468);
    Frame();
    ASSERT_TRUE(TextAt(700 + 15 + 4, 273 + 31));
    EXPECT_EQ(TextAt(700 + 15 + 4, 273 + 31)->name, "!");
    EXPECT_FALSE(TextAt(700 + 4, 273)) << "the Romans kept their word";
    for (const char* legend : {"at war", "at peace", "broke a treaty"})
        EXPECT_TRUE(FindText(legend)) << legend;
}
