// The help screen and its texts: every page of both languages laid out inside its box,
// the presses from the chapters to a topic and back, the descriptions, and the numbers
// the texts state, which come from the rule tables rather than being typed in.
#include "fixtures.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/help.h"
#include "ui/help_screen.h"
#include "ui/help_texts.h"
#include "ui/input.h"
#include "ui/science_screens.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

using namespace annals;
namespace fs = std::filesystem;

namespace {

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(annals::testing::MakeSmallGame(5));
        InstallShellHost(platform);
        gameFolder = ANNALS_GAME_DIR;
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
        ASSERT_TRUE(LoadHelpTexts(ANNALS_GAME_DIR)) << HelpTextsError();
        ui.gameStarted = 1;
    }
    void TearDown() override {
        FreeSurfaces();
        UninstallShellHost();
        game.language = 1;
        ResetState();
    }
    static void Press(int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
    }
    // Draws the open help page, pictures and texts, and returns what the texts wrote.
    std::vector<DrawRecord> DrawPage(int page) {
        ui.helpMenuOpen = 1;
        ui.helpDrawn = 1;
        ui.helpPage = page;
        platform.ClearLog();
        DrawHelpMenu();
        WriteHelpTexts();
        std::vector<DrawRecord> texts;
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text) texts.push_back(r);
        return texts;
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

std::vector<int> AllPages() {
    std::vector<int> pages;
    for (int c = 0; c < kHelpChapters; ++c)
        for (int i = 1; i <= HelpTopicCount(c); ++i) pages.push_back(100 * c + i);
    return pages;
}

// The right edge of the box a text starts in: the chapter column, the topic columns
// (two of them in the units', sciences' and buildings' chapters) and the page.
int BoxRight(int chapter, int x) {
    if (x < 270) return 270;
    if (x < 540) {
        const bool twoColumns = chapter == 2 || chapter == 3 || chapter == 4;
        return twoColumns && x < 405 ? 405 : 540;
    }
    return 850;
}

TEST_F(HelpTest, EveryPageOfBothLanguagesStaysInsideItsBoxes) {
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int page : AllPages()) {
            SCOPED_TRACE("language " + std::to_string(language) + ", page " + std::to_string(page));
            const std::vector<DrawRecord> texts = DrawPage(page);
            int bodyTexts = 0;
            std::vector<Rect> body;
            for (const DrawRecord& t : texts) {
                EXPECT_EQ(t.name.find('{'), std::string::npos) << "unfilled placeholder: " << t.name;
                if (t.y < 192) continue; // the close label above the page
                // The face draws some letters a little wider than the width table
                // counts them: every text keeps that much room to spare.
                const int width = TextWidth(t.name, t.size) * 107 / 100;
                EXPECT_LE(t.x + width, BoxRight(page / 100, t.x)) << t.name;
                EXPECT_LE(t.y + 13, 598) << t.name;
                if (t.y >= 212) {
                    bodyTexts += t.x >= 541 ? 1 : 0;
                    const Rect r{t.x, t.y, t.x + width, t.y + 11};
                    for (const Rect& other : body)
                        EXPECT_FALSE(r.left < other.right && other.left < r.right && r.top < other.bottom &&
                                     other.top < r.bottom)
                            << "\"" << t.name << "\" overlaps another text at (" << other.left << ", "
                            << other.top << ")";
                    body.push_back(r);
                }
            }
            EXPECT_GT(bodyTexts, 0) << "the page is empty";
        }
    }
}

TEST_F(HelpTest, PressesGoFromTheChaptersToATopicAndBack) {
    FormKeyDown(kVkF1, 0);
    ASSERT_EQ(ui.helpMenuOpen, 1);
    EXPECT_EQ(ui.helpPage, 1);
    EXPECT_EQ(ui.helpDrawn, 0); // the texts wait for the first picture frame
    struct Case {
        const char* what;
        int x, y, page;
    };
    const Case cases[] = {
        {"the Buildings chapter opens at its first topic", 200, 210 + 26 * 4 + 5, 401},
        {"the second column's third building", 450, 210 + 15 * 2 + 5, 421},
        {"below Nuclear Plant, nothing", 450, 455, 421},
        {"the first column's last building", 300, 210 + 15 * 17 + 5, 418},
        {"the Terrains chapter", 200, 210 + 26 * 7 + 5, 701},
        {"below its seventh terrain, nothing", 300, 210 + 15 * 7 + 5, 701},
        {"its seventh terrain", 300, 210 + 15 * 6 + 5, 707},
        {"the sciences' 26th topic in the second column", 200, 210 + 26 * 3 + 5, 301},
        {"  then the press on the second column", 450, 215, 326},
        {"the header bar is no topic", 300, 200, 326},
        {"back to the questions", 200, 215, 1},
        {"the 21st question", 300, 210 + 15 * 20 + 5, 21},
        {"the map under the window takes no press", 100, 300, 21},
    };
    for (const Case& c : cases) {
        Press(c.x, c.y);
        EXPECT_EQ(ui.helpPage, c.page) << c.what;
        EXPECT_EQ(ui.helpMenuOpen, 1) << c.what;
    }
    FormKeyDown(kVkF1, 0); // F1 while open changes nothing
    EXPECT_EQ(ui.helpPage, 21);
    // The map under it does not scroll.
    game.viewX = 2;
    BaseMouseMove(0, 1020, 300);
    MouseControl();
    EXPECT_EQ(game.viewX, 2);
    Press(820, 140);
    EXPECT_EQ(ui.helpMenuOpen, 0);
    FormKeyDown(kVkF1, 0);
    EXPECT_EQ(ui.helpPage, 1); // a new opening starts at the first question
}

TEST_F(HelpTest, TheFirstFrameShowsThePicturesWithoutTexts) {
    FormKeyDown(kVkF1, 0);
    platform.ClearLog();
    WriteHelpTexts();
    for (const DrawRecord& r : *platform.Log()) EXPECT_NE(r.kind, DrawRecord::Text) << r.name;
}

TEST_F(HelpTest, AnItemWithoutAPageOpensTheChapterList) {
    EXPECT_EQ(HelpPageOf(1, kSettler), 201);
    EXPECT_EQ(HelpPageOf(1, kBomber), 234);
    EXPECT_EQ(HelpPageOf(2, 32), 434);
    EXPECT_EQ(HelpPageOf(3, 46), 508);
    for (const auto& [kind, number] :
         {std::pair{1, int{kGalleon}}, {2, 17}, {2, 29}, {2, 30}, {1, 99}, {7, 1}}) {
        EXPECT_EQ(HelpPageOf(kind, number), 0) << kind << " " << number;
    }
    for (int page : {0, 22, 135, 951, -5}) {
        SCOPED_TRACE(page);
        const std::vector<DrawRecord> texts = DrawPage(page);
        bool hint = false;
        for (const DrawRecord& t : texts) {
            EXPECT_FALSE(t.x >= 271 && t.x < 540 && t.y >= 212) << "a topic list: " << t.name;
            hint = hint || (!t.name.empty() && HelpText("choose").rfind(t.name, 0) == 0);
        }
        EXPECT_TRUE(hint);
        Press(300, 230); // the empty list takes no press
        EXPECT_EQ(ui.helpPage, page);
    }
}

TEST_F(HelpTest, EveryUnitBuildingAndWonderHasItsDescription) {
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int t = 1; t <= kUnitTypes; ++t)
            EXPECT_EQ(ItemDescription(1, t).empty(), t == kVikingship) << "unit " << t;
        for (int b = 1; b < kFirstWonder; ++b)
            EXPECT_EQ(ItemDescription(2, b).empty(), b == 17) << "building " << b;
        for (int w = kFirstWonder; w <= kBuildings; ++w) EXPECT_FALSE(ItemDescription(3, w).empty()) << w;
        EXPECT_FALSE(ItemDescription(4, 1).empty());
        for (const auto& [kind, number] :
             {std::pair{0, 1}, {1, 0}, {1, 36}, {2, 39}, {3, 38}, {3, 47}, {4, 2}, {5, 1}})
            EXPECT_EQ(ItemDescription(kind, number), "") << kind << " " << number;
    }
    game.language = 2;
    EXPECT_NE(ItemDescription(2, 1), HelpTextIn(1, "desc.building.1")); // Turkish, not English
}

// A number typed into a text would not follow the rules when they change: every text
// of both files states its numbers through placeholders.
TEST_F(HelpTest, TextsStateNoNumberOfTheirOwn) {
    const std::regex placeholder(R"(\{[a-z]+:[a-z_0-9]+\})");
    for (int language : {1, 2}) {
        for (const auto& [key, text] : RawHelpTexts(language)) {
            const std::string bare = std::regex_replace(text, placeholder, "");
            const bool digit =
                std::any_of(bare.begin(), bare.end(), [](char c) { return std::isdigit(uint8_t(c)); });
            EXPECT_FALSE(digit) << language << " " << key << ": " << bare;
            EXPECT_EQ(FillPlaceholders(text).find('{'), std::string::npos) << language << " " << key;
        }
    }
}

TEST_F(HelpTest, PlaceholdersReadTheRuleTables) {
    struct Case {
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"{buildcost:1}", std::to_string(buildCost(36))},
        {"{buildcost:46}", std::to_string(buildCost(81))},
        {"{unitcost:2}", std::to_string(buildCost(2))},
        {"{price:5}", std::to_string(productPrice(5))},
        {"{price:14}", std::to_string(productPrice(14))},
        {"{workers:33}", std::to_string(maxWorkers(33))},
        {"{attack:32}", std::to_string(UnitTypeAttack(32))},
        {"{capacity:29}", std::to_string(UnitTypeCapacity(29))},
        {"{moves:16}", std::to_string(UnitTypeMoves(16))},
        {"{sciencecost:50}", std::to_string(scienceCost(50))},
        {"{unit:1}", unitTypeName(1)},
        {"a {fig:city_cost} b", "a 30 b"},
        {"{fig:eiffel_other}", "0.25"},
        {"{nothing:1} {price:0} {fig:nonsense}", "{nothing:1} {price:0} {fig:nonsense}"},
    };
    for (const Case& c : cases) EXPECT_EQ(FillPlaceholders(c.text), c.expected) << c.text;
}

TEST_F(HelpTest, AnswersAndBuildingPagesShowTheRuleTablesNumbers) {
    game.language = 1;
    // The Granary's page: its cost and its worker places.
    bool cost = false, workers = false;
    for (const DrawRecord& t : DrawPage(401)) {
        if (t.x == 703 && t.y == 304) cost = t.name == std::to_string(buildCost(36));
        if (t.x == 696 && t.y == 324) workers = t.name == std::to_string(maxWorkers(1));
    }
    EXPECT_TRUE(cost && workers);
    // Answer 7 quotes the prices of furs and coats; answer 1 the price of a city.
    EXPECT_NE(HelpText("faq.7.a").find("furs " + std::to_string(productPrice(5))), std::string::npos);
    EXPECT_NE(HelpText("faq.7.a").find("coats " + std::to_string(productPrice(14))), std::string::npos);
    EXPECT_NE(HelpText("faq.1.a").find(std::to_string(static_cast<int>(HelpFigure("city_cost"))) + " gold"),
              std::string::npos);
}

TEST_F(HelpTest, TheTurkishFileTranslatesEveryTextOfTheEnglishOne) {
    for (const auto& [key, text] : RawHelpTexts(1)) {
        if (key.ends_with(".list")) continue;
        EXPECT_TRUE(HasHelpText(2, key)) << key;
    }
    // The shorter forms of the questions for the topic list are each language's own.
    for (const auto& [key, text] : RawHelpTexts(2))
        EXPECT_TRUE(HasHelpText(1, key) || key.ends_with(".list")) << key;
}

TEST_F(HelpTest, ATurkishPlayerReadsTheEncyclopediaInTurkish) {
    game.language = 2;
    struct Case {
        int page;
        const char* turkish;
        const char* english;
    };
    const Case cases[] = {
        {109, "Yeniçeri", "Janissary"},        // the nation's text and its special unit
        {202, "Cengaver", "Warrior"},          // a unit's page and the topic list
        {319, "Gerektirir", "Requires"},       // a science's labels
        {421, "Not :", "Note :"},              // a building's note
        {602, "Dönüştüğü ürün", "converted"},  // a product's labels
        {601, "-(hepsi - 1)", "all"},          // the product's figures
        {801, "Şehir Kurma", "Building City"}, // an activity's title
        {701, "Deniz", "Sea"},                 // a terrain
    };
    for (const Case& c : cases) {
        bool turkish = false;
        for (const DrawRecord& t : DrawPage(c.page)) {
            turkish = turkish || t.name.find(c.turkish) != std::string::npos;
            EXPECT_EQ(t.name.find(c.english), std::string::npos) << c.page << ": " << t.name;
        }
        EXPECT_TRUE(turkish) << c.page << " lacks " << c.turkish;
    }
    // A text the Turkish file lacks is still shown, in English.
    const fs::path dir = annals::testing::FreshTempDir("help-tr");
    std::ofstream(dir / "tr.txt") << "[label.none]\nYok\n";
    ASSERT_TRUE(LoadHelpTextFile(2, (dir / "tr.txt").string()));
    EXPECT_EQ(HelpText("label.none"), "Yok");
    EXPECT_EQ(HelpText("label.all"), HelpTextIn(1, "label.all"));
    EXPECT_NE(HelpText("nation.9"), "");
    fs::remove_all(dir);
}

TEST_F(HelpTest, MissingTextFilesAreReportedAndTheGameGoesOn) {
    const fs::path empty = annals::testing::FreshTempDir("help");
    EXPECT_FALSE(LoadHelpTexts(empty.string()));
    EXPECT_NE(HelpTextsError().find((empty / "Help" / "en.txt").string()), std::string::npos);
    EXPECT_EQ(ItemDescription(2, 1), "");
    bool told = false;
    for (const DrawRecord& t : DrawPage(401))
        told = told || t.name.find("could not be read") != std::string::npos;
    EXPECT_TRUE(told);
    fs::remove_all(empty);
}

TEST_F(HelpTest, TheAnnouncementsButtonIsTheResearchTablesWhileTheTableIsOpen) {
    ui.bigNewsOpen = 1;
    ui.bigNewsCount[1] = 1;
    ui.bigNewsQueue[1][1] = 35 + 39;
    ui.scienceTableOpen = 1;
    Press(500, 480);
    EXPECT_EQ(ui.bigNewsOpen, 1);
    EXPECT_EQ(ui.bigNewsCount[1], 1); // the press did not count down the announcement
    ui.scienceTableOpen = 0;
    ui.closeCountdown = 0;
    Press(500, 480);
    EXPECT_EQ(ui.closeCountdown, 8);
}

TEST_F(HelpTest, AWonderFinishedSinceTheLastTurnIsAnnouncedAsThePlayersTurnBegins) {
    ui.bigNewsCount[1] = 1;
    ui.bigNewsQueue[1][1] = 35 + 40;
    // The natives end the round; the turn comes back to the person of civilization 1.
    game.currentCiv = game.civCount;
    game.secondPassStarted = 1;
    game.currentUnit = static_cast<uint8_t>(Civ(game.civCount).unitCount + 1);
    NextUnit(1);
    ASSERT_EQ(game.currentCiv, 1);
    EXPECT_EQ(ui.bigNewsOpen, 1);
}

TEST_F(HelpTest, TheResearchTableDescribesWhatAScienceEnables) {
    for (int s = 1; s <= 6; ++s) Civ(1).knows[s] = 1;
    game.currentCiv = 1;
    ui.scienceTableOpen = 1;
    DrawScienceTable();
    ScienceTableKey(kVkDown); // from Mining to Mathematics, which brings the Schoolhouse
    ASSERT_EQ(ui.selectedScience, 9);
    platform.ClearLog();
    DrawScienceTable();
    const std::string line = std::string(buildingName(26)) + " : " + ItemDescription(2, 26);
    bool shown = false;
    for (const DrawRecord& r : *platform.Log())
        shown = shown || (r.kind == DrawRecord::Text && r.name.size() > 20 && line.rfind(r.name, 0) == 0);
    EXPECT_TRUE(shown) << line;
}

TEST(HelpDragTarget, AWorkerDraggedOverTheCitysLandShowsItsSquare) {
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    HeadlessPlatform platform;
    InstallShellHost(platform);
    // A city in the middle of the map whose four neighbours are its own.
    const int cx = 12, cy = 12;
    MapCell& square = Cell(cx, cy);
    square.hasCity = 1;
    square.owner = square.founder = 1;
    square.cityX = cx;
    square.cityY = cy;
    square.culture = 5;
    for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        Cell(cx + dx, cy + dy).workedByX = cx;
        Cell(cx + dx, cy + dy).workedByY = cy;
    }
    ui.cityMenuX = cx;
    ui.cityMenuY = cy;
    ui.workerDragging = 1;
    const Pixel white = Rgb(255, 255, 255);
    struct Case {
        const char* what;
        int dx, dy;
        bool outlined;
    };
    for (const Case& c :
         {Case{"the square east of the city", 1, 0, true}, Case{"the city's own square", 0, 0, false},
          Case{"a square beyond its land", 2, 2, false}}) {
        Surface& screen = platform.BackBuffer();
        screen.FillRect({0, 0, 1024, 768}, kBlack);
        const int left = 387 + 50 * (c.dx + 2) + 1, top = 195 + 50 * (c.dy + 2) + 1;
        ui.mouseX = left + 20;
        ui.mouseY = top + 20;
        WriteCityDragTarget();
        EXPECT_EQ(screen.GetPixel(left, top) == white && screen.GetPixel(left + 47, top + 47) == white,
                  c.outlined)
            << c.what;
    }
    ui.workerDragging = 0;
    platform.BackBuffer().FillRect({0, 0, 1024, 768}, kBlack);
    ui.mouseX = 387 + 50 * 3 + 21;
    ui.mouseY = 195 + 50 * 2 + 21;
    WriteCityDragTarget();
    EXPECT_NE(platform.BackBuffer().GetPixel(387 + 50 * 3 + 1, 195 + 50 * 2 + 1), white)
        << "no drag, no outline";
    UninstallShellHost();
    ResetState();
}

} // namespace
