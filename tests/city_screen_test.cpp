// The city screen, driven by presses as a player gives them: its controls, its refusals,
// its sounds and advisories, and a whole round from founding a city to its next turn.
#include "city_fixture.h"
#include "fixtures.h"

#include "economy/city_commands.h"
#include "economy/news.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/numbers.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/map_view.h"
#include "ui/text.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <algorithm>
#include <string>

namespace city_test {

using namespace annals::city_screen;

class CityScreenTest : public CityFixture {
protected:
    void SetUp() override {
        CityFixture::SetUp();
        InstallShellHost(platform);
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).explored = 1;
        ui.gameStarted = 1;
        game.viewX = game.viewY = 1;
    }
    void TearDown() override {
        UninstallShellHost();
        CityFixture::TearDown();
    }

    CityData& OpenAt(int x, int y, int size) {
        CityData& city = Found(kPerson, x, y, size);
        ShowCityScreen(x, y, CityScreenFrom::Map);
        platform.ClearLog();
        return city;
    }
    void Press(int x, int y, int button = 0) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(button, 0, x, y);
        BaseMouseUp(button, 0, x, y);
    }
    void Drag(int x, int y, int tx, int ty) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseMove(0, tx, ty);
        BaseMouseUp(0, 0, tx, ty);
    }
    // The text pass of one frame, as the information panel runs it.
    void TextPass() { WriteCityMenuTexts(); }
    static int CellX(int dx) { return kAreaLeft + 50 * (dx + 2) + 25; }
    static int CellY(int dy) { return kAreaTop + 50 * (dy + 2) + 25; }
    int Count(DrawRecord::Kind kind, const std::string& name) {
        int n = 0;
        for (const DrawRecord& r : *platform.Log()) n += r.kind == kind && r.name == name;
        return n;
    }
    bool Wrote(int x, int y, const std::string& text) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text && r.x == x && r.y == y && r.name.find(text) != std::string::npos)
                return true;
        return false;
    }
    // The row of a product in the column.
    static int RowOf(const CityData& city, int product) {
        int rows[kMaxProductRows + 1];
        const int n = ProductRows(city, rows);
        for (int r = 1; r <= n; ++r)
            if (rows[r] == product) return r;
        return 0;
    }
    // Presses the product's button and the pop-up's row.
    void ProductMenuRow(const CityData& city, int product, int row) {
        const int r = RowOf(city, product);
        ASSERT_NE(r, 0);
        Press(833, 348 + 13 * (r - 1));
        ASSERT_EQ(ui.productMenu, 100 * product + r);
        Press(ui.popupX + 10, ui.popupY + 20 + 15 * (row - 1) + 5);
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

TEST_F(CityScreenTest, SpendingButtonsStopAtTheirLimits) {
    struct Case {
        int x, y;
        int start, expected;
        uint8_t CityData::*field;
        bool sound;
    };
    const Case cases[] = {
        {735, 207, 8, 9, &CityData::scienceLevel, true},   {735, 207, 9, 9, &CityData::scienceLevel, false},
        {705, 207, 1, 0, &CityData::scienceLevel, true},   {705, 207, 0, 0, &CityData::scienceLevel, false},
        {735, 221, 9, 9, &CityData::militaryLevel, false}, {705, 221, 3, 2, &CityData::militaryLevel, true},
        {745, 248, 65, 70, &CityData::taxRate, true},      {745, 248, 70, 70, &CityData::taxRate, false},
        {705, 248, 5, 0, &CityData::taxRate, true},        {705, 248, 0, 0, &CityData::taxRate, false},
    };
    CityData& city = OpenAt(8, 8, 2);
    for (const Case& c : cases) {
        city.*c.field = static_cast<uint8_t>(c.start);
        platform.ClearLog();
        Press(c.x, c.y);
        EXPECT_EQ(city.*c.field, c.expected) << c.x << "," << c.y << " from " << c.start;
        EXPECT_EQ(Count(DrawRecord::Sound, "adjust"), c.sound ? 1 : 0) << c.x << "," << c.y;
    }
}

TEST_F(CityScreenTest, SellingByPressAndByHover) {
    CityData& city = OpenAt(8, 8, 2);
    Civ(kPerson).gold = 10;
    AddNews(kPerson, 8, 8, kNewsStoreFull + kGold);
    AddNews(kPerson, 8, 8, kNewsGrew);
    city.stock[kGold] = 150;
    city.storageCapacity = 150;
    ProductMenuRow(city, kGold, 1);
    EXPECT_DOUBLE_EQ(Civ(kPerson).gold, 10 + 150.0 * productPrice(kGold) / 100);
    EXPECT_EQ(city.stock[kGold], 0);
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(Civ(kPerson).news[1], NewsCode(8, 8, kNewsGrew));
    EXPECT_EQ(Count(DrawRecord::Sound, "golds"), 1);
    EXPECT_EQ(ui.productMenu, 0);

    // Resting on the row opens its pop-up for one frame; a press on the row sells.
    city.stock[kCotton] = 40;
    const double before = Civ(kPerson).gold;
    const int r = RowOf(city, kCotton);
    BaseMouseMove(0, 700, 340 + 13 * r);
    TextPass();
    EXPECT_EQ(ui.productMenu, 100 * kCotton + r);
    BaseMouseDown(0, 0, 700, 340 + 13 * r);
    BaseMouseUp(0, 0, 700, 340 + 13 * r);
    EXPECT_EQ(city.stock[kCotton], 0);
    EXPECT_DOUBLE_EQ(Civ(kPerson).gold, before + 40.0 * productPrice(kCotton) / 100);

    // Selling an empty stock does nothing, and a hover pop-up left behind sells nothing elsewhere.
    city.stock[kCotton] = 30;
    BaseMouseMove(0, 700, 340 + 13 * RowOf(city, kCotton));
    TextPass();
    Press(735, 207);
    EXPECT_EQ(city.stock[kCotton], 30);

    // The pointer goes from the row to the pop-up's "Sell": the pop-up stays, and the
    // press on its line sells.
    const int row = RowOf(city, kCotton);
    BaseMouseMove(0, 700, 340 + 13 * row);
    TextPass();
    ASSERT_EQ(ui.productMenu, 100 * kCotton + row);
    const int sellX = ui.popupX + 20, sellY = ui.popupY + 25;
    BaseMouseMove(0, 830, 340 + 13 * row);
    TextPass();
    BaseMouseMove(0, sellX, sellY);
    TextPass();
    ASSERT_EQ(ui.productMenu, 100 * kCotton + row) << "the pop-up vanished on the way to its line";
    BaseMouseDown(0, 0, sellX, sellY);
    BaseMouseUp(0, 0, sellX, sellY);
    EXPECT_EQ(city.stock[kCotton], 0);
}

TEST_F(CityScreenTest, LoadingAWagonTrainThreeTimes) {
    CityData& city = OpenAt(8, 8, 2);
    AddUnit(kPerson, kWagonTrain, 8, 8);
    const int wagon = Civ(kPerson).unitCount;
    city.stock[kCloth] = 250;
    city.storageCapacity = 300;
    ProductMenuRow(city, kCloth, 3);
    EXPECT_EQ(Unit(kPerson, wagon).cargo[1], 1000 * kCloth + 100);
    ProductMenuRow(city, kCloth, 3);
    EXPECT_EQ(Unit(kPerson, wagon).cargo[2], 1000 * kCloth + 100);
    EXPECT_EQ(city.stock[kCloth], 50);
    ProductMenuRow(city, kCloth, 3);
    EXPECT_EQ(Count(DrawRecord::Message, "There is no room for new cargo in this unit."), 1);
    EXPECT_EQ(city.stock[kCloth], 50);
}

TEST_F(CityScreenTest, UnloadingStoneOverCapacityMovesTheRestUp) {
    CityData& city = OpenAt(8, 8, 2);
    city.storageCapacity = 200;
    city.stock[kStone] = 150;
    AddUnit(kPerson, kWagonTrain, 8, 8);
    const int wagon = Civ(kPerson).unitCount;
    Unit(kPerson, wagon).cargo[1] = 1000 * kStone + 80;
    Unit(kPerson, wagon).cargo[2] = 1000 * kCloth + 30;
    const FigureSpot& spot = kFigureSpots[5];
    Press(spot.x, spot.y);
    ASSERT_EQ(ui.cargoMenu, 5);
    EXPECT_EQ(Count(DrawRecord::Sound, "click"), 1);
    Press(ui.popupX + 20, ui.popupY + 25);
    EXPECT_EQ(city.stock[kStone], 200);
    EXPECT_EQ(Unit(kPerson, wagon).cargo[1], 1000 * kCloth + 30);
    EXPECT_EQ(Unit(kPerson, wagon).cargo[2], 0);
    // Pressing the figure again closes its pop-up.
    Press(spot.x, spot.y);
    EXPECT_EQ(ui.cargoMenu, 0);
}

TEST_F(CityScreenTest, UnloadingKeepsTheLinksOfCarriedUnits) {
    CityData& city = Found(kPerson, 8, 8, 2);
    AddUnit(kPerson, kCaravel, 8, 8);
    const int ship = Civ(kPerson).unitCount;
    AddUnit(kPerson, kWarrior, 8, 8);
    const int warrior = Civ(kPerson).unitCount;
    Unit(kPerson, ship).cargo[1] = 1000 * kFur + 20;
    Unit(kPerson, ship).cargo[2] = 100000 + warrior;
    Unit(kPerson, warrior).carrierLink = ship * 1000 + 2;
    EXPECT_FALSE(UnloadCargo(city, ship, 2)); // a carried unit is no goods
    ASSERT_TRUE(UnloadCargo(city, ship, 1));
    EXPECT_EQ(Unit(kPerson, ship).cargo[1], 100000 + warrior);
    EXPECT_EQ(Unit(kPerson, warrior).carrierLink, ship * 1000 + 1);
    EXPECT_EQ(city.stock[kFur], 20);
}

TEST_F(CityScreenTest, EightBuildingsAreTheLimitButDestroyIsNot) {
    CityData& city = OpenAt(8, 8, 2);
    for (int b : {4, 5, 6, 7, 8, 9, 10, 11}) city.buildings[b] = 1;
    Civ(kPerson).knows[1] = 1;
    Press(366, 299);
    ASSERT_TRUE(ui.buildingListOpen);
    Press(400, 309);
    EXPECT_EQ(Count(DrawRecord::Message, "You cannot build more than 8 buildings in a city."), 1);
    EXPECT_EQ(city.buildItem, 0);
    EXPECT_FALSE(ui.buildingListOpen);

    // Taking down the building under construction gives its stone back, up to the store.
    city.buildItem = 35 + 33;
    city.buildProgress = 30;
    city.stock[kStone] = 90;
    city.storageCapacity = 100;
    Press(366, 299);
    Press(400, 309);
    EXPECT_EQ(city.buildItem, 0);
    EXPECT_EQ(city.buildProgress, 0);
    EXPECT_EQ(city.stock[kStone], 100);
    EXPECT_EQ(Count(DrawRecord::Message, "You cannot build more than 8 buildings in a city."), 1);
}

TEST_F(CityScreenTest, ChoosingProductionAndBuildingFromTheLists) {
    CityData& city = OpenAt(8, 8, 2);
    Civ(kPerson).knows[5] = 1; // Warrior Code: archers
    int choices[36];
    const int n = ProductionChoices(city, choices);
    ASSERT_GE(n, 2);
    Press(209, 223);
    ASSERT_TRUE(ui.productionListOpen);
    Press(300, 219 + 15 * (n - 1) + 5);
    EXPECT_EQ(city.unitBuildItem, choices[n - 1]);
    EXPECT_FALSE(ui.productionListOpen);
    int items[47];
    ASSERT_GE(BuildingChoices(city, items), 1);
    Press(366, 299);
    Press(400, 309);
    EXPECT_EQ(city.buildItem, items[0]);
}

TEST_F(CityScreenTest, MakeSettlerRefusedAtSizeOneAndOncePerTurn) {
    CityData& small = OpenAt(5, 5, 1);
    Work(small, 1, 0, kFood);
    auto settlerRow = [&](int dx, int dy) {
        Press(CellX(dx), CellY(dy), 1);
        ASSERT_TRUE(ui.workerMenuOpen);
        WorkerEntry entries[kMaxWorkerEntries];
        const int n = WorkerMenuEntries(*OpenCityData(), entries);
        Press(ui.popupX + 20, ui.popupY + 15 * n + 20);
    };
    settlerRow(1, 0);
    EXPECT_EQ(
        Count(DrawRecord::Message,
              "This city has a population of one, so you cannot turn your only citizen into a settler."),
        1);
    EXPECT_EQ(small.size, 1);

    EscapeKey();
    CityData& city = OpenAt(15, 15, 3);
    const int units = Civ(kPerson).unitCount;
    int dx = 0, dy = 0;
    for (int x = -2; x <= 2 && dx == 0 && dy == 0; ++x)
        for (int y = -2; y <= 2; ++y)
            if ((x != 0 || y != 0) && city.Worked(x, y)) dx = x, dy = y;
    settlerRow(dx, dy);
    EXPECT_EQ(city.size, 2);
    EXPECT_EQ(Civ(kPerson).unitCount, units + 1);
    EXPECT_EQ(Unit(kPerson, units + 1).type, kSettler);
    EXPECT_FALSE(city.Worked(dx, dy)); // the picked citizen is the one who left
    for (int x = -2; x <= 2; ++x)
        for (int y = -2; y <= 2; ++y)
            if ((x != 0 || y != 0) && city.Worked(x, y)) dx = x, dy = y;
    settlerRow(dx, dy);
    EXPECT_EQ(city.size, 2);
    EXPECT_EQ(Count(DrawRecord::Message,
                    "You have already taken a citizen from this city this turn so you cannot "
                    "do this one more time."),
              1);
}

TEST_F(CityScreenTest, WorkersDraggedToCellsAndJobBoxes) {
    CityData& city = OpenAt(8, 8, 2);
    city.buildings[33] = 1; // a Temple, with two places for priests
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) city.Worked(dx, dy) = city.WorkedProduct(dx, dy) = 0;
    Work(city, 0, 0, kFood);
    Work(city, 1, 0, kCotton);
    Work(city, 0, 1, kFood);
    ASSERT_TRUE(FreeCellForCity(city, 8, 7));

    // Onto a free cell of the area: the citizen keeps his product.
    Drag(CellX(1), CellY(0), CellX(0), CellY(-1));
    EXPECT_FALSE(city.Worked(1, 0));
    EXPECT_TRUE(city.Worked(0, -1));
    EXPECT_EQ(city.WorkedProduct(0, -1), kCotton);
    EXPECT_EQ(city.releaseX, 0);

    // Outside the area nothing changes.
    ASSERT_FALSE(InCityArea(city, 10, 10));
    Drag(CellX(0), CellY(-1), CellX(2), CellY(2));
    EXPECT_TRUE(city.Worked(0, -1));
    EXPECT_FALSE(city.Worked(2, 2));

    // Into the Temple's box, and from there back onto land, where he works Food.
    Drag(CellX(0), CellY(-1), 210, 440);
    EXPECT_FALSE(city.Worked(0, -1));
    EXPECT_EQ(city.jobs[33], 1);
    Drag(227, 440, CellX(-1), CellY(0));
    EXPECT_EQ(city.jobs[33], 0);
    EXPECT_TRUE(city.Worked(-1, 0));
    EXPECT_EQ(city.WorkedProduct(-1, 0), kFood);
    EXPECT_FALSE(ui.workerDragging);
}

TEST_F(CityScreenTest, WorkerPopupSetsProductsAndJobs) {
    CityData& city = OpenAt(8, 8, 2);
    city.buildings[33] = 1;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) city.Worked(dx, dy) = city.WorkedProduct(dx, dy) = 0;
    Work(city, 0, 0, kFood);
    Work(city, 1, 0, kFood);
    Press(CellX(1), CellY(0), 1);
    ASSERT_TRUE(ui.workerMenuOpen);
    WorkerEntry entries[kMaxWorkerEntries];
    const int n = WorkerMenuEntries(city, entries);
    int cotton = 0, temple = 0;
    for (int i = 0; i < n; ++i) {
        if (entries[i].code == kCotton) cotton = i + 1;
        if (entries[i].code == 14 + 33) temple = i + 1;
    }
    ASSERT_NE(cotton, 0);
    ASSERT_NE(temple, 0);
    Press(ui.popupX + 20, ui.popupY + 5 + 15 * (cotton - 1) + 5);
    EXPECT_EQ(city.WorkedProduct(1, 0), kCotton);
    EXPECT_FALSE(ui.workerMenuOpen);
    EXPECT_EQ(city.releaseX, 0);
    Press(CellX(1), CellY(0), 1);
    Press(ui.popupX + 20, ui.popupY + 5 + 15 * (temple - 1) + 5);
    EXPECT_FALSE(city.Worked(1, 0));
    EXPECT_EQ(city.jobs[33], 1);
    // A press outside the pop-up closes it and forgets the pick.
    Press(CellX(-1), CellY(-1));
    Press(227, 440, 1);
    ASSERT_TRUE(ui.workerMenuOpen);
    Press(900, 700);
    EXPECT_FALSE(ui.workerMenuOpen);
    EXPECT_EQ(city.releaseX, 0);
}

TEST_F(CityScreenTest, OpeningAndClosingForgetThePickAndReopenTheList) {
    CityData& city = Found(kPerson, 8, 8, 2);
    city.releaseX = 9;
    city.releaseY = 8;
    ui.citiesMenuOpen = 1;
    ShowCityScreen(8, 8, CityScreenFrom::Cities);
    EXPECT_EQ(city.releaseX, 0);
    EXPECT_FALSE(ui.citiesMenuOpen);
    EXPECT_EQ(Count(DrawRecord::Sound, "city"), 1);
    Press(CellX(1), CellY(0), 1);
    Press(825, 140); // the close button: the pop-up goes, the list comes back
    EXPECT_EQ(ui.cityMenuX, 0);
    EXPECT_FALSE(ui.workerMenuOpen);
    EXPECT_TRUE(ui.citiesMenuOpen);
    EXPECT_EQ(city.releaseX, 0);

    // A stale pick (its cell no longer worked) moves nobody.
    ui.citiesMenuOpen = 0;
    ShowCityScreen(8, 8, CityScreenFrom::Map);
    city.releaseX = 10;
    city.releaseY = 10;
    EXPECT_FALSE(MoveWorkerToCell(city, 8, 7));
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.cityMenuX, 0);
    EXPECT_FALSE(ui.citiesMenuOpen);

    // Another civilization's city, and a news item whose city is gone, open nothing.
    Found(kComputer, 16, 16, 1);
    ShowCityScreen(16, 16, CityScreenFrom::Map);
    EXPECT_EQ(ui.cityMenuX, 0);
    AddNews(kPerson, 20, 20, kNewsGrew);
    Press(60, 600);
    EXPECT_EQ(ui.cityMenuX, 0);
}

// The note of the given kind shown for the open city, or null.
const CityNote* NoteOf(const CityNote* notes, int n, int kind) {
    for (int i = 0; i < n; ++i)
        if (notes[i].kind == kind) return &notes[i];
    return nullptr;
}

TEST_F(CityScreenTest, AdvisoriesShowWhenTheirConditionsHold) {
    struct Case {
        const char* what;
        void (*set)(CityData&);
        int kind;
        bool shown;
    };
    const Case cases[] = {
        {"no building under way", [](CityData&) {}, kStoneNote, true},
        {"building without stone", [](CityData& c) { c.buildItem = 35 + 33; }, kStoneNote, true},
        {"building with stone",
         [](CityData& c) {
             c.buildItem = 35 + 33;
             c.stock[kStone] = 20;
         },
         kStoneNote, false},
        {"starving", [](CityData& c) { c.production[kFood] = 1; }, kFoodNote, true},
        {"too much food", [](CityData& c) { c.production[kFood] = 40; }, kFoodNote, true},
        {"spending more than the treasury",
         [](CityData& c) {
             c.scienceLevel = 5;
             Civ(c.owner).gold = 20;
         },
         kTreasuryNote, true},
        {"treasury fine", [](CityData& c) { Civ(c.owner).gold = 1000; }, kTreasuryNote, false},
        {"store full", [](CityData& c) { c.stock[kCotton] = c.storageCapacity; }, kProductsNote, true},
        {"store full of stone only", [](CityData& c) { c.stock[kStone] = c.storageCapacity; }, kProductsNote,
         false},
        {"unhappy",
         [](CityData& c) {
             c.happiness = 50;
             c.taxRate = 70;
         },
         kUnhappinessNote, true},
        // A new city has no citizen to be unhappy, whatever its figures say.
        {"no citizens yet",
         [](CityData& c) {
             c.size = 0;
             c.happiness = 50;
             c.taxRate = 70;
         },
         kUnhappinessNote, false},
    };
    for (const Case& c : cases) {
        CityData& city = OpenAt(8, 8, 3);
        Civ(kPerson).gold = 1000;
        c.set(city);
        CityNote notes[kNoteKinds];
        const int n = CityNotes(city, notes);
        EXPECT_EQ(NoteOf(notes, n, c.kind) != nullptr, c.shown) << c.what;
        EscapeKey();
        RemoveCity(8, 8);
        static_cast<CityData&>(Cell(8, 8)) = CityData{};
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).workedByX = Cell(x, y).workedByY = 0;
    }
}

// With every note shown at once, in both languages: none covers the window, none leaves
// the screen, no two overlap, and every line written stands on its note's paper.
TEST_F(CityScreenTest, NotesStandBesideTheWindowAndHoldTheirLines) {
    HeadlessPlatform drawn{HeadlessOptions{true, true}};
    if (!drawn.TextPixelWidth("O", 8)) GTEST_SKIP() << "no font on this machine";
    InstallShellHost(drawn);
    CityData& city = OpenAt(8, 8, 3);
    city.production[kFood] = 1;                 // starving
    city.stock[kCotton] = city.storageCapacity; // a full store
    city.scienceLevel = 5;                      // spending beyond the treasury
    Civ(kPerson).gold = 20;
    city.happiness = 50; // unhappy, taxed hard
    city.taxRate = 70;
    const Pixel paper = Rgb(250, 240, 200), outside = Rgb(255, 0, 255);
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        CityNote notes[kNoteKinds];
        const int n = CityNotes(city, notes);
        EXPECT_EQ(n, kNoteKinds - 1) << "all but the soldiers' note";
        for (int i = 0; i < n; ++i) {
            const Rect b = notes[i].box;
            EXPECT_TRUE(b.right <= kCityWindow.left || b.left >= kCityWindow.right) << notes[i].kind;
            EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= 1024 && b.bottom <= 768) << notes[i].kind;
            for (int j = 0; j < i; ++j) {
                const Rect o = notes[j].box;
                EXPECT_TRUE(b.right <= o.left || o.right <= b.left || b.bottom <= o.top || o.bottom <= b.top);
            }
        }
        drawn.BackBuffer().FillRect({0, 0, 1024, 768}, outside);
        drawn.ClearLog();
        TextPass();
        int lines = 0;
        for (const DrawRecord& r : *drawn.Log()) {
            if (r.kind != DrawRecord::Text || r.size != 8) continue;
            const bool inNote = std::any_of(notes, notes + n, [&](const CityNote& note) {
                return r.x >= note.box.left && r.x < note.box.right && r.y >= note.box.top &&
                       r.y < note.box.bottom;
            });
            if (!inNote) continue;
            ++lines;
            EXPECT_EQ(drawn.Screen().GetPixel(r.x - 2, r.y), paper) << r.name;
            EXPECT_EQ(drawn.Screen().GetPixel(r.x - 2, r.y + 13), paper) << r.name << " runs below its box";
        }
        EXPECT_GT(lines, 20) << "every note is shown";
    }
    InstallShellHost(platform);
}

// A press on a note keeps the screen open; its mark closes it for this city until its
// cause changes.
TEST_F(CityScreenTest, AClosedNoteStaysClosedUntilItsCauseChanges) {
    CityData& city = OpenAt(8, 8, 3);
    city.production[kFood] = 1; // starving
    CityNote notes[kNoteKinds];
    int n = CityNotes(city, notes);
    const CityNote* food = NoteOf(notes, n, kFoodNote);
    ASSERT_NE(food, nullptr);
    const Rect box = food->box, mark = food->closeMark;
    Press((box.left + box.right) / 2, box.bottom - 3);
    EXPECT_EQ(ui.cityMenuX, 8) << "a press on a note closed the screen";
    EXPECT_NE(NoteOf(notes, CityNotes(city, notes), kFoodNote), nullptr);
    Press(mark.left + 5, mark.top + 5);
    EXPECT_EQ(ui.cityMenuX, 8);
    EXPECT_EQ(NoteOf(notes, CityNotes(city, notes), kFoodNote), nullptr);
    // Still starving when the screen opens again: still closed.
    EscapeKey();
    ShowCityScreen(8, 8, CityScreenFrom::Map);
    city.production[kFood] = 1;
    EXPECT_EQ(NoteOf(notes, CityNotes(city, notes), kFoodNote), nullptr);
    // No longer starving but not growing: another cause, told at once; then starving
    // again, which is news again.
    city.production[kFood] = 6;
    EXPECT_NE(NoteOf(notes, CityNotes(city, notes), kFoodNote), nullptr);
    city.production[kFood] = 1;
    EXPECT_NE(NoteOf(notes, CityNotes(city, notes), kFoodNote), nullptr);
}

// Figures that are nothing carry no sign: no "-0" of corruption or use.
TEST_F(CityScreenTest, ZeroFiguresHaveNoSign) {
    CityData& city = OpenAt(8, 8, 3);
    city.consumption[kFood] = 0;
    platform.ClearLog();
    TextPass();
    EXPECT_TRUE(Wrote(710, 284, "(0.0 corruption)"));
    for (const DrawRecord& r : *platform.Log())
        if (r.kind == DrawRecord::Text) {
            EXPECT_NE(r.name, "-0");
        }
}

// Production is paid at the end of each turn and what is paid for is made at once: a
// unit already paid for comes at the end of this turn, never in "0 turns".
TEST_F(CityScreenTest, TurnsLeftCountTheEndsOfTurnBeforeTheUnitIsMade) {
    const struct {
        double need, perTurn;
        int turns;
    } kCases[] = {{7, 2, 4}, {8, 2, 4}, {1, 3, 1}, {0, 2, 1}, {-5, 0, 1}, {7, 0, -1}};
    for (const auto& c : kCases)
        EXPECT_EQ(TurnsLeft(c.need, c.perTurn), c.turns) << c.need << " / " << c.perTurn;
}

// The tax rate and its income, as each language writes a share and a figure per turn,
// and the city's happiness beside them.
TEST_F(CityScreenTest, TaxesIncomeAndHappinessReadInEachLanguage) {
    CityData& city = OpenAt(8, 8, 3);
    city.taxRate = 25;
    city.happiness = 58.7;
    const std::string income = std::to_string(Round(TaxIncome(city)));
    const struct {
        int language;
        const char *rate, *line, *happiness;
    } kCases[] = {{1, "25%", "25%  (%s per turn)", "Happiness"}, {2, "%25", "%25  (turda %s)", "Mutluluk"}};
    for (const auto& c : kCases) {
        game.language = static_cast<uint8_t>(c.language);
        platform.ClearLog();
        TextPass();
        std::string line = c.line;
        line.replace(line.find("%s"), 2, income);
        EXPECT_TRUE(Wrote(715, 242, c.rate)) << c.rate;
        EXPECT_TRUE(Wrote(710, 299, line)) << line;
        EXPECT_TRUE(Wrote(646, 270, c.happiness));
        EXPECT_TRUE(Wrote(715, 270, "58"));
    }
}

TEST_F(CityScreenTest, EveryTextHasATurkishForm) {
    CityData& city = OpenAt(8, 8, 3);
    city.stock[kCotton] = city.storageCapacity;
    city.scienceLevel = 5;
    Civ(kPerson).gold = 2;
    city.happiness = 40;
    city.taxRate = 70;
    AddUnit(kPerson, kWagonTrain, 8, 8);
    game.language = 2;
    ui.productionListOpen = 1;
    TextPass();
    ui.productionListOpen = 0;
    ui.buildingListOpen = 1;
    TextPass();
    ui.buildingListOpen = 0;
    Press(CellX(1), CellY(0), 1);
    TextPass();
    Press(900, 700);
    ProductMenuRow(city, kCotton, 2);
    Press(833, 348 + 13 * (RowOf(city, kCotton) - 1));
    TextPass();
    Press(900, 700);
    Unit(kPerson, Civ(kPerson).unitCount).cargo[1] = 1000 * kCloth + 30;
    Press(kFigureSpots[5].x, kFigureSpots[5].y);
    ASSERT_EQ(ui.cargoMenu, 5);
    TextPass();
    EXPECT_TRUE(Wrote(ui.popupX + 5, ui.popupY + 21, "Boşalt: 30"));
    for (const DrawRecord& r : *platform.Log()) {
        if (r.kind != DrawRecord::Text) continue;
        for (const char* english :
             {"WARNING", "turns", "Turns", "gold", "Tons", "Make settler", "Sell", "Load", "Destroy",
              "corruption", "per turn", "close", "stocks", "Taxes", "Unload", "Each"})
            EXPECT_EQ(r.name.find(english), std::string::npos) << r.name;
    }
}

// The names beside the figures: each language has every one, written on one line at its
// place, and no line runs past its box in the width table or in the letters drawn.
TEST_F(CityScreenTest, EveryLabelIsWrittenInsideItsBoxInBothLanguages) {
    CityData& city = OpenAt(8, 8, 3);
    city.taxRate = 70;        // a reason to be unhappy, so that the reasons' heading shows
    city.buildItem = 35 + 39; // a wonder: the dearest building, its stone still to come
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        platform.ClearLog();
        TextPass();
        for (const CityLabel& l : kCityLabels) {
            const std::string text = language == 1 ? l.english : l.turkish;
            ASSERT_FALSE(text.empty());
            if (language == 2) {
                EXPECT_NE(text, l.english) << "an English label in a Turkish game";
            }
            EXPECT_EQ(WrappedLines(text, 8, l.right - l.left).size(), 1u) << text << " leaves its box";
            EXPECT_TRUE(Wrote(l.left, l.top, text)) << text << " is not written";
        }
        // The building under construction says on one line, in the first job box, how
        // much stone it still needs.
        EXPECT_TRUE(Wrote(177, 415, language == 1 ? "200 stone left" : "200 taş kaldı"));
    }
}

// The open screen, drawn with its pictures, covers the map in every part of its layout.
class CityScreenPictureTest : public CityFixture {
protected:
    static void SetUpTestSuite() {
        gameFolder = ANNALS_GAME_DIR;
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
    }
    static void TearDownTestSuite() { FreeSurfaces(); }
    void SetUp() override {
        CityFixture::SetUp();
        InstallShellHost(platform);
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).explored = 1;
        ui.gameStarted = 1;
    }
    void TearDown() override {
        UninstallShellHost();
        CityFixture::TearDown();
    }
    HeadlessPlatform platform{HeadlessOptions{true, false}};
};

TEST_F(CityScreenPictureTest, TheOpenScreenDiffersFromTheMapInEveryArea) {
    CityData& city = Found(kPerson, 12, 10, 3);
    city.buildings[33] = 1;
    city.jobs[33] = 1;
    city.buildItem = 35 + 1;
    city.happiness = 40;
    city.taxRate = 60;
    city.stock[kCotton] = 30;
    ComputeProduction(city);
    AddUnit(kPerson, kWarrior, 12, 10);
    AddUnit(kPerson, kWagonTrain, 12, 10);
    CentreViewOn(12, 10);
    TimerFunction();
    const Surface map = platform.Screen();
    ShowCityScreen(12, 10, CityScreenFrom::Map);
    TimerFunction();
    const Surface& screen = platform.Screen();
    struct Area {
        const char* what;
        Rect r;
    };
    const Area areas[] = {
        {"close button", {807, 131, 844, 152}}, {"title", {440, 112, 620, 142}},
        {"growth", {461, 171, 561, 190}},       {"work area", {387, 195, 637, 445}},
        {"military", {186, 199, 300, 240}},     {"city view", {180, 320, 380, 400}},
        {"job boxes", {175, 414, 370, 590}},    {"spending", {699, 198, 760, 255}},
        {"income", {699, 256, 800, 310}},       {"products", {646, 346, 840, 380}},
        {"unhappiness", {653, 490, 860, 520}},  {"advisories", {16, 380, 184, 460}},
    };
    for (const Area& a : areas) {
        int differing = 0;
        for (int y = a.r.top; y < a.r.bottom; ++y)
            for (int x = a.r.left; x < a.r.right; ++x)
                differing += screen.GetPixel(x, y) != map.GetPixel(x, y);
        // The work area shows the very land of the map behind it, with workers and overlays.
        EXPECT_GT(differing, (a.r.right - a.r.left) * (a.r.bottom - a.r.top) / 20) << a.what;
    }
}

// A whole round driven by presses: found a city, open it from the map, choose its unit
// and building, move a citizen, sell and load goods, close it, and see its next turn.
TEST(CityScreenRound, FromANewGameToTheCitysNextTurn) {
    HeadlessPlatform platform{HeadlessOptions{false, true}};
    InstallShellHost(platform);
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    // A settler of his own where a city may be founded.
    int x = 0, y = 0;
    for (int cx = 5; cx < game.mapWidth - 4 && x == 0; ++cx)
        for (int cy = 5; cy < game.mapHeight - 4 && x == 0; ++cy) {
            const MapCell& c = Cell(cx, cy);
            if (c.terrain != kSea && c.terrain != kArtic && !c.forest && !c.hill && !c.cornfield &&
                c.unitCount == 0)
                x = cx, y = cy;
        }
    ASSERT_NE(x, 0);
    AddUnit(1, kSettler, x, y);
    ui.gameStarted = 1;
    ui.frameDrawn = 1;
    game.currentUnit = Civ(1).unitCount;
    FormKeyDown('B', 0);
    for (const DrawRecord& r : *platform.Log())
        if (r.kind == DrawRecord::Message) ADD_FAILURE() << r.name;
    ASSERT_TRUE(Cell(x, y).hasCity);
    EXPECT_EQ(ui.dialogCode, 0);
    // The first city asks for a science to research; the player takes the one offered.
    if (ui.scienceTableOpen) {
        FormKeyDown(kVkDown, 0);
        FormKeyDown(kVkReturn, 0);
        for (int i = 0; i < 10; ++i) TimerFunction();
    }
    ASSERT_FALSE(ui.scienceTableOpen);
    CityData& city = City(x, y);
    // Some turns later: two citizens, goods in store and a wagon train at the gate.
    AddCitizen(city);
    AddCitizen(city);
    Civ(1).knows[5] = 1;
    Civ(1).knows[1] = 1;
    AddUnit(1, kWagonTrain, x, y);
    const int wagon = Civ(1).unitCount;
    city.stock[kCotton] = 60;
    city.stock[kCloth] = 40;
    city.storageCapacity = 100;
    const double gold = Civ(1).gold;

    CentreViewOn(x, y);
    auto press = [](int px, int py, int button = 0) {
        BaseMouseMove(0, px, py);
        BaseMouseDown(button, 0, px, py);
        BaseMouseUp(button, 0, px, py);
    };
    const MapView view = MainView();
    press(CellLeft(view, x) + 25, CellTop(view, y) + 25);
    ASSERT_EQ(ui.cityMenuX, x);
    ASSERT_EQ(ui.cityMenuY, y);

    int units[36];
    const int n = ProductionChoices(city, units);
    press(209, 223);
    press(300, 219 + 15 * (n - 1) + 5);
    const int unit = units[n - 1];
    EXPECT_EQ(city.unitBuildItem, unit);
    int items[47];
    ASSERT_GE(BuildingChoices(city, items), 1);
    press(366, 299);
    press(400, 309);
    EXPECT_EQ(city.buildItem, items[0]);

    int wx = 0, wy = 0, fx = 0, fy = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx != 0 || dy != 0) && city.Worked(dx, dy)) wx = dx, wy = dy;
            if (FreeCellForCity(city, x + dx, y + dy)) fx = dx, fy = dy;
        }
    ASSERT_TRUE(wx != 0 || wy != 0);
    ASSERT_TRUE(fx != 0 || fy != 0);
    auto cx = [](int d) { return kAreaLeft + 50 * (d + 2) + 25; };
    auto cy = [](int d) { return kAreaTop + 50 * (d + 2) + 25; };
    BaseMouseMove(0, cx(wx), cy(wy));
    BaseMouseDown(0, 0, cx(wx), cy(wy));
    BaseMouseMove(0, cx(fx), cy(fy));
    BaseMouseUp(0, 0, cx(fx), cy(fy));
    EXPECT_TRUE(city.Worked(fx, fy));
    EXPECT_FALSE(city.Worked(wx, wy));

    int rows[kMaxProductRows + 1];
    const int count = ProductRows(city, rows);
    for (int r = 1; r <= count; ++r) {
        if (rows[r] == kCotton) {
            press(833, 348 + 13 * (r - 1));
            press(ui.popupX + 10, ui.popupY + 25);
        }
    }
    EXPECT_EQ(city.stock[kCotton], 0);
    EXPECT_GT(Civ(1).gold, gold);
    const int clothRow = [&] {
        const int c = ProductRows(city, rows);
        for (int r = 1; r <= c; ++r)
            if (rows[r] == kCloth) return r;
        return 0;
    }();
    ASSERT_NE(clothRow, 0);
    press(833, 348 + 13 * (clothRow - 1));
    press(ui.popupX + 10, ui.popupY + 20 + 30 + 5);
    EXPECT_EQ(Unit(1, wagon).cargo[1], 1000 * kCloth + 40);
    EXPECT_EQ(city.stock[kCloth], 0);

    press(825, 140);
    EXPECT_EQ(ui.cityMenuX, 0);

    const double progress = city.militaryProgress;
    RunCityTurns(1);
    EXPECT_EQ(city.unitBuildItem, unit);
    EXPECT_EQ(city.buildItem, items[0]);
    EXPECT_TRUE(city.Worked(fx, fy));
    EXPECT_GE(city.militaryProgress, progress);
    UninstallShellHost();
    ResetState();
}

} // namespace city_test
