// The dialogs: what each answer does, the natives' trade, and a dialog answered the way a
// player answers it.
#include "diplomacy/dialogs.h"
#include "diplomacy/rival_leaders.h"
#include "economy/city_numbers.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/chronicle.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/dialog_view.h"
#include "ui/input.h"
#include "ui/screens.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>

using namespace annals;
using namespace annals::city_numbers;

namespace {

constexpr int kHuman = 1, kRival = 2, kNatives = 3;

// A 30 x 30 grassland; civilization 1 (a person) has a warrior at (5, 5) and a settler,
// 2 is a computer, 3 the natives with three villages far away.
class DialogsTest : public ::testing::Test {
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
        Civ(kHuman).nation = 3;
        Civ(kRival).nation = 8;
        Civ(kRival).isComputer = 1;
        Civ(kNatives).nation = kNativeNation;
        Civ(kNatives).isComputer = 1;
        for (int civ = 1; civ <= 3; ++civ) Civ(civ).gold = 50;
        for (int k = 1; k <= 3; ++k) Village(k, 20 + 3 * k, 25);
        AddUnit(kHuman, kWarrior, 5, 5);
        AddUnit(kHuman, kSettler, 8, 8);
        for (int slot = 1; slot <= 2; ++slot) Unit(kHuman, slot).movesLeft = 3;
        game.currentCiv = game.viewCiv = kHuman;
        game.currentUnit = game.viewUnit = 1;
        game.viewX = game.viewY = 1;
        ui.gameStarted = 1;
        DistanceCalculation();
        platform.ClearLog();
    }
    void TearDown() override {
        UninstallShellHost();
        ResetState();
    }
    static void Village(int k, int x, int y) {
        MapCell& cell = Cell(x, y);
        cell.hasCity = 1;
        cell.owner = cell.founder = kNatives;
        cell.nameIndex = static_cast<uint8_t>(k);
        cell.cityIndex = static_cast<uint8_t>(k);
        Civ(kNatives).cities[k] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
        Civ(kNatives).cityCount = static_cast<uint8_t>(k);
    }
    // The warrior was stopped stepping east onto a site.
    static void StoppedBeforeSite(int code, int site) {
        Cell(6, 5).site = static_cast<uint8_t>(site);
        Unit(kHuman, 1).movesLeft = 0;
        ui.dialogCode = code;
        ui.dialogParams[1] = 1;
        ui.dialogParams[2] = 0;
    }
    bool Logged(DrawRecord::Kind kind, const std::string& part) {
        return std::any_of(platform.Log()->begin(), platform.Log()->end(), [&](const DrawRecord& r) {
            return r.kind == kind && r.name.find(part) != std::string::npos;
        });
    }
    // Presses answer k of the open dialog and lets its pressed look run out.
    void Answer(int k) {
        const AnswerPlate plate = DialogAnswerPlate(k);
        const int x = (plate.left + plate.right) / 2, y = (plate.top + plate.bottom) / 2;
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
        for (int frame = 0; frame < 9; ++frame) TimerFunction();
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

} // namespace

TEST_F(DialogsTest, EachAnswerDoesWhatItSays) {
    struct Case {
        const char* name;
        int code, answer;
        std::function<void()> arrange;
        int nextCode;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"treaty accepted", 1, 1, [] { ui.dialogPartyB = kHuman; }, 2,
         [] {
             EXPECT_EQ(Civ(kHuman).relation[kNatives], 25);
             EXPECT_EQ(Civ(kNatives).relation[kHuman], 25);
         }},
        {"treaty refused", 1, 2, [] { ui.dialogPartyB = kHuman; }, 7,
         [] {
             EXPECT_EQ(Civ(kHuman).relation[kNatives], 13);
             EXPECT_EQ(ui.dialogPartyA, kNatives);
         }},
        {"burial-ground treaty accepted", 33, 1, [] { ui.dialogPartyB = kHuman; }, 2,
         [] { EXPECT_EQ(Civ(kNatives).relation[kHuman], 20); }},
        {"small village", 11, 1, [] { StoppedBeforeSite(11, 1); }, 0,
         [] {
             EXPECT_EQ(Civ(kHuman).gold, 55);
             EXPECT_EQ(Cell(6, 5).site, 0);
             EXPECT_EQ(Unit(kHuman, 1).x, 6) << "the stopped step is taken";
             EXPECT_EQ(Unit(kHuman, 1).movesLeft, 0);
         }},
        {"rich village", 21, 1, [] { StoppedBeforeSite(21, 0); }, 0, [] { EXPECT_EQ(Civ(kHuman).gold, 60); }},
        {"developed village", 12, 1,
         [] {
             StoppedBeforeSite(12, 2);
             ui.dialogParams[0] = 4;
         },
         0, [] { EXPECT_EQ(Civ(kHuman).knows[4], 1); }},
        {"cave tribe", 13, 1, [] { StoppedBeforeSite(13, 3); }, 0,
         [] {
             ASSERT_EQ(Civ(kHuman).unitCount, 3);
             EXPECT_EQ(Unit(kHuman, 3).type, kSettler);
             EXPECT_EQ(Unit(kHuman, 3).x, 6);
         }},
        {"warrior tribe", 14, 1,
         [] {
             StoppedBeforeSite(14, 4);
             ui.dialogParams[0] = kArcher;
         },
         0, [] { EXPECT_EQ(Unit(kHuman, 3).type, kArcher); }},
        {"rich village entered", 15, 1, [] { StoppedBeforeSite(15, 5); }, 21,
         [] { EXPECT_EQ(Cell(6, 5).site, 0); }},
        {"burial grounds, natives never met", 16, 1, [] { StoppedBeforeSite(16, 6); }, 33,
         [] { EXPECT_EQ(ui.dialogPartyB, kHuman); }},
        {"burial grounds, at peace", 17, 1,
         [] {
             StoppedBeforeSite(17, 7);
             Civ(kHuman).relation[kNatives] = 25;
         },
         22, [] {}},
        {"burial grounds, in contact", 16, 1,
         [] {
             StoppedBeforeSite(16, 6);
             Civ(kHuman).relation[kNatives] = 17;
         },
         23, [] {}},
        {"burial grounds, at war", 16, 1,
         [] {
             StoppedBeforeSite(16, 6);
             Civ(kHuman).relation[kNatives] = 13;
         },
         25, [] {}},
        {"trap entered", 18, 1, [] { StoppedBeforeSite(18, 8); }, 24, [] {}},
        {"dangerous site avoided", 16, 2,
         [] {
             StoppedBeforeSite(16, 6);
             Unit(kHuman, 1).gotoX = Unit(kHuman, 1).gotoY = 9;
         },
         0,
         [] {
             EXPECT_EQ(Cell(6, 5).site, 6);
             EXPECT_EQ(Unit(kHuman, 1).gotoX, 0);
             EXPECT_EQ(Unit(kHuman, 1).x, 5);
         }},
        {"warning from a low relation", 22, 1,
         [] {
             StoppedBeforeSite(22, 0);
             Civ(kHuman).relation[kNatives] = Civ(kNatives).relation[kHuman] = 12;
         },
         0,
         [] {
             EXPECT_EQ(Civ(kHuman).relation[kNatives], 10);
             EXPECT_EQ(Civ(kNatives).relation[kHuman], 10);
         }},
        {"warning from peace", 23, 1,
         [] {
             StoppedBeforeSite(23, 0);
             Civ(kHuman).relation[kNatives] = Civ(kNatives).relation[kHuman] = 30;
         },
         0, [] { EXPECT_EQ(Civ(kHuman).relation[kNatives], 25); }},
        {"trap", 24, 1, [] { StoppedBeforeSite(24, 0); }, 0,
         [] {
             EXPECT_EQ(Civ(kHuman).unitCount, 1);
             EXPECT_EQ(Unit(kHuman, 1).type, kSettler);
         }},
        {"village destroyed", 31, 1,
         [] {
             ui.dialogPartyA = kHuman;
             ui.dialogParams[0] = 17;
         },
         0, [] { EXPECT_EQ(Civ(kHuman).gold, 67); }},
        {"city lost", 35, 1,
         [] {
             ui.dialogParams[0] = kRival;
             ui.dialogParams[1] = 12;
             ui.dialogParams[2] = kHuman;
         },
         0,
         [] {
             EXPECT_EQ(Civ(kRival).gold, 62);
             EXPECT_EQ(Civ(kHuman).gold, 38);
         }},
        {"city taken", 36, 1,
         [] {
             ui.dialogParams[0] = kHuman;
             ui.dialogParams[1] = 30;
             ui.dialogParams[2] = kRival;
         },
         0,
         [] {
             EXPECT_EQ(Civ(kHuman).gold, 80);
             EXPECT_EQ(Civ(kRival).gold, 20);
         }},
        {"a dialog not told yet", 50, 1, [] {}, 0, [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ui.dialogCode = c.code;
        c.arrange();
        Answer(c.answer);
        EXPECT_EQ(ui.dialogCode, c.nextCode);
        c.check();
        TearDown();
    }
}

TEST_F(DialogsTest, AnOpenDialogIsAnsweredAndTheGameGoesOn) {
    // The warrior steps onto a small village.
    Cell(6, 5).site = 1;
    FormKeyDown(VkNumpad(6), 0);
    ASSERT_EQ(ui.dialogCode, 11);
    EXPECT_EQ(Unit(kHuman, 1).x, 5);

    // While it is open the warrior stays selected and keys are not orders.
    for (int frame = 0; frame < 3; ++frame) TimerFunction();
    EXPECT_TRUE(Logged(DrawRecord::Text, "5 gold"));
    EXPECT_EQ(game.currentUnit, 1);
    FormKeyDown(VkNumpad(2), 0);
    EXPECT_EQ(Unit(kHuman, 1).y, 5);

    // A press beside the plate does nothing; the plate itself answers after its pressed look.
    BaseMouseDown(0, 0, 100, 100);
    EXPECT_EQ(ui.closeCountdown, 0);
    Answer(1);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(Civ(kHuman).gold, 55);
    EXPECT_EQ(Unit(kHuman, 1).x, 6);
    EXPECT_EQ(Cell(6, 5).site, 0);
    EXPECT_GT(ui.coinAnimation, 0);
    EXPECT_TRUE(Logged(DrawRecord::Sound, "golds"));
    // The warrior's move is over: once it has come to rest the settler is next.
    for (int frame = 0; frame < 30 && game.currentUnit == 1; ++frame) TimerFunction();
    EXPECT_EQ(game.currentUnit, 2);
}

TEST_F(DialogsTest, WagonSellsItsGoodsThenBuysWhatTheVillageHasInPlenty) {
    AddUnit(kHuman, kWagonTrain, 20, 24);
    const int slot = Civ(kHuman).unitCount;
    UnitRecord& wagon = Unit(kHuman, slot);
    wagon.cargo[1] = kCloth * 1000 + 7;
    wagon.cargo[2] = kWood * 1000 + 10;
    game.currentUnit = static_cast<uint8_t>(slot);
    MapCell& village = Cell(23, 25);
    village.stock[kCotton] = 25;
    village.stock[kTobacco] = 90;
    village.stock[kGrape] = 30;
    village.stock[kFur] = 22;
    game.nativePurchases[kGrape] = 3;
    ui.dialogCode = 8;
    ui.dialogParams[0] = 1234;
    ui.dialogParams[1] = 500;
    ui.dialogParams[10] = 23;
    ui.dialogParams[11] = 25;
    std::snprintf(ui.dialogText, sizeof ui.dialogText, "%s", "Tula");

    const DialogContent offer = DialogContentOf();
    ASSERT_EQ(offer.answers.size(), 3u);
    EXPECT_EQ(offer.answers[0], "Sell 7 Cloth for 12.34 gold");
    EXPECT_NE(offer.text.find("12.34 gold"), std::string::npos);

    AnswerDialog(1);
    // Seven bales over three villages: the second, third, first, second ...
    EXPECT_EQ(Cell(23, 25).stock[kCloth], 2);
    EXPECT_EQ(Cell(26, 25).stock[kCloth], 3);
    EXPECT_EQ(Cell(29, 25).stock[kCloth], 2);
    EXPECT_EQ(game.nativeStock[kCloth], 7);
    EXPECT_DOUBLE_EQ(Civ(kHuman).gold, 50 + 12.34);
    EXPECT_EQ(wagon.cargo[1], kWood * 1000 + 10);
    EXPECT_EQ(wagon.cargo[2], 0);

    // All four raw products are plentiful: Fur, the scarcest, is not offered.
    ASSERT_EQ(ui.dialogCode, 9);
    const DialogContent plenty = DialogContentOf();
    ASSERT_EQ(plenty.answers.size(), 4u);
    EXPECT_EQ(plenty.answers[0],
              "Buy 20 Cotton in exchange for " + HundredthsText(0.9 * 20 * productPrice(kCotton)) + " gold");
    EXPECT_EQ(plenty.answers[1].substr(0, 15), "Buy 40 Tobacco ");
    EXPECT_EQ(plenty.answers[2], "Buy 20 Grape in exchange for 1.44 gold");
    EXPECT_EQ(plenty.answers[3], "No");

    // Too dear: refused with a message, the dialog stays.
    Civ(kHuman).gold = 1;
    EXPECT_FALSE(DialogAnswerAllowed(3));
    EXPECT_TRUE(Logged(DrawRecord::Message, "not got enough gold"));
    EXPECT_EQ(ui.dialogCode, 9);

    Civ(kHuman).gold = 10;
    ASSERT_TRUE(DialogAnswerAllowed(3));
    const DialogOutcome bought = AnswerDialog(3);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(bought.key, kVkSpace) << "the wagon ends its move";
    EXPECT_EQ(wagon.cargo[2], kGrape * 1000 + 20);
    EXPECT_EQ(game.nativePurchases[kGrape], 4);
    EXPECT_DOUBLE_EQ(Civ(kHuman).gold, 10 - 1.44);
    EXPECT_EQ(village.stock[kGrape], 30) << "the village's own stock is not reduced";
}

TEST_F(DialogsTest, NativesWishesAndPrices) {
    for (int p = 1; p <= kProducts; ++p) game.nativeDemand[p] = 0;
    game.nativeDemand[kGold] = 1; // never wished for
    game.nativeDemand[kCloth] = 2;
    game.nativeDemand[kCoat] = 1;
    game.nativeDemand[kWood] = 1;
    game.nativeStock[kCloth] = 40; // 20 per unit of demand
    game.nativeStock[kCoat] = 20;  // 20: ties with Cloth, which comes first
    game.nativeStock[kWood] = 90;
    EXPECT_EQ(MostNeededProduct(), kCloth);
    EXPECT_EQ(SecondNeededProduct(), kCoat);

    // Three villages: the stock per unit of demand and village decides the word.
    struct Case {
        int stock;
        const char* word;
    } words[] = {{14, "excellent "}, {15, "valuable "}, {42, "good "}, {45, ""}};
    for (const Case& c : words) {
        game.nativeStock[kCoat] = static_cast<uint8_t>(c.stock);
        EXPECT_STREQ(ValueWord(kCoat), c.word) << c.stock;
    }
    EXPECT_STREQ(ValueWord(kStone), "") << "no demand";

    struct Amount {
        double hundredths;
        const char* text;
    } amounts[] = {{1234, "12.34"}, {144, "1.44"}, {5, "0.05"}, {100, "1.00"}, {99.7, "0.99"}};
    for (const Amount& a : amounts) EXPECT_EQ(HundredthsText(a.hundredths), a.text);
}

// A hurried player presses twice on the same place. In the friendly talk, "pay us" leads to
// the leader's refusal, whose "prepare for war" would stand right there: it moves, and the
// second press keeps the peace.
TEST_F(DialogsTest, PressingTwiceOnOnePlaceInATalkKeepsThePeace) {
    for (int civ : {kHuman, kRival}) {
        const int other = civ == kHuman ? kRival : kHuman;
        Civ(civ).relation[other] = 25;
        Civ(civ).contactA[other] = 20;
        Civ(civ).contactB[other] = 10;
        Civ(civ).aiLevel = 3;
    }
    TalkWithLeader(kRival);
    ASSERT_EQ(ui.dialogCode, 45);
    const AnswerPlate tribute = DialogAnswerPlate(3);
    Answer(3);
    ASSERT_EQ(ui.dialogCode, 54) << "nobody threatens the rival: he refuses";
    const int x = (tribute.left + tribute.right) / 2, y = (tribute.top + tribute.bottom) / 2;
    BaseMouseDown(0, 0, x, y);
    BaseMouseUp(0, 0, x, y);
    EXPECT_EQ(ui.dialogAnswer, 1) << "the second press takes back the demand";
    for (int frame = 0; frame < 9; ++frame) TimerFunction();
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 25);
    EXPECT_EQ(ui.chainPress[2], 0) << "a talk that ended leaves no place behind for the next one";
}

// Where war cannot be moved off the place just pressed, it is asked for again, in the
// player's language, and only a "yes" goes to war.
TEST_F(DialogsTest, WarThatCannotBeMovedAsksAgain) {
    Civ(kHuman).relation[kRival] = Civ(kRival).relation[kHuman] = 25;
    ui.dialogPartyA = kHuman;
    ui.dialogPartyB = kRival;
    ui.dialogCode = 54;
    const int16_t everywhere[4] = {0, 0, 1024, 768}; // a press no plate can avoid
    std::copy(std::begin(everywhere), std::end(everywhere), std::begin(ui.chainPress));
    for (auto [language, question] : {std::pair<int, const char*>{1, "Are you sure? This means war."},
                                      {0, "Emin misiniz? Bu savaş demek."}}) {
        game.language = static_cast<uint8_t>(language);
        platform.SetAskAnswer(false);
        platform.ClearLog();
        const AnswerPlate war = DialogAnswerPlate(2);
        BaseMouseDown(0, 0, (war.left + war.right) / 2, (war.top + war.bottom) / 2);
        EXPECT_TRUE(Logged(DrawRecord::Message, question));
        EXPECT_EQ(ui.closeCountdown, 0) << "a \"no\" chooses nothing";
    }
    platform.ClearLog();
    Answer(1);
    EXPECT_FALSE(Logged(DrawRecord::Message, "war")) << "peace is never asked for twice";
    EXPECT_EQ(ui.dialogCode, 0);
    ui.dialogCode = 54;
    std::copy(std::begin(everywhere), std::end(everywhere), std::begin(ui.chainPress));
    platform.SetAskAnswer(true);
    Answer(2);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 13);
}

// A peace made in a talk is told in one line, with the gold that bought it, and the chronicle
// names the price.
TEST_F(DialogsTest, APeaceBoughtOrSignedIsToldInALine) {
    struct Case {
        int code;
        double relation; // before the answer
        int language;
        const char* line;
        const char* chronicle; // the entry added, or "" for none
    };
    const Case kCases[] = {
        {65, 13, 1, "Peace with the Romans: you paid 12 gold.",
         "The Britons bought peace from the Romans for 12 gold."},
        {65, 13, 0, "Romalılar ile barış: 12 altın ödediniz.",
         "İngilizler, Romalılar ile barışı 12 altına satın aldı."},
        {41, 25, 1, "Peace with the Romans: you paid 12 gold.", ""},
        {64, 13, 1, "Peace signed with the Romans.", "The Romans and the Britons signed a peace treaty."},
        {64, 13, 0, "Romalılar ile barış imzalandı.", "Romalılar ile İngilizler barış antlaşması imzaladı."},
        {75, 13, 1, "Peace signed with the Romans.", "The Romans and the Britons signed a peace treaty."},
        {55, 25, 1, "Peace with the Romans: they paid you 12 gold.", ""},
        {55, 25, 0, "Romalılar ile barış: size 12 altın ödediler.", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.line);
        game.language = static_cast<uint8_t>(c.language);
        Civ(kHuman).relation[kRival] = Civ(kRival).relation[kHuman] = c.relation;
        Civ(kHuman).gold = Civ(kRival).gold = 50;
        game.chronicleCount = 0;
        Civ(kRival).knows[3] = 1; // what the rival teaches for peace is no first discovery
        // The person opens the talks (45 on); the leader raises the demand of 41.
        ui.dialogPartyA = c.code == 41 ? kRival : kHuman;
        ui.dialogPartyB = c.code == 41 ? kHuman : kRival;
        ui.dialogCode = c.code;
        ui.dialogParams[0] = c.code == 75 ? 3 : 12;
        platform.ClearLog();
        Answer(1);
        EXPECT_TRUE(Logged(DrawRecord::Message, c.line));
        ASSERT_EQ(game.chronicleCount, *c.chronicle ? 1 : 0);
        if (*c.chronicle) {
            EXPECT_EQ(ChronicleText(game.chronicle[1]), c.chronicle);
        }
        ui.dialogCode = 0;
    }
    // Gold taken in a war is no peace, and a refusal tells of none.
    Civ(kHuman).relation[kRival] = Civ(kRival).relation[kHuman] = 13;
    for (auto [code, answer] : {std::pair{69, 1}, std::pair{65, 2}}) {
        ui.dialogCode = code;
        platform.ClearLog();
        Answer(answer);
        EXPECT_FALSE(Logged(DrawRecord::Message, "Peace")) << code;
    }
}

// Each find of an exploration site shows a picture of what was found, none of them another's;
// the three warnings at the burial grounds show the grounds.
TEST_F(DialogsTest, EachFindOfASiteShowsItsOwnPicture) {
    auto picture = [&](int code) {
        ui.dialogCode = code;
        ui.dialogParams[0] = code == 14 ? kWarrior : 3;
        platform.ClearLog();
        DrawDialogTable();
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Sprite && r.name.find("leadersSprite") != std::string::npos)
                return std::pair{r.source.left, r.source.top};
        return std::pair{-1, -1};
    };
    std::set<std::pair<int, int>> pictures;
    for (int code : {11, 21, 12, 13, 14, 24, 22}) {
        EXPECT_TRUE(pictures.insert(picture(code)).second) << code;
    }
    EXPECT_EQ(picture(23), picture(22));
    EXPECT_EQ(picture(25), picture(22));
    ui.dialogCode = 0;
}
