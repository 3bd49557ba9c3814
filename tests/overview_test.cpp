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
#include "ui/overview_shared.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace city_test;
using namespace annals::overview;
namespace fs = std::filesystem;

namespace {

constexpr int kTurks = 3, kAztecs = 4, kVikings = 5, kTheNatives = 6;
constexpr int kPetrol = 9;
// A line of text takes about this many rows at the lists' size.
constexpr int kLineHeight = 15;

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

    // The text written from x in the band of rows [top, top + height); null when none.
    const DrawRecord* TextIn(int x, int top, int height) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text && r.x == x && r.y >= top && r.y < top + height) return &r;
        return nullptr;
    }
    // The name written in a list's row r (0-based).
    std::string RowName(const ListPlace& place, int r) {
        const DrawRecord* name = TextIn(place.nameX, place.rowsTop + place.rowHeight * r, place.rowHeight);
        return name ? name->name : "";
    }
    // Where a text or a sprite copy lands on the screen.
    static Rect Extent(const DrawRecord& r) {
        if (r.kind == DrawRecord::Text) return {r.x, r.y, r.x + Measure(r.name, r.size), r.y + r.size + 4};
        return {r.x, r.y, r.x + r.source.Width(), r.y + r.source.Height()};
    }
    static bool Overlap(const Rect& a, const Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }
    static bool Inside(const Rect& inner, const Rect& outer) {
        return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
               inner.bottom <= outer.bottom;
    }
    std::vector<DrawRecord> Copies(const char* sheet) {
        std::vector<DrawRecord> found;
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Sprite && r.name == sheet) found.push_back(r);
        return found;
    }
    static void PressAt(const Rect& plate) {
        Press((plate.left + plate.right) / 2, (plate.top + plate.bottom) / 2);
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
    ListPlace place = ProductsPlace();
    // Name, then the boxes in product order, each amount right of its picture.
    const DrawRecord* name = TextIn(place.nameX, place.rowsTop, place.rowHeight);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->name, "Paris");
    EXPECT_EQ(name->colour, PanelInks().text);
    struct Box {
        int box;
        const char* amount;
    };
    for (const Box& b : std::vector<Box>{{0, "5"}, {1, "30"}, {2, "150"}, {3, "2"}}) {
        const DrawRecord* amount = TextIn(ProductBoxLeft(place, b.box) + kProductPictureSize + kAmountGap,
                                          place.rowsTop, place.rowHeight);
        ASSERT_TRUE(amount) << b.box;
        EXPECT_EQ(amount->name, b.amount);
        EXPECT_EQ(amount->colour, PanelInks().text);
    }
    EXPECT_EQ(SpritesFrom({30 * (kStone - 1), 104, 0, 0}), 1);
    EXPECT_EQ(SpritesFrom({30 * (kPetrol - 1), 104, 0, 0}), 0) << "Petrol has its name instead of a picture";
    ASSERT_TRUE(FindText("Petrol"));
    // No amount stands under a picture or another amount.
    std::vector<Rect> taken;
    for (const DrawRecord& r : Copies("productSprite.bmp")) taken.push_back(Extent(r));
    for (const DrawRecord& r : *platform.Log()) {
        if (r.kind != DrawRecord::Text || r.x < place.boxLeft || r.y < place.rowsTop) continue;
        for (const Rect& other : taken) EXPECT_FALSE(Overlap(Extent(r), other)) << r.name;
        taken.push_back(Extent(r));
    }

    // Box 3 holds the Petrol; a press sells all of it.
    const double gold = Civ(kPerson).gold;
    Press(ProductBoxLeft(place, 3) + 20, place.rowsTop + 5);
    EXPECT_EQ(city.stock[kPetrol], 0);
    EXPECT_DOUBLE_EQ(Civ(kPerson).gold, gold + 2 * 10 / 100.0);

    // Selling the Gold takes the city's store-full news of it, and only that, off the list.
    CivRecord& person = Civ(kPerson);
    person.newsCount = 3;
    person.news[1] = NewsCode(3, 3, kNewsStoreFull + kStone);
    person.news[2] = NewsCode(3, 3, kNewsStoreFull + kGold);
    person.news[3] = NewsCode(3, 3, kNewsGrew);
    platform.ClearLog();
    place = ProductsPlace();
    Press(ProductBoxLeft(place, 2) + 20, place.rowsTop + 5);
    EXPECT_EQ(city.stock[kGold], 0);
    EXPECT_DOUBLE_EQ(person.gold, gold + 0.2 + 150);
    EXPECT_EQ(Sounds("golds"), 1);
    EXPECT_DOUBLE_EQ(ui.coinAnimation, 150);
    EXPECT_DOUBLE_EQ(ui.coinPhase, 1.0);
    ASSERT_EQ(person.newsCount, 2);
    EXPECT_EQ(person.news[1], NewsCode(3, 3, kNewsStoreFull + kStone));
    EXPECT_EQ(person.news[2], NewsCode(3, 3, kNewsGrew));

    // Food and Stone are left: a press on the empty third box does nothing.
    place = ProductsPlace();
    Press(ProductBoxLeft(place, 2) + 20, place.rowsTop + 5);
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
        const ListPlace place = ProductsPlace();
        Frame(ProductBoxLeft(place, c.box) + 10, place.rowsTop + 10);
        const DrawRecord* first = FindText(c.first);
        ASSERT_TRUE(first) << c.first;
        // The note stands below the row: the row's amounts stay in sight.
        EXPECT_GE(first->y, place.rowsTop + place.rowHeight);
        const DrawRecord* value = FindText(c.value);
        ASSERT_TRUE(value) << c.value;
        EXPECT_EQ(value->colour, kDarkInks.gold);
        EXPECT_GT(value->y, first->y);
    }
}

// ---------------------------------------------------------------------------
// Scrolling and rows

TEST_F(OverviewTest, ListsScrollByOneAndStopAtBothEnds) {
    FoundOwnCities(8);
    Press(135, 733);
    Frame();
    ListPlace place = ProductsPlace();
    ASSERT_TRUE(SpriteAt(place.arrowsX, place.arrowsY)) << "eight cities do not fit seven rows";
    EXPECT_EQ(SpriteAt(place.arrowsX, place.arrowsY)->source.left, 660) << "the up arrow is off at the top";
    EXPECT_LE(place.arrowsX, place.window.ContentRight()) << "the arrows stand inside the window";
    for (int expected : {2, 2}) {
        Press(place.arrowsX + 7, place.arrowsY + 27);
        EXPECT_EQ(ui.listScroll, expected);
    }
    Frame();
    EXPECT_EQ(RowName(place, 0), "Orleans") << "the second city heads the list";
    EXPECT_EQ(RowName(place, 6), "Orleans") << "the eighth city (the second Orleans) ends it";
    EXPECT_EQ(SpriteAt(place.arrowsX, place.arrowsY + 20)->source.left, 680)
        << "the down arrow is off at the end";
    for (int expected : {1, 1}) {
        Press(place.arrowsX + 7, place.arrowsY + 9);
        EXPECT_EQ(ui.listScroll, expected);
    }

    // Seven cities: the products screen shows them all; the cities screen, six rows, scrolls.
    RemoveCity(Civ(kPerson).cities[8].x, Civ(kPerson).cities[8].y);
    ASSERT_EQ(Civ(kPerson).cityCount, 7);
    Frame();
    place = ProductsPlace();
    for (const DrawRecord& r : Copies("backgrounds.bmp"))
        EXPECT_FALSE(r.source.left >= kArrowsLeft && r.source.left < kArrowsLeft + 5 * kArrowsStep &&
                     r.source.top >= kArrowsTop)
            << "no arrows";
    EXPECT_FALSE(RowName(place, 6).empty());
    Press(147, 691);
    ASSERT_EQ(ui.citiesMenuOpen, 1);
    Frame();
    place = CitiesPlace();
    EXPECT_TRUE(SpriteAt(place.arrowsX, place.arrowsY));
    for (int expected : {2, 2}) {
        Press(place.arrowsX + 7, place.arrowsY + 27);
        EXPECT_EQ(ui.listScroll, expected);
    }

    // A list that lost cities while scrolled shows its last page, never rows past its end.
    ui.listScroll = 6;
    Frame();
    EXPECT_EQ(RowName(place, 0), "Orleans");
    EXPECT_EQ(RowName(place, 5), "Paris");
}

TEST_F(OverviewTest, PressesOutsideTheRowsOpenNoCity) {
    FoundOwnCities(3);
    struct Case {
        int buttonX, buttonY;
        ListPlace (*place)();
        int column, row, dy; // a point right of the name (column 0) or in box 2, rows from the first
        const char* where;
    };
    const std::vector<Case> cases = {
        {135, 733, ProductsPlace, 0, 0, -10, "above the products rows"},
        {135, 733, ProductsPlace, 0, 3, 5, "on the products screen's fourth row, with three cities"},
        {135, 733, ProductsPlace, 1, 0, 5, "on an empty product box"},
        {174, 658, FinancePlace, 0, 0, -10, "above the finance rows"},
        {174, 658, FinancePlace, 0, 3, 5, "below the last finance row"},
        {147, 691, CitiesPlace, 0, 0, -10, "above the cities rows"},
        {147, 691, CitiesPlace, 0, 3, 5, "below the last city"},
    };
    for (const Case& c : cases) {
        Press(c.buttonX, c.buttonY);
        const ListPlace place = c.place();
        const int x = c.column == 0 ? place.nameX + 10 : ProductBoxLeft(place, 2) + 10;
        Press(x, place.rowsTop + place.rowHeight * c.row + c.dy);
        EXPECT_EQ(ui.cityMenuX, 0) << c.where;
        FormKeyDown(kVkEscape, 0);
        EXPECT_FALSE(ui.productsMenuOpen || ui.financeMenuOpen || ui.citiesMenuOpen) << c.where;
    }
}

TEST_F(OverviewTest, ARowOpensItsCityAndEscapeBringsTheListBack) {
    FoundOwnCities(8);
    struct Case {
        int buttonX, buttonY;
        ListPlace (*place)();
        int row; // 0-based
        uint8_t UiState::*list;
        uint8_t UiState::*from;
        int scroll, city; // the list's scroll before the press, the city the row opens
    };
    const std::vector<Case> cases = {
        {135, 733, ProductsPlace, 1, &UiState::productsMenuOpen, &UiState::openedFromProducts, 2, 3},
        {174, 658, FinancePlace, 2, &UiState::financeMenuOpen, &UiState::openedFromFinance, 1, 3},
        {147, 691, CitiesPlace, 0, &UiState::citiesMenuOpen, &UiState::openedFromCities, 3, 3},
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
        const ListPlace place = c.place();
        Press(place.nameX + 5, place.rowsTop + place.rowHeight * c.row + 5);
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
    const ListPlace place = FinancePlace();
    const Inks& inks = PanelInks();
    struct Expected {
        int column, row; // rows 3 and 4: the army line and the total
        std::string text;
        Pixel colour;
    };
    auto money = [](double v) { return MoneyText(v); };
    const double army = soldiers * 0.10;
    const double total = 0.5 + 0 + (0.125 - 3) - army;
    const std::vector<Expected> expected = {
        {kPopColumn, 0, "4", inks.text},
        {kTaxColumn, 0, "25%", inks.text},
        {kIncomeColumn, 0, "0.50", inks.gain},
        {kScienceColumn, 0, "none", inks.faint},
        {kMilitaryColumn, 0, "none", inks.faint},
        {kNetColumn, 0, "+0.50", inks.gain},
        {kIncomeColumn, 1, "0.00", inks.gain},
        {kNetColumn, 1, "0.00", inks.text},
        {kScienceColumn, 2, "2.00", inks.loss},
        {kMilitaryColumn, 2, "1.00", inks.loss},
        {kNetColumn, 2, "-2.87", inks.loss},
        {kNetColumn, 3, "-" + money(army), inks.loss},
        {kNetColumn, 4, "-" + money(-total), inks.loss},
    };
    const int armyY = place.rowsTop + place.rowHeight * 3 + 6, totalY = armyY + place.rowHeight + 4;
    for (const Expected& e : expected) {
        const int y = e.row < 3 ? place.rowsTop + place.rowHeight * e.row + 4 : e.row == 3 ? armyY : totalY;
        const DrawRecord* r = TextAt(place.centre[e.column] - Measure(e.text, kTextSize) / 2, y);
        ASSERT_TRUE(r) << e.text;
        EXPECT_EQ(r->name, e.text);
        EXPECT_EQ(r->colour, e.colour) << e.text;
    }
    EXPECT_EQ(TextAt(place.nameX, armyY)->name, "Army expenses (0.10 gold per soldier, Despotism)");
    EXPECT_EQ(TextAt(place.nameX, totalY)->name, "Total profit per turn");
    // Under every paying government, in both languages, the line ends before the count.
    const std::string count = "x " + std::to_string(soldiers);
    for (int language : {1, 2})
        for (int government : {2, 3, 5}) {
            game.language = static_cast<uint8_t>(language);
            Civ(kPerson).government = static_cast<uint8_t>(government);
            Frame();
            const ListPlace now = FinancePlace();
            const DrawRecord* line = TextAt(now.nameX, armyY);
            const DrawRecord* counted = FindText(count);
            ASSERT_TRUE(line && counted);
            EXPECT_LT(line->x + Measure(line->name, kTextSize), counted->x) << line->name;
            EXPECT_LE(Extent(*line).right, now.window.ContentRight()) << line->name;
        }
    game.language = 1;
    Civ(kPerson).government = 2;

    // The Aztecs' soldiers work free: no amount, and the total keeps it.
    Civ(kPerson).nation = 2;
    Frame();
    EXPECT_EQ(TextAt(FinancePlace().nameX, armyY)->name, "Army expenses   (Aztec soldiers work free)");
    EXPECT_FALSE(FindText("-" + money(army)));
    EXPECT_TRUE(FindText("-" + money(-(total + army))));
    // Under Anarchy there is no army label at all, but still the count.
    Civ(kPerson).nation = 5;
    Civ(kPerson).government = 1;
    Frame();
    EXPECT_FALSE(TextAt(FinancePlace().nameX, armyY));
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
    const ListPlace place = FinancePlace();
    EXPECT_FALSE(RowName(place, 8).empty());
    EXPECT_EQ(RowName(place, 9), "") << "the tenth city has no row";
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
    const ListPlace place = CitiesPlace();
    EXPECT_EQ(RowName(place, 0), "Paris");
    const DrawRecord* happiness = FindText("71");
    ASSERT_TRUE(happiness);
    EXPECT_EQ(happiness->colour, PanelInks().text);
    EXPECT_NEAR(happiness->x + Measure("71", kTextSize), place.centre[kHappyColumn], 2);
    // The unit it works towards, cut to its card inside the row, and the building it
    // constructs, cut to the row.
    const std::vector<DrawRecord> units = Copies("unitOutlinesSprite.bmp");
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(units[0].source.left, 50 * (city.unitBuildItem - 1));
    const Rect row{place.rowsLeft, place.rowsTop, place.rowsRight, place.rowsTop + place.rowHeight};
    EXPECT_TRUE(Inside(Extent(units[0]), row));
    const std::vector<DrawRecord> buildings = Copies("buildingSprite.bmp");
    ASSERT_EQ(buildings.size(), 1u);
    EXPECT_EQ(buildings[0].source.left, (buildingPicture(5) - 1) % 10 * 48);
    EXPECT_TRUE(Inside(Extent(buildings[0]), row));
    EXPECT_FALSE(Overlap(Extent(units[0]), Extent(buildings[0])));
}

TEST_F(OverviewTest, CityRowsKeepToThemselvesWithSixCitiesOrMore) {
    // Big towns have the tallest pictures; each row's pictures, name and figures stay in
    // that row, and the list scrolls past six.
    for (int cities : {6, 9}) {
        SCOPED_TRACE(cities);
        while (Civ(kPerson).cityCount > 0) RemoveCity(Civ(kPerson).cities[1].x, Civ(kPerson).cities[1].y);
        for (int k = 0; k < cities; ++k) {
            CityData& city = FoundOwn(k, 30);
            city.buildItem = 35 + 1 + k;
        }
        ui.listScroll = 1;
        Press(147, 691);
        Frame();
        const ListPlace place = CitiesPlace();
        int drawn = 0;
        bool window = false; // what the map drew under the window is not the list's
        for (const DrawRecord& r : *platform.Log()) {
            window |= r.kind == DrawRecord::Sprite && r.source.left == kWindowPiece.left && r.source.top == 0;
            if (!window) continue;
            const bool picture = r.kind == DrawRecord::Sprite &&
                                 (r.name == "citySprite.bmp" || r.name == "unitOutlinesSprite.bmp" ||
                                  r.name == "buildingSprite.bmp" || r.name == "othersSprite.bmp");
            if (!picture &&
                !(r.kind == DrawRecord::Text && r.y >= place.rowsTop && r.y < place.window.HintY()))
                continue;
            // Only the list's own: not the header, the window's pieces, the news or the panel.
            if (r.y < place.rowsTop || r.x < place.window.left || r.x >= place.window.Right()) continue;
            const int row = (r.y - place.rowsTop) / place.rowHeight;
            ASSERT_LT(row, 6) << r.name << " at " << r.y;
            const Rect band{place.rowsLeft, place.rowsTop + place.rowHeight * row, place.rowsRight,
                            place.rowsTop + place.rowHeight * (row + 1)};
            EXPECT_TRUE(Inside(Extent(r), band)) << r.name << " at " << r.x << "," << r.y;
            if (r.name == "citySprite.bmp") {
                // The whole town: from above the tallest town's top (row 12 of 60) to the
                // picture's last row.
                EXPECT_LE(r.source.top % 60, 12);
                EXPECT_EQ(r.source.bottom % 60, 0);
                drawn += 1;
            }
        }
        EXPECT_EQ(drawn, 6) << "six towns shown";
        EXPECT_EQ(SpriteAt(place.arrowsX, place.arrowsY) != nullptr, cities > 6);
        FormKeyDown(kVkEscape, 0);
    }
}

TEST_F(OverviewTest, EveryOverviewKeepsItsTextsInsideItsWindowAndSaysHowToClose) {
    FoundOwnCities(9);
    for (int k = 0; k < 9; ++k) {
        CityData& city = *ListCity(k + 1);
        for (int p = 1; p <= kProducts; ++p) city.stock[p] = p * 97 * (k + 1);
    }
    Civ(kPerson).government = 3;
    game.year = 1500; // late in the game, when a player has long learned the keys, the hint stays
    struct Case {
        int buttonX, buttonY, page;
        WindowBox (*window)();
    };
    const std::vector<Case> cases = {
        {135, 733, 0, [] { return ProductsPlace().window; }},
        {174, 658, 0, [] { return FinancePlace().window; }},
        {147, 691, 0, [] { return CitiesPlace().window; }},
        {173, 725, 1, StatsWindow},
        {173, 725, 2, StatsWindow},
        {173, 725, 3, StatsWindow},
    };
    for (int language : {1, 2})
        for (const Case& c : cases) {
            game.language = static_cast<uint8_t>(language);
            SCOPED_TRACE(std::to_string(language) + " " + std::to_string(c.buttonX) + " " +
                         std::to_string(c.page));
            Press(c.buttonX, c.buttonY);
            if (c.page != 0) PressAt(PagePlate(c.page - 1));
            Frame();
            const WindowBox box = c.window();
            const Rect inside{box.left + 12, box.top + 12, box.Right() - 12, box.Bottom() - 12};
            EXPECT_LE(box.Bottom(), 615) << "the panel's buttons stay free";
            // Every text the window writes (those starting in it) ends in it.
            for (const DrawRecord& r : *platform.Log())
                if (r.kind == DrawRecord::Text &&
                    Within(r.x, r.y, box.left, box.top, box.Right(), box.Bottom())) {
                    EXPECT_TRUE(Inside(Extent(r), inside)) << r.name;
                }
            const DrawRecord* hint = FindText(Tr("Press Esc to close", "Kapatmak için ESC'ye basın"));
            ASSERT_TRUE(hint);
            EXPECT_EQ(hint->colour, PanelInks().faint);
            // The close plate moves with the window; a press on it closes the window.
            PressAt(box.Close());
            EXPECT_FALSE(ui.productsMenuOpen || ui.financeMenuOpen || ui.citiesMenuOpen || ui.statsMenuOpen);
        }
}

TEST_F(OverviewTest, InksFollowTheLightnessOfThePanel) {
    // Dark ink on a light panel, light writing on a dark one: read from the picture.
    FoundOwnCities(2);
    Surface& sheet = const_cast<Surface&>(SheetSurface(Sheet::Backgrounds));
    Press(147, 691);
    for (const bool light : {true, false}) {
        SCOPED_TRACE(light);
        for (int y = kWindowPiece.top + 40; y < kWindowPiece.bottom - 40; ++y)
            for (int x = kWindowPiece.left + 40; x < kWindowPiece.right - 40; ++x)
                sheet.SetPixel(x, y, light ? Rgb(240, 228, 196) : Rgb(40, 30, 22));
        ui.surfacesLoaded += 1; // as after a reload of the sheets
        EXPECT_EQ(PanelInks().text, light ? kDarkInks.text : kLightInks.text);
        // The row under the pointer lies on the highlight: its names take the highlight's inks.
        const ListPlace place = CitiesPlace();
        Frame(place.nameX, place.rowsTop + place.rowHeight + 5);
        EXPECT_EQ(TextIn(place.nameX, place.rowsTop, place.rowHeight)->colour, PanelInks().text);
        EXPECT_EQ(TextIn(place.nameX, place.rowsTop + place.rowHeight, place.rowHeight)->colour,
                  InksOn(kHighlight, Sheet::Backgrounds).text);
    }
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
    const GraphPlace place = StatsGraphPlace();
    const int nameX = place.legendX + 34, firstY = place.top + 25;
    const DrawRecord* first = TextAt(nameX, firstY);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name, "Franks");
    EXPECT_EQ(first->colour, PanelInks().text) << "in ink, beside a swatch of its colour";
    EXPECT_EQ(TextAt(nameX, firstY + 13)->name, "(pop: 9)");
    EXPECT_EQ(TextAt(nameX, firstY + 90)->name, "Romans");
    // Equal strength: each band fills half of the 179 pixels.
    const Surface& screen = platform.Screen();
    const int x = place.graphX + 110;
    EXPECT_EQ(screen.GetPixel(place.legendX - 10, firstY + 6), CivGraphColour(1)) << "the swatch";
    EXPECT_EQ(screen.GetPixel(x, place.top + 35), CivGraphColour(1));
    EXPECT_EQ(screen.GetPixel(x, place.top + 175), CivGraphColour(2));
    EXPECT_EQ(screen.GetPixel(x, place.top + 90), kBlack) << "the line between the bands";

    // A game past the table's last entry reads its graph and legend from the entries it has.
    game.turn = 400;
    for (int t = 1; t <= kPowerHistory; ++t) Civ(1).powerHistory[t] = Civ(2).powerHistory[t] = 0;
    Civ(1).powerHistory[kPowerHistory] = 1000;
    Frame();
    EXPECT_EQ(TextAt(nameX, firstY + 13)->name, "(pop: 1000)");
    EXPECT_EQ(screen.GetPixel(place.graphX + 300, place.top + 175), CivGraphColour(1))
        << "the last column is the latest turn";
    EXPECT_EQ(screen.GetPixel(place.graphX + 10, place.top + 175), CivGraphColour(2));
}

TEST_F(OverviewTest, BiggestCitiesAreListedLargestFirst) {
    FoundOwn(0, 3);
    FoundOwn(1, 5);
    Found(kComputer, 20, 8, 2);
    City(20, 8).size = 12;
    Found(kTurks, 20, 14, 2);
    City(20, 14).size = 5; // as big as the Franks' second city, and later in the order
    Press(173, 725);
    PressAt(PagePlate(1));
    ASSERT_EQ(ui.statsPage, 2);
    Frame();
    struct Row {
        const char* name;
        const char* nation;
    };
    const std::vector<Row> rows = {
        {"Rome", "Romans"}, {"Orleans", "Franks"}, {"Bursa", "Turks"}, {"Paris", "Franks"}};
    int lastY = 0;
    for (const Row& row : rows) {
        const DrawRecord* name = FindText(row.name);
        ASSERT_TRUE(name) << row.name;
        EXPECT_GT(name->y, lastY) << row.name;
        lastY = name->y;
        // The nation on the same line, right of the name.
        bool nation = false;
        for (const DrawRecord& r : *platform.Log())
            nation |= r.kind == DrawRecord::Text && r.y == name->y && r.name == row.nation && r.x > name->x;
        EXPECT_TRUE(nation) << row.name;
    }
    int lines = 0;
    for (const DrawRecord& r : *platform.Log())
        lines += r.kind == DrawRecord::Text && r.name == "Franks" && r.y < StatsWindow().Bottom();
    EXPECT_EQ(lines, 2);
}

TEST_F(OverviewTest, DiplomacyNamesEachRivalsStanding) {
    Press(173, 725);
    PressAt(PagePlate(2));
    ASSERT_EQ(ui.statsPage, 3);
    Frame();
    const DiplomacyPlace place = DiplomacyLayout();
    const Inks& inks = PanelInks();
    struct Row {
        const char* word;
        Pixel colour;
        bool talk;
    };
    const std::vector<Row> rows = {
        {"Friend", inks.friendly, true},  // the Romans, relation 30
        {"Enemy", inks.loss, true},       // the Turks, 10
        {"Unknown", inks.text, false},    // the Aztecs, never met
        {"Destroyed", inks.faint, false}, // the Vikings, nothing left
    };
    for (size_t g = 0; g < rows.size(); ++g) {
        const int y = place.rowsTop + place.rowHeight * static_cast<int>(g) + 8;
        const DrawRecord* word = TextAt(place.relationX, y);
        ASSERT_TRUE(word) << g;
        EXPECT_EQ(word->name, rows[g].word);
        EXPECT_EQ(word->colour, rows[g].colour);
        EXPECT_EQ(TextAt(place.talkX + 7, y) != nullptr, rows[g].talk) << rows[g].word;
        EXPECT_EQ(TextAt(place.nameX, y)->colour, inks.text) << "names in ink, their colour in a swatch";
    }
    EXPECT_EQ(TextAt(place.talkX + 7, place.rowsTop + 8)->name, "Talk with leader of Romans");
    EXPECT_FALSE(TextAt(place.relationX, place.rowsTop + place.rowHeight * 4 + 8))
        << "neither the player nor the natives are listed";
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
        PressAt(PagePlate(2));
        platform.ClearLog();
        const DiplomacyPlace place = DiplomacyLayout();
        Press(place.talkX + 40, place.rowsTop + 12);
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
    PressAt(PagePlate(2));
    const DiplomacyPlace place = DiplomacyLayout();
    Press(place.talkX + 40, place.rowsTop + place.rowHeight + 12); // the Turks
    Frames(3);
    PressAt(PagePlate(0)); // to the graph: the countdown halts
    Frames(10);
    EXPECT_EQ(ui.closeCountdown, 5);
    EXPECT_EQ(ui.statsMenuOpen, 1);
    PressAt(PagePlate(2));
    Frames(5);
    EXPECT_EQ(ui.dialogCode, 46);
    EXPECT_EQ(ui.dialogPartyB, kTurks);

    // Closed before the countdown ran out: no dialog, and nothing left counting down.
    ui.dialogCode = 0;
    Press(173, 725);
    PressAt(PagePlate(2));
    Press(place.talkX + 40, place.rowsTop + 12);
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
        // The Talk label on its plate, the page names on theirs.
        for (int nation = 1; nation <= 10; ++nation)
            EXPECT_LE(7 + Measure(TalkLabel(nation), kSmallSize), 153 - 3) << TalkLabel(nation);
        for (const char* page : {Tr("Population Graph", "Nüfus Çizelgesi"),
                                 Tr("Biggest 6 Cities", "En Büyük 6 Şehir"), Tr("Diplomacy", "Diplomasi")})
            EXPECT_LE(Measure(page, kSmallSize), 104 - 8) << page;
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
                const ListPlace place = FinancePlace();
                const DrawRecord* label = TextAt(place.nameX, place.rowsTop + place.rowHeight + 6);
                const DrawRecord* counted = FindText(count);
                ASSERT_TRUE(label && counted);
                EXPECT_LT(label->x + Measure(label->name, kTextSize), counted->x) << label->name;
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
    // crosses its partners' columns 15 pixels apart.
    auto mark = [this](int row, int column) {
        const DiplomacyPlace place = DiplomacyLayout();
        return platform.BackBuffer().GetPixel(place.politicsX + kPoliticsStep * column + 6,
                                              place.rowsTop + place.rowHeight * row + 16);
    };
    struct Case {
        double relation;
        Pixel seen;
    };
    for (const Case& c : std::vector<Case>{{13, PanelInks().loss}, {25, Rgb(0, 120, 0)}}) {
        SCOPED_TRACE(c.relation);
        Civ(kComputer).relation[kTurks] = Civ(kTurks).relation[kComputer] = c.relation;
        Civ(kComputer).relation[kAztecs] = Civ(kAztecs).relation[kComputer] = 13;
        Press(173, 725);
        PressAt(PagePlate(2));
        Frame();
        EXPECT_EQ(mark(0, 1), c.seen) << "the Romans' row, the Turks' column";
        EXPECT_EQ(mark(1, 0), c.seen) << "and the other way round";
        EXPECT_NE(mark(0, 2), PanelInks().loss) << "we never met the Aztecs: their wars are not ours to know";
        EXPECT_NE(mark(0, 0), PanelInks().loss) << "nobody is at war with itself";
        ui.statsMenuOpen = 0;
    }
    // A rival that broke a peace is marked where its row meets its own column.
    Civ(kTurks).warCounter = 1;
    Press(173, 725);
    PressAt(PagePlate(2));
    Frame();
    const DiplomacyPlace place = DiplomacyLayout();
    const DrawRecord* broke =
        TextAt(place.politicsX + kPoliticsStep + 4, place.rowsTop + place.rowHeight + 8);
    ASSERT_TRUE(broke);
    EXPECT_EQ(broke->name, "!");
    EXPECT_FALSE(TextAt(place.politicsX + 4, place.rowsTop + 8)) << "the Romans kept their word";
    for (const char* legend : {"at war", "at peace", "broke a treaty"})
        EXPECT_TRUE(FindText(legend)) << legend;
}
