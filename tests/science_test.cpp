// Research: requirements, progress, the computer's order, a person's discoveries and the
// change of government; the research table and the science tree by keys and presses.
#include "city_fixture.h"
#include "economy/science.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "ui/drawing.h"
#include "ui/science_screens.h"
#include "ui/screens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace city_test;

namespace {

constexpr int kMonarchyGov = 3, kDemocracyGov = 5;

class ScienceTest : public CityFixture {
protected:
    static void Know(int civ, std::initializer_list<int> sciences) {
        for (int s : sciences) Civ(civ).knows[s] = 1;
    }
    static int KnownCount(int civ) {
        int n = 0;
        for (int s = 0; s <= kSciences; ++s) n += Civ(civ).knows[s];
        return n;
    }
};

} // namespace

TEST_F(ScienceTest, RequirementsDecideWhatMayBeStudied) {
    Know(kPerson, {3, 4, 9, 10, 18});
    struct Case {
        int science;
        bool available;
    } cases[] = {
        {1, true},   // the first six build on nothing
        {6, true},   //
        {7, false},  // Mining needs Stonework
        {19, false}, // The Republic needs Monarchy besides Philosophy
        {26, true},  // Monotheism: Philosophy is enough
        {0, true},   // numbers outside the tree
        {51, true},  //
    };
    for (const Case& c : cases) EXPECT_EQ(ScienceAvailable(kPerson, c.science), c.available) << c.science;
    Know(kPerson, {5, 27});
    EXPECT_TRUE(ScienceAvailable(kPerson, 19));
    EXPECT_FALSE(CanResearch(kPerson, 18)) << "known already";
    EXPECT_FALSE(CanResearch(kPerson, 0));
    int list[kSciences];
    const int count = ResearchChoices(kPerson, list);
    EXPECT_EQ(std::vector<int>(list, list + count), (std::vector<int>{1, 2, 6, 12, 14, 19, 26}));
}

TEST_F(ScienceTest, TheComputerLearnsInItsOrderWithoutAGap) {
    CityData& city = Found(kComputer, 8, 8, 1);
    CivRecord& computer = Civ(kComputer);
    // The start of a game: nothing chosen, nothing learned, the order's first taken up.
    AdvanceResearch(city);
    EXPECT_EQ(KnownCount(kComputer), 0);
    EXPECT_EQ(computer.research, 4);
    EXPECT_DOUBLE_EQ(computer.researchLeft, scienceCost(4));

    // Paid off with points to spare: learned, and the spare points are lost.
    computer.researchLeft = 0.5;
    AdvanceResearch(city);
    EXPECT_EQ(computer.knows[4], 1);
    EXPECT_EQ(computer.research, 2);
    EXPECT_DOUBLE_EQ(computer.researchLeft, scienceCost(2));

    // A treasury in debt at the start of the turn pays for no research.
    computer.goldAtTurnStart = -1;
    AdvanceResearch(city);
    EXPECT_DOUBLE_EQ(computer.researchLeft, scienceCost(2));
    computer.goldAtTurnStart = 0;

    // Requirements are not asked: after the first 49 of the order comes Nuclear Power.
    for (int k = 1; k <= 49; ++k) computer.knows[researchOrder(k)] = 1;
    computer.research = researchOrder(49);
    computer.researchLeft = 0;
    AdvanceResearch(city);
    EXPECT_EQ(computer.research, 48);
    EXPECT_EQ(NextComputerResearch(kComputer), 48);

    // With everything known the research stays, at the cost of the order's last science.
    computer.researchLeft = 0;
    AdvanceResearch(city);
    EXPECT_EQ(KnownCount(kComputer), kSciences);
    EXPECT_EQ(computer.research, 48);
    EXPECT_DOUBLE_EQ(computer.researchLeft, scienceCost(48));
}

TEST_F(ScienceTest, APersonLearnsAtTheStartOfHisTurnAndThenChooses) {
    CityData& city = Found(kPerson, 8, 8, 1);
    CivRecord& person = Civ(kPerson);
    person.research = 6;
    person.researchLeft = 0.5;
    AdvanceResearch(city);
    EXPECT_LT(person.researchLeft, 0);
    EXPECT_EQ(person.knows[6], 0) << "a person learns when his turn starts";

    const double surplus = person.researchLeft;
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(person.knows[6], 1);
    EXPECT_EQ(ui.discoveryShown, 1);
    EXPECT_EQ(ui.scienceTableOpen, 1);
    EXPECT_EQ(ui.selectedScience, 0);
    EXPECT_EQ(person.research, 6) << "until a choice, the research names the discovery";
    AdvanceResearch(city);
    EXPECT_DOUBLE_EQ(person.researchLeft, surplus) << "nothing is paid while nothing is chosen";

    ChooseResearch(kPerson, 7);
    EXPECT_EQ(person.research, 6) << "Mining needs Stonework";
    ChooseResearch(kPerson, 17);
    EXPECT_EQ(person.research, 17);
    EXPECT_DOUBLE_EQ(person.researchLeft, scienceCost(17)) << "the surplus is not carried over";

    // Nothing happens while research is unpaid, without a city, or for a computer.
    ui = {};
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(ui.scienceTableOpen, 0);
    person.researchLeft = 0;
    Found(kComputer, 15, 15, 1);
    Civ(kComputer).researchLeft = 0;
    CompleteHumanResearch(kComputer);
    EXPECT_EQ(ui.scienceTableOpen, 0);
    RemoveCity(8, 8);
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(ui.scienceTableOpen, 0);
    EXPECT_EQ(person.knows[17], 0);
}

TEST_F(ScienceTest, NothingChosenYetLearnsNothingAndOpensTheChoice) {
    Found(kPerson, 8, 8, 1);
    CompleteHumanResearch(kPerson); // research 0, researchLeft 0: a new game's first city
    EXPECT_EQ(KnownCount(kPerson), 0);
    EXPECT_EQ(ui.discoveryShown, 0);
    EXPECT_EQ(ui.scienceTableOpen, 1);
}

TEST_F(ScienceTest, TheLastScienceIsAnnouncedOnceAndNoEmptyChoiceOpens) {
    Found(kPerson, 8, 8, 1);
    CivRecord& person = Civ(kPerson);
    for (int s = 1; s <= kSciences; ++s) person.knows[s] = s == 50 ? 0 : 1;
    person.research = 50;
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(person.knows[50], 1);
    EXPECT_EQ(ui.discoveryShown, 1);
    EXPECT_EQ(ui.scienceTableOpen, 1) << "the announcement is still made";

    // The next turns: nothing to announce and nothing to choose.
    ui = {};
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(ui.scienceTableOpen, 0);
    EXPECT_EQ(ui.discoveryShown, 0);
    person.research = 0;
    CompleteHumanResearch(kPerson);
    EXPECT_EQ(ui.scienceTableOpen, 0);
}

TEST_F(ScienceTest, MonarchyAndDemocracyChangeTheGovernment) {
    struct Case {
        int before;
        int science;
        int after;
    } cases[] = {
        {2, 27, kMonarchyGov},
        {kDemocracyGov, 27, kMonarchyGov},
        {2, 34, kDemocracyGov},
        {kMonarchyGov, 34, kDemocracyGov},
        {2, 19, 2},
        {kMonarchyGov, 39, kMonarchyGov},
    };
    for (const Case& c : cases) {
        Civ(kPerson).government = static_cast<uint8_t>(c.before);
        LearnScience(kPerson, c.science);
        EXPECT_EQ(Civ(kPerson).government, c.after) << c.before << " learns " << c.science;
        EXPECT_EQ(Civ(kPerson).knows[c.science], 1);
    }
    const int known = KnownCount(kPerson);
    LearnScience(kPerson, 0);
    LearnScience(kPerson, 51);
    EXPECT_EQ(KnownCount(kPerson), known);
}

// ---------------------------------------------------------------------------
// The screens, through the headless platform.

namespace {

class ScienceScreenTest : public ScienceTest {
protected:
    void SetUp() override {
        ScienceTest::SetUp();
        InstallShellHost(platform);
        gameFolder = ANNALS_GAME_DIR;
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
        ui.gameStarted = 1;
    }
    void TearDown() override {
        FreeSurfaces();
        UninstallShellHost();
        ScienceTest::TearDown();
    }
    bool Wrote(const std::string& text) {
        for (const DrawRecord& r : log())
            if (r.kind == DrawRecord::Text && r.name == text) return true;
        return false;
    }
    int Clicks() {
        int n = 0;
        for (const DrawRecord& r : log()) n += r.kind == DrawRecord::Sound && r.name == "click";
        return n;
    }
    const std::vector<DrawRecord>& log() { return *platform.Log(); }
    // Frames until the pressed button's countdown has run out.
    static void RunCountdown() {
        for (int frame = 0; frame < 8; ++frame) DrawScienceTable();
    }
    HeadlessPlatform platform{{.recordDrawing = true}};
};

constexpr int kRow1 = 265 + 5, kListX = 380;

int RowY(int row) {
    return kRow1 + 23 * (row - 1);
}

} // namespace

TEST_F(ScienceScreenTest, KeysMoveTheHighlightAndEnterChooses) {
    Found(kPerson, 8, 8, 1);
    Know(kPerson, {1, 2, 3, 4, 5, 6}); // open: 7, 9, 10, 11, 12, 17
    ui.scienceTableOpen = 1;
    DrawScienceTable();
    EXPECT_EQ(ui.selectedScience, 7) << "the first listed science";
    EXPECT_TRUE(Wrote("Select Next Science"));
    EXPECT_TRUE(Wrote("Mining"));

    struct Step {
        int key;
        int selected;
    } steps[] = {
        {kVkUp, 7}, // nothing above the first
        {kVkDown, 9},  {kVkDown, 10}, {kVkUp, 9},    {kVkDown, 10},
        {kVkDown, 11}, {kVkDown, 12}, {kVkDown, 17}, {kVkDown, 17}, // no wrapping at the end
        {kVkUp, 12},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(ScienceTableKey(s.key));
        EXPECT_EQ(ui.selectedScience, s.selected);
    }
    EXPECT_FALSE(ScienceTableKey(kVkSpace));

    EXPECT_TRUE(ScienceTableKey(kVkReturn));
    EXPECT_EQ(Clicks(), 1);
    EXPECT_EQ(ui.closeCountdown, 8);
    EXPECT_EQ(Civ(kPerson).research, 12);
    EXPECT_DOUBLE_EQ(Civ(kPerson).researchLeft, scienceCost(12));
    // While the button shows pressed, further presses and keys change nothing.
    EXPECT_TRUE(ScienceTableMouseDown(kListX, RowY(1)));
    EXPECT_EQ(ui.selectedScience, 12);
    for (int frame = 0; frame < 7; ++frame) DrawScienceTable();
    EXPECT_EQ(ui.scienceTableOpen, 1);
    DrawScienceTable();
    EXPECT_EQ(ui.scienceTableOpen, 0);
    EXPECT_EQ(ui.closeCountdown, 0);
}

TEST_F(ScienceScreenTest, PressesOnTheListAndAroundIt) {
    Found(kPerson, 8, 8, 1);
    Know(kPerson, {1, 2, 3, 4, 5, 6});
    ui.scienceTableOpen = 1;
    DrawScienceTable();

    EXPECT_TRUE(ScienceTableMouseDown(kListX, RowY(3)));
    EXPECT_EQ(ui.selectedScience, 10);
    EXPECT_TRUE(ScienceTableMouseDown(kListX, RowY(6)));
    EXPECT_EQ(ui.selectedScience, 17);
    EXPECT_EQ(Clicks(), 2);
    // Below the last row, and outside the list: nothing chosen, the press ends here...
    EXPECT_TRUE(ScienceTableMouseDown(kListX, RowY(7)));
    EXPECT_TRUE(ScienceTableMouseDown(200, 200));
    EXPECT_EQ(ui.selectedScience, 17);
    EXPECT_EQ(Clicks(), 2);
    // ...but for the panel's science button, which the later tests still see.
    EXPECT_FALSE(ScienceTableMouseDown(191, 695));
    EXPECT_FALSE(ScienceTableMouseDown(200, 703));

    EXPECT_TRUE(ScienceTableMouseDown(560, 470));
    EXPECT_EQ(Civ(kPerson).research, 17);
    RunCountdown();
    EXPECT_EQ(ui.scienceTableOpen, 0);
    EXPECT_FALSE(ScienceTableMouseDown(560, 470)) << "a closed table takes no press";
}

TEST_F(ScienceScreenTest, TheAnnouncementIsLockedAndGivesWayToTheChoice) {
    CityData& city = Found(kPerson, 8, 8, 1);
    CivRecord& person = Civ(kPerson);
    person.research = 6;
    person.researchLeft = -3;
    CompleteHumanResearch(kPerson);
    DrawScienceTable();
    EXPECT_TRUE(Wrote("Your people discovered Agriculture"));
    // Agriculture's picture: the first column of the second row of science pictures.
    bool picture = false;
    for (const DrawRecord& r : log())
        picture |= r.kind == DrawRecord::Sprite && r.name == "sciencesSprite.bmp" && r.source.left == 0 &&
                   r.source.top == 215 && r.source.right == 210;
    EXPECT_TRUE(picture);

    // The list is not there to press, and Continue chooses nothing.
    EXPECT_TRUE(ScienceTableMouseDown(kListX, RowY(1)));
    EXPECT_EQ(ui.selectedScience, 0);
    EXPECT_TRUE(ScienceTableKey(kVkReturn));
    EXPECT_EQ(person.research, 6);
    EXPECT_DOUBLE_EQ(person.researchLeft, -3);
    RunCountdown();
    EXPECT_EQ(ui.discoveryShown, 0);
    EXPECT_EQ(ui.scienceTableOpen, 1);

    // The choice names the time its cost takes at the civilization's science.
    platform.ClearLog();
    DrawScienceTable();
    EXPECT_TRUE(Wrote("Select Next Science"));
    const double total = CityScience(city);
    ASSERT_GT(total, 0);
    const int selected = ui.selectedScience;
    const std::string turns = std::to_string(static_cast<int>(scienceCost(selected) / total) + 1);
    EXPECT_TRUE(Wrote("Required time : " + turns + " Turns"));
    // Turkish writes "tur" after a number.
    game.language = 2;
    platform.ClearLog();
    DrawScienceTable();
    EXPECT_TRUE(Wrote("Gerekli zaman : " + turns + " tur"));
}

TEST_F(ScienceScreenTest, WithoutCitiesNoTimeIsPromised) {
    ui.scienceTableOpen = 1;
    DrawScienceTable();
    EXPECT_TRUE(Wrote("Select Next Science"));
    for (const DrawRecord& r : log())
        EXPECT_EQ(r.name.rfind("Required time", 0), std::string::npos) << r.name;
}

TEST_F(ScienceScreenTest, ContinueAfterTheLastScienceClosesTheTable) {
    Found(kPerson, 8, 8, 1);
    for (int s = 1; s < kSciences; ++s) Civ(kPerson).knows[s] = 1;
    Civ(kPerson).research = 50;
    CompleteHumanResearch(kPerson);
    DrawScienceTable();
    EXPECT_TRUE(Wrote("Your people discovered Advanced Flight"));
    ScienceTableKey(kVkReturn);
    RunCountdown();
    EXPECT_EQ(ui.scienceTableOpen, 0);
}

TEST_F(ScienceScreenTest, TheTreeShowsEveryScienceOnceAndTurnsItsPages) {
    for (int s = 1; s <= kSciences; ++s) Civ(kPerson).knows[s] = 1;
    ui.scienceMenuOpen = 1;
    int markers = 0;
    for (int page = 1; page <= 4; ++page) {
        ui.sciencePage = static_cast<uint8_t>(page);
        platform.ClearLog();
        DrawScienceMenu();
        for (const DrawRecord& r : log()) {
            markers += r.kind == DrawRecord::Sprite && r.name == "scienceSprite.bmp" && r.source.top == 232 &&
                       r.source.left == 0;
            // Every name, and the band under it that a press picks it by, ends above the
            // page buttons' circles around y 480.
            for (int s = 1; s <= kSciences; ++s) {
                if (r.kind != DrawRecord::Text || r.name != scienceName(s)) continue;
                EXPECT_LE(r.y + 15, 469) << r.name;
            }
        }
    }
    EXPECT_EQ(markers, kSciences);

    ui.sciencePage = 1;
    EXPECT_FALSE(ScienceMenuMouseDown(623, 480)) << "no page before the first";
    EXPECT_TRUE(ScienceMenuMouseDown(644, 490));
    EXPECT_EQ(ui.sciencePage, 2);
    EXPECT_TRUE(ScienceMenuMouseDown(623, 480));
    EXPECT_EQ(ui.sciencePage, 1);
    ui.sciencePage = 4;
    EXPECT_FALSE(ScienceMenuMouseDown(644, 480)) << "no page after the last";
    EXPECT_FALSE(ScienceMenuMouseDown(644, 492)) << "outside the button";
    EXPECT_EQ(ui.sciencePage, 4);
    EXPECT_EQ(Clicks(), 2);
}

TEST_F(ScienceScreenTest, TheTreeOpensAtThePageOfWhatIsKnown) {
    const int cases[][2] = {{0, 1}, {14, 1}, {15, 2}, {25, 2}, {26, 3}, {37, 3}, {38, 4}, {50, 4}};
    for (const auto& c : cases) {
        for (int s = 1; s <= kSciences; ++s) Civ(kPerson).knows[s] = s <= c[0] ? 1 : 0;
        EXPECT_EQ(SciencePageFor(kPerson), c[1]) << c[0];
    }
}

// A press on a science of the tree tells what it still needs: every science on its way
// that is not known yet.
TEST_F(ScienceScreenTest, APressOnTheTreeTellsWhatAScienceStillNeeds) {
    ui.scienceMenuOpen = 1;
    // Horse Collar (science 8) needs Bronze Metallurgy (2) and Mining (7); Mining needs
    // Stonework (1). With Stonework known, a press on it names the other two.
    Civ(kPerson).knows[1] = 1;
    ui.sciencePage = 1;
    platform.ClearLog();
    DrawScienceMenu();
    const DrawRecord* spot = nullptr;
    for (const DrawRecord& r : log())
        if (r.kind == DrawRecord::Text && r.name == scienceName(8)) spot = &r;
    ASSERT_NE(spot, nullptr);
    const int x = spot->x + 5, y = spot->y + 3;
    ASSERT_TRUE(ScienceMenuMouseDown(x, y));
    platform.ClearLog();
    DrawScienceMenu();
    bool told = false;
    for (const DrawRecord& r : log())
        told = told || (r.kind == DrawRecord::Text && r.name == std::string(scienceName(8)) +
                                                                    " still needs: " + scienceName(2) + ", " +
                                                                    scienceName(7) + ".");
    EXPECT_TRUE(told);
}
