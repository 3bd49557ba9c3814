// The options page as a player presses it: from the entrance and from the main menu,
// the language changing at once, and keys given to other orders.
#include "fixtures.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "state/computer_turns.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/input.h"
#include "ui/key_bindings.h"
#include "ui/options_screen.h"
#include "ui/screens.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace annals;
namespace fs = std::filesystem;

namespace {

// The page's places, as it draws them: two sheets from y 200.
constexpr int kTop = 200;
constexpr int kChoiceRowY[6] = {0, 0, kTop + 150, kTop + 192, kTop + 234, kTop + 276}; // from language on
int ChoiceX(int count, int i) {
    return 242 + i * (count == 3 ? 83 : 123) + 20;
}
int KeyBoxX(int place) {
    return 700 + 74 * place + 30;
}
int KeyBoxY(int action) {
    return kTop + 78 + 17 * action + 6;
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        dir = annals::testing::FreshTempDir("options");
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        gameFolder = dir.string();
        InstallShellHost(platform);
        InitializeVariables();
        LoadSettings();
        ApplySettings();
    }
    void TearDown() override {
        UninstallShellHost();
        fs::remove_all(dir);
        LoadSettings();
        ActiveKeyTable() = DefaultKeyTable();
        SetComputerTurnsShown(ComputerTurns::Follow);
        ResetState();
    }
    static void Press(int button, int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(button, 0, x, y);
        BaseMouseUp(button, 0, x, y);
    }
    std::string File() const {
        std::ifstream in(dir / "config" / "annals" / "settings");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int Messages() {
        int n = 0;
        for (const DrawRecord& r : *platform.Log()) n += r.kind == DrawRecord::Message;
        return n;
    }
    fs::path dir;
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

} // namespace

TEST_F(OptionsTest, FromTheEntranceChoicesTakeEffectAtOnceAndAreKept) {
    Press(0, 600, 470); // Options, under the entrance's four items
    ASSERT_EQ(ui.optionsOpen, 1);
    Press(0, ChoiceX(2, 1), kChoiceRowY[2]); // Türkçe
    EXPECT_EQ(game.language, 2);
    Press(0, ChoiceX(2, 1), kChoiceRowY[3]); // a window
    EXPECT_FALSE(platform.Fullscreen());
    Press(0, ChoiceX(2, 1), kChoiceRowY[4]); // whole steps
    EXPECT_TRUE(platform.WholeNumberScaling());
    Press(0, ChoiceX(3, 2), kChoiceRowY[5]); // only the result
    EXPECT_EQ(ComputerTurnsShown(), ComputerTurns::Result);
    Press(0, 242, kTop + 65); // the music's bar at its left end: off
    EXPECT_EQ(platform.MusicVolume(), 0);
    const std::string file = File();
    for (const char* line : {"language = tr", "screen = window", "scaling = whole", "computer-turns = result",
                             "music-volume = 0"})
        EXPECT_NE(file.find(line), std::string::npos) << line << "\n" << file;
    // The page is drawn in the new language, the motto under the title too (the band of
    // the entrance picture that holds the Turkish motto).
    platform.ClearLog();
    DrawEnterance();
    bool turkish = false, motto = false;
    for (const DrawRecord& r : *platform.Log()) {
        turkish |= r.kind == DrawRecord::Text && r.name == "Ayarlar";
        motto |= r.kind == DrawRecord::Sprite && r.source.top == 1536 && r.y == 165;
    }
    EXPECT_TRUE(turkish);
    EXPECT_TRUE(motto);
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.optionsOpen, 0);
    EXPECT_EQ(ui.mainMenuOpen, 0) << "no main menu over the entrance";
}

TEST_F(OptionsTest, AKeyInUseIsTakenOnlyWhenThePlayerSaysSo) {
    OpenOptions();
    Press(0, KeyBoxX(1), KeyBoxY(kBuildCityKey)); // build a city, second place
    ASSERT_NE(ui.optionsAwaitedKey, 0);
    FormKeyDown(kVkShift, 0); // a modifier alone is no key
    ASSERT_NE(ui.optionsAwaitedKey, 0);
    platform.SetAskAnswer(false);
    FormKeyDown('R', 0); // the road's key: asked, refused
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(BoundKey('R'), 'R');
    EXPECT_EQ(ui.optionsAwaitedKey, 0);

    Press(0, KeyBoxX(1), KeyBoxY(kBuildCityKey));
    platform.SetAskAnswer(true);
    FormKeyDown('R', 0); // asked again, taken
    EXPECT_EQ(Messages(), 2);
    EXPECT_EQ(BoundKey('R'), 'B');
    EXPECT_EQ(CurrentSettings().keys.keys[kBuildRoadKey][0], 0);
    EXPECT_NE(File().find("key.build-road = none"), std::string::npos) << File();

    Press(0, KeyBoxX(0), KeyBoxY(kBuildRoadKey)); // a free key: no question
    FormKeyDown(kVkEscape, 0);                    // even Escape can be given
    EXPECT_EQ(Messages(), 3) << "Escape belonged to the menu";
    EXPECT_EQ(BoundKey(kVkEscape), 'R');
    EXPECT_EQ(ui.optionsOpen, 1) << "a key given is not a key that closes";

    Press(1, KeyBoxX(0), KeyBoxY(kBuildRoadKey)); // a right press clears the box
    EXPECT_EQ(BoundKey(kVkEscape), 0);
    Press(0, 520 + 115 + 80, kTop + 404 + 20); // default keys
    EXPECT_EQ(BoundKey('R'), 'R');
    EXPECT_EQ(BoundKey(kVkEscape), kVkEscape);
    EXPECT_EQ(File().find("key."), std::string::npos);
    Press(0, 92 + 115 + 80, kTop + 404 + 20); // back
    EXPECT_EQ(ui.optionsOpen, 0);
}

TEST_F(OptionsTest, InAGameThePageGoesBackToTheMainMenuAndReboundKeysGiveOrders) {
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    InstallShellHost(platform);
    ui.gameStarted = 1;
    KeyTable keys = DefaultKeyTable();
    keys.keys[kFortifyKey][0] = 'Q';
    keys.keys[kMenuKey][0] = kVkF1 + 1; // F2 opens the menu
    std::string error;
    ASSERT_EQ(ChangeKeys(keys, error), SettingChange::Changed) << error;
    const int unit = game.currentUnit;
    FormKeyDown('F', 0);
    EXPECT_EQ(Unit(1, unit).fortified, 0) << "F gives no order now";
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.mainMenuOpen, 0) << "Escape gives no order now";
    FormKeyDown('Q', 0);
    EXPECT_EQ(Unit(1, unit).fortified, 1);
    FormKeyDown(kVkF1 + 1, 0);
    ASSERT_EQ(ui.mainMenuOpen, 1);
    OpenOptions();
    EXPECT_EQ(ui.mainMenuOpen, 0);
    FormKeyDown(kVkF1 + 1, 0); // the menu's key closes the page, back to the menu
    EXPECT_EQ(ui.optionsOpen, 0);
    EXPECT_EQ(ui.mainMenuOpen, 1);
}
