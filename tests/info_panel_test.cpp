// The information panel: the order buttons a unit offers, the status texts, the score,
// the news column and the wonder announcements, through the headless host's log.
#include "economy/city.h"
#include "economy/news.h"
#include "economy/score.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/guidance.h"
#include "ui/info_panel.h"
#include "ui/input.h"
#include "ui/news_view.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace annals;

namespace {

// A 30 x 30 grassland; civilization 1 (a person) and a computer, the natives last.
class InfoPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallShellHost(platform);
        InitializeVariables();
        game.language = 1;
        game.mapWidth = game.mapHeight = 30;
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 30; ++y) {
                Cell(x, y).terrain = kGrassland;
                Cell(x, y).explored = 1;
            }
        game.civCount = 3;
        Civ(1).nation = 8;
        Civ(1).government = 2;
        Civ(1).gold = 75;
        Civ(2).nation = 3;
        Civ(2).isComputer = 1;
        Civ(3).nation = kNativeNation;
        Civ(3).isComputer = 1;
        game.currentCiv = game.viewCiv = 1;
        game.viewX = game.viewY = 1;
        ui.gameStarted = 1;
    }
    void TearDown() override {
        UninstallShellHost();
        ResetState();
    }
    // The texts the panel wrote in one frame of its own.
    std::vector<DrawRecord> PanelTexts() {
        platform.ClearLog();
        ui.frameDrawn = 1;
        DrawInfoAboutCivilization();
        std::vector<DrawRecord> texts;
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text) texts.push_back(r);
        return texts;
    }
    // Those it wrote at (x, y).
    std::vector<std::string> TextsAt(int x, int y) {
        std::vector<std::string> found;
        for (const DrawRecord& r : PanelTexts())
            if (r.x == x && r.y == y) found.push_back(r.name);
        return found;
    }
    bool Played(const std::string& sound) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Sound && r.name == sound) return true;
        return false;
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

// A new unit; its slot.
int Add(int civ, int type, int x, int y) {
    AddUnit(civ, type, x, y);
    return Civ(civ).unitCount;
}

std::vector<int> Buttons() {
    return std::vector<int>(ui.orderButtons + 1, ui.orderButtons + 1 + ui.orderButtonCount);
}

} // namespace

TEST_F(InfoPanelTest, OrderButtonsOfAUnitAndItsCell) {
    struct Case {
        const char* what;
        int type, x, y;
        bool forest, road, hill, ship;
        std::vector<int> buttons;
    } cases[] = {
        {"settler on open land", kSettler, 10, 10, false, false, false, false, {4, 1, 5, 7}},
        {"settler on forest beside its ship", kSettler, 10, 10, true, false, false, true, {1, 2, 6, 7}},
        {"four buttons leave no room to fortify", kSettler, 10, 10, false, false, false, true, {4, 1, 5, 6}},
        {"settler on an unexamined hill with a road", kSettler, 10, 10, false, true, true, true, {3, 6, 7}},
        {"settler at the map's edge founds nothing", kSettler, 2, 10, false, true, false, false, {5, 7}},
        {"warrior beside a ship", kWarrior, 10, 10, false, false, false, true, {6, 7}},
        {"a ship never boards a ship", kCaravel, 10, 10, false, false, false, true, {7}},
    };
    for (const Case& c : cases) {
        SetUp();
        MapCell& cell = Cell(c.x, c.y);
        cell.forest = c.forest;
        cell.road = c.road;
        cell.hill = c.hill;
        game.viewUnit = static_cast<uint8_t>(Add(1, c.type, c.x, c.y));
        if (c.ship) AddUnit(1, c.type == kCaravel ? kGalleon : kCaravel, c.x, c.y);
        BuildOrderButtons();
        EXPECT_EQ(Buttons(), c.buttons) << c.what;
    }
    // An examined hill and too little gold for a city.
    SetUp();
    Cell(10, 10).hill = 1;
    Cell(10, 10).hillExamined = 1;
    Civ(1).gold = 29;
    game.viewUnit = static_cast<uint8_t>(Add(1, kSettler, 10, 10));
    BuildOrderButtons();
    EXPECT_EQ(Buttons(), (std::vector<int>{1, 7}));
    // No unit selected: no buttons.
    game.viewUnit = 0;
    BuildOrderButtons();
    EXPECT_EQ(ui.orderButtonCount, 0);
}

TEST_F(InfoPanelTest, NumberFormats) {
    EXPECT_EQ(FormatMoves(7), "2.33");
    EXPECT_EQ(FormatMoves(6), "2");
    EXPECT_EQ(FormatMoves(8), "2.67");
    EXPECT_EQ(FormatMoves(1), "0.33");
    EXPECT_EQ(FormatYear(-4000), "BC 4000");
    EXPECT_EQ(FormatYear(-10), "BC 10");
    EXPECT_EQ(FormatYear(0), "AD 0");
    EXPECT_EQ(FormatYear(1250), "AD 1250");
    game.language = 2;
    EXPECT_EQ(FormatYear(-500), "MÖ 500");
}

TEST_F(InfoPanelTest, StatusLineAndUnitPanel) {
    game.year = -3950;
    Civ(1).gold = 123.9;
    EXPECT_EQ(TextsAt(756, 746), std::vector<std::string>{"BC 3950"});
    EXPECT_EQ(TextsAt(833, 746), std::vector<std::string>{"123"});
    Civ(1).gold = -5.7; // debts are cut toward zero too
    EXPECT_EQ(TextsAt(833, 746), std::vector<std::string>{"-5"});
    EXPECT_EQ(TextsAt(762, 723), std::vector<std::string>{"None"});

    // Research: the name alone without science from cities, then with the turns left.
    Civ(1).research = 1;
    Civ(1).researchLeft = 20;
    EXPECT_EQ(ResearchStatus(1), scienceName(1));
    // Paid off, it comes with the next turn; once learned, nothing is under research
    // until the next science is chosen.
    FoundCity(10, 10);
    Civ(1).researchLeft = -3;
    EXPECT_EQ(ResearchStatus(1), std::string(scienceName(1)) + " (1)");
    Civ(1).knows[1] = 1;
    EXPECT_EQ(TextsAt(762, 723), std::vector<std::string>{"None"});
    Civ(1).knows[1] = 0;

    // No unit to move: the end of the turn.
    EXPECT_EQ(TextsAt(905, 690), std::vector<std::string>{"END OF TURN"});
    EXPECT_EQ(TextsAt(880, 705), std::vector<std::string>{"Press SPACE to continue"});

    // A warrior with 7 move points.
    const int w = Add(1, kWarrior, 5, 5);
    game.currentUnit = game.viewUnit = static_cast<uint8_t>(w);
    Unit(1, w).movesLeft = 7;
    EXPECT_EQ(TextsAt(883, 721),
              std::vector<std::string>{"Move : 2.33 / " + std::to_string(UnitMoves(1, w))});
    EXPECT_EQ(TextsAt(883, 736), std::vector<std::string>{"Experience : "});
    EXPECT_TRUE(TextsAt(905, 690).empty());

    // A wagon train tells its cargo instead.
    const int t = Add(1, kWagonTrain, 6, 6);
    game.currentUnit = game.viewUnit = static_cast<uint8_t>(t);
    Unit(1, t).cargo[1] = 3 * 1000 + 50;
    EXPECT_EQ(TextsAt(885, 681), std::vector<std::string>{std::string("Cargo : ") + productName(3)});
    Unit(1, t).cargo[1] = 0;
    EXPECT_EQ(TextsAt(885, 681), std::vector<std::string>{"No cargo"});
}

// The science being researched shares its row with the unit panel's move points, which
// start at x 883: every science's name with its turns ends before them, in both languages,
// and leaves the nation's name its room on the left.
TEST_F(InfoPanelTest, TheResearchEndsBeforeTheUnitPanel) {
    FoundCity(10, 10);
    ASSERT_GT(CityScience(City(10, 10)), 0.0);
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int science = 1; science <= kSciences; ++science) {
            Civ(1).research = static_cast<uint8_t>(science);
            Civ(1).researchLeft = 499 * CityScience(City(10, 10)); // " (499)": a slow science
            platform.ClearLog();
            ui.frameDrawn = 1;
            DrawInfoAboutCivilization();
            const std::string text = ResearchStatus(1);
            ASSERT_EQ(text.substr(text.size() - 6), " (499)");
            int found = 0;
            for (const DrawRecord& r : *platform.Log()) {
                if (r.kind != DrawRecord::Text || r.name != text) continue;
                ++found;
                EXPECT_EQ(r.y, 723);
                EXPECT_GE(r.x, 600) << text;
                EXPECT_LE(r.x + std::max(TextWidth(text, 8), platform.TextPixelWidth(text, 8)), 880) << text;
            }
            EXPECT_EQ(found, 1) << text;
        }
    }
    // Nothing researched: "Yok" where "None" always stood.
    Civ(1).research = 0;
    EXPECT_EQ(TextsAt(762, 723), std::vector<std::string>{"Yok"});
}

TEST_F(InfoPanelTest, ScoreOfASmallGame) {
    game.civCount = 4; // two rivals and the natives
    Civ(2).aiLevel = 3;
    Civ(3).isComputer = 1;
    Civ(3).aiLevel = 1;
    Civ(4).nation = kNativeNation;
    Civ(4).isComputer = 1;
    game.turn = 10;
    Civ(2).powerHistory[9] = 50;
    Civ(3).powerHistory[9] = 30;
    struct Case {
        int year, power, score;
    } cases[] = {
        {-2000, 100, 986}, // above the average: the strong branch
        {-2000, 40, 542},  // at or below it: in proportion
        {1500, 100, 1040}, // late in history the rivals' level weighs more
    };
    for (const Case& c : cases) {
        game.year = c.year;
        Civ(1).powerHistory[9] = c.power;
        EXPECT_EQ(Score(), c.score) << c.year << " " << c.power;
    }
    // One player and the natives: no rivals to divide by.
    game.civCount = 2;
    Civ(1).powerHistory[9] = 10;
    Civ(2).nation = kNativeNation;
    game.year = -4000;
    EXPECT_EQ(Score(), 172);

    struct Rank {
        int score;
        const char* title;
    } ranks[] = {{400, "Settler"}, {401, "Chieftain"}, {1000, "Noble"}, {1001, "Prince"},
                 {1650, "King"},   {1701, "Emperor"},  {2900, "Deity"}, {2901, "God"}};
    for (const Rank& r : ranks) EXPECT_STREQ(RankTitle(r.score), r.title) << r.score;
}

TEST_F(InfoPanelTest, TheEndOfTurnNoticeStaysInsideItsFrame) {
    AddUnit(1, kWarrior, 5, 5);
    game.currentUnit = 2; // every unit has moved
    game.viewUnit = 1;
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        int found = 0;
        for (const DrawRecord& r : PanelTexts()) {
            if (r.y < 680 || r.y > 730 || r.x < 870) continue;
            ++found;
            EXPECT_GE(r.x, 875) << r.name;
            EXPECT_LE(r.x + LineWidth(r.name, 8), 1004) << r.name;
        }
        EXPECT_EQ(found, 2) << "the notice and how to go on";
    }
}

// The score at the top right keeps clear of the frame's right border (inner edge at 1014),
// with the same room to spare the face needs over the width table.
TEST_F(InfoPanelTest, ScoreStaysInsideTheFrame) {
    Civ(1).powerHistory[0] = 5000;
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        int found = 0;
        for (const DrawRecord& r : PanelTexts()) {
            if ((r.y != 5 && r.y != 18) || r.x < 900) continue;
            ++found;
            EXPECT_LE(r.x + TextWidth(r.name, 8) * 107 / 100, 1012) << r.name;
        }
        EXPECT_EQ(found, 2) << "the score's title and figure";
    }
}

TEST_F(InfoPanelTest, NewsTextsAndPresses) {
    // A city of the player at (5, 5) and one of the computer at (20, 20).
    MapCell& own = Cell(5, 5);
    own.hasCity = 1;
    own.owner = own.founder = 1;
    own.nameIndex = 1;
    MapCell& foreign = Cell(20, 20);
    foreign.hasCity = 1;
    foreign.owner = foreign.founder = 2;
    foreign.nameIndex = 2;
    const std::string ownName = cityName(8, 1);
    struct Case {
        int32_t code;
        std::string text;
    } texts[] = {
        {NewsCode(5, 5, kWarrior), ownName + " produced Warrior. "},
        {NewsCode(5, 5, kNewsGrew), ownName + "'s population has increased. "},
        {NewsCode(20, 20, 100 + 10 * 1 + 2),
         std::string(cityName(3, 2)) + " was taken by " + nationName(8) + " from " + nationName(3) + ". "},
        {NewsCode(9, 9, 100 + 10 * 2 + 3),
         std::string(" One of the native villages was destroyed by ") + nationName(3) + ". "},
        {NewsCode(5, 5, kNewsStoreFull + 4),
         std::string(productName(4)) + " stocks are full at " + ownName + ". "},
    };
    for (const Case& c : texts) EXPECT_EQ(NewsText(c.code), c.text) << c.code;

    // Item 1 is the lowest row (596..636), item 2 the one above it.
    AddNews(1, 5, 5, kNewsGrew);
    AddNews(1, 20, 20, kWarrior);
    EXPECT_EQ(TextsAt(59, 613), std::vector<std::string>{ownName});
    BaseMouseMove(0, 60, 570); // the foreign city's item: nothing opens, and nothing under it is pressed
    platform.ClearLog();
    BaseMouseDown(0, 0, 60, 570);
    BaseMouseUp(0, 0, 60, 570);
    EXPECT_EQ(ui.cityMenuX, 0);
    BaseMouseMove(0, 60, 620);
    BaseMouseDown(0, 0, 60, 620);
    BaseMouseUp(0, 0, 60, 620);
    EXPECT_EQ(ui.cityMenuX, 5);
    EXPECT_EQ(ui.cityMenuY, 5);
    EXPECT_TRUE(ui.firstCityOpened);
    EXPECT_TRUE(Played("city"));
}

TEST_F(InfoPanelTest, TwoWondersAreAnnouncedOneAfterTheOther) {
    ui.bigNewsQueue[1][1] = 35 + 39;
    ui.bigNewsQueue[1][2] = 35 + 42;
    ui.bigNewsCount[1] = 2;
    ui.bigNewsOpen = 1;
    Cell(5, 5).hasCity = 1;
    Cell(5, 5).owner = Cell(5, 5).founder = 1;
    Cell(5, 5).nameIndex = 1;
    game.wonderOwner[1] = 100 + 8 + 1;
    game.wonderOwner[4] = 100 + 8 + 1;
    auto frame = [&] {
        DrawBigNews();
        return TextsAt(353, 407);
    };
    auto announced = [](int wonder) {
        return std::vector<std::string>{std::string(cityName(8, 1)) + " finished building " +
                                        buildingName(wonder) + "."};
    };
    EXPECT_EQ(frame(), announced(39));
    BaseMouseDown(0, 0, 500, 480); // Continue
    EXPECT_EQ(ui.closeCountdown, 8);
    for (int f = 0; f < 8; ++f) frame();
    EXPECT_EQ(ui.bigNewsCount[1], 1);
    EXPECT_EQ(frame(), announced(42));
    BaseMouseDown(0, 0, 500, 480);
    for (int f = 0; f < 8; ++f) frame();
    EXPECT_FALSE(ui.bigNewsOpen);
    EXPECT_EQ(ui.bigNewsCount[1], 0);
}

// The first-turns guidance box holds its whole text in both languages, and it shows
// only while the settler that can found the city is the selected unit.
// The guide after the first city, in each of its three steps and both languages, with its
// box above or below the city: every line ends inside the box's inner border.
TEST_F(InfoPanelTest, NextStepGuideStaysInItsBox) {
    HeadlessPlatform drawn{HeadlessOptions{true, true}};
    UninstallShellHost();
    InstallShellHost(drawn);
    FoundCity(10, 10);
    Civ(1).citiesFounded = 1;
    struct Step {
        int size;
        bool opened;
    } steps[] = {{1, false}, {1, true}, {2, true}};
    for (int language : {1, 2})
        for (const Step& step : steps)
            for (double viewY : {1.0, 6.0}) { // the city in the upper or the lower half
                game.language = static_cast<uint8_t>(language);
                Cell(10, 10).size = static_cast<uint8_t>(step.size);
                ui.firstCityOpened = step.opened;
                game.viewY = viewY;
                drawn.ClearLog();
                ui.frameDrawn = 1;
                DrawInfoAboutCivilization();
                const Rect box = ShownGuide().box;
                ASSERT_EQ(ShownGuide().advice, 0) << language << " " << step.size;
                const int left = box.left, top = box.top, bottom = box.bottom;
                int lines = 0;
                for (const DrawRecord& r : *drawn.Log()) {
                    if (r.kind != DrawRecord::Text || r.x < left || r.x >= left + 225 || r.y < top ||
                        r.y > bottom)
                        continue;
                    ++lines;
                    EXPECT_LE(r.x + drawn.TextPixelWidth(r.name, 8), left + 225 - 3) << r.name;
                    EXPECT_LE(r.y + 13, bottom - 2) << r.name;
                }
                EXPECT_GE(lines, 4) << language << " " << step.size;
            }
    UninstallShellHost();
    InstallShellHost(platform);
}

TEST_F(InfoPanelTest, FirstCityGuideStaysInItsBoxAndFollowsTheSettler) {
    const int settler = Add(1, kSettler, 10, 10);
    const int warrior = Add(1, kWarrior, 10, 10);
    constexpr Rect box{611, 487, 900, 675};
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        game.currentUnit = static_cast<uint8_t>(settler);
        platform.ClearLog();
        ui.frameDrawn = 1;
        DrawInfoAboutCivilization();
        int guideLines = 0;
        for (const DrawRecord& r : *platform.Log()) {
            if (r.kind != DrawRecord::Text || r.x < box.left || r.x >= box.right || r.y < box.top ||
                r.y >= box.bottom)
                continue;
            ++guideLines;
            EXPECT_LE(r.x + platform.TextPixelWidth(r.name, r.size), box.right - 3) << r.name;
            EXPECT_LE(r.y + r.size + 5, box.bottom - 3) << r.name;
        }
        EXPECT_GE(guideLines, 4) << "language " << language;
        // The note stands above the unit panel: the settler's picture and the button it
        // points at stay in sight.
        EXPECT_LE(ShownGuide().box.bottom, 620);
        game.currentUnit = static_cast<uint8_t>(warrior);
        platform.ClearLog();
        ui.frameDrawn = 1;
        DrawInfoAboutCivilization();
        for (const DrawRecord& r : *platform.Log())
            EXPECT_FALSE(r.kind == DrawRecord::Text && r.x == 683 && r.y == 496) << "the guide stays up";
    }
}
