// The player's settings: the file kept between games, its damage, the driver's command,
// the language's sources, and the screen's picture area.
#include "fixtures.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/cli.h"
#include "shell/game_arguments.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "state/computer_turns.h"
#include "state/host.h"
#include "state/state.h"
#include "ui/key_bindings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace annals;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// XDG_CONFIG_HOME and the game folder point into a fresh folder of the test's own; the
// player's real ~/.config is never read or written.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = annals::testing::FreshTempDir("settings");
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadConfig = old != nullptr;
        if (old) oldConfig = old;
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        fs::create_directories(dir / "game");
        gameFolder = (dir / "game").string();
        InstallShellHost(platform);
        SetCommandLineLanguage(0);
    }
    void TearDown() override {
        UninstallShellHost();
        if (hadConfig)
            setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        // What the tests changed goes back to how a fresh program starts.
        SetCommandLineLanguage(0);
        LoadSettings();
        ActiveKeyTable() = DefaultKeyTable();
        SetComputerTurnsShown(ComputerTurns::Follow);
        fs::remove_all(dir);
        ResetState();
    }
    fs::path File() const { return dir / "config" / "annals" / "settings"; }
    void WriteSettings(const std::string& text) {
        fs::create_directories(File().parent_path());
        std::ofstream(File(), std::ios::binary) << text;
    }
    std::string Value(const std::string& name, std::string* source = nullptr) {
        for (const SettingLine& line : ListSettings())
            if (line.name == name) {
                if (source) *source = line.source;
                return line.value;
            }
        return "?";
    }
    fs::path dir;
    bool hadConfig = false;
    std::string oldConfig;
    HeadlessPlatform platform{HeadlessOptions{false, false}};
};

} // namespace

TEST_F(SettingsTest, TheFileIsReadLineByLineAndDamageCostsOnlyWhatWasDamaged) {
    struct Case {
        const char* text;
        bool problem;
        const char* music;
        const char* turns;
        const char* north;
    } cases[] = {
        {nullptr, false, "100", "follow", "KP8,Up"}, // no file yet: the defaults, no fault
        {"# mine\nmusic-volume = 40\n\ncomputer-turns=result\r\nkey.move-north = W\n", false, "40", "result",
         "W"},
        {"music-volume = 140\ncomputer-turns = faster\n", true, "100", "faster", "KP8,Up"},
        {"volume of the music: loud\nmusic-volume = 7\n", true, "7", "follow", "KP8,Up"},
        {"key.move-north = Down\n", true, "100", "follow", "KP8,Up"},              // Down moves south
        {"key.move-north = B\nmusic-volume = 5\n", true, "5", "follow", "KP8,Up"}, // B builds cities
        {"key.move-north = B\nkey.build-city = Q\n", false, "100", "follow", "B"},
        {"\x01\x02 = \xff\n", true, "100", "follow", "KP8,Up"}, // bytes that are no settings at all
    };
    for (const Case& c : cases) {
        fs::remove_all(dir / "config");
        if (c.text) WriteSettings(c.text);
        LoadSettings();
        const std::string text = c.text ? c.text : "(none)";
        EXPECT_EQ(!SettingsProblem().empty(), c.problem) << text << SettingsProblem();
        EXPECT_EQ(Value("music-volume"), c.music) << text;
        EXPECT_EQ(Value("computer-turns"), c.turns) << text;
        EXPECT_EQ(Value("key.move-north"), c.north) << text;
    }
    // A folder where the file should be: the defaults and a message, never a crash.
    fs::remove_all(dir / "config");
    fs::create_directories(File());
    LoadSettings();
    EXPECT_FALSE(SettingsProblem().empty());
    EXPECT_EQ(Value("music-volume"), "100");
}

TEST_F(SettingsTest, ChangesAreCheckedKeptAndReadBack) {
    struct Case {
        const char* name;
        const char* value;
        SettingChange expected;
    } cases[] = {
        {"music-volume", "35", SettingChange::Changed},
        {"effects-volume", "0", SettingChange::Changed},
        {"screen", "window", SettingChange::Changed},
        {"scaling", "whole", SettingChange::Changed},
        {"computer-turns", "faster", SettingChange::Changed},
        {"key.build-city", "Q,KP5", SettingChange::Changed},
        {"music-volume", "101", SettingChange::Refused},
        {"music-volume", "-1", SettingChange::Refused},
        {"music-volume", "", SettingChange::Refused},
        {"language", "de", SettingChange::Refused},
        {"screen", "Window", SettingChange::Refused},
        {"volume", "3", SettingChange::Refused},
        {"key.build-city", "Q,Q", SettingChange::Refused},
        {"key.build-city", "Hyper", SettingChange::Refused},
        {"key.build-city", "A,B,C,D", SettingChange::Refused},
        {"key.build-road", "KP8", SettingChange::Refused}, // the key of move-north
    };
    LoadSettings();
    for (const Case& c : cases) {
        const std::string before = ReadFile(File());
        std::string error;
        EXPECT_EQ(ChangeSetting(c.name, c.value, error), c.expected) << c.name << " " << c.value;
        if (c.expected == SettingChange::Refused) {
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(ReadFile(File()), before) << "a refused change leaves the file as it was";
        }
    }
    // In use at once...
    EXPECT_EQ(platform.MusicVolume(), 35);
    EXPECT_FALSE(platform.Fullscreen());
    EXPECT_TRUE(platform.WholeNumberScaling());
    EXPECT_EQ(ComputerTurnsShown(), ComputerTurns::Faster);
    EXPECT_EQ(BoundKey('Q'), 'B');
    EXPECT_EQ(BoundKey(VkNumpad(5)), 'B');
    EXPECT_EQ(BoundKey('B'), 0) << "B gives no order any more";
    // ...the effects silenced at 0...
    platform.ClearLog();
    PlaySound("click");
    EXPECT_TRUE(platform.Log()->empty());
    // ...and the same after a new start, from the file.
    SetComputerTurnsShown(ComputerTurns::Follow);
    LoadSettings();
    ApplySettings();
    std::string source;
    EXPECT_EQ(Value("music-volume", &source), "35");
    EXPECT_EQ(source, "settings file");
    EXPECT_EQ(Value("key.build-city"), "Q,KP5");
    EXPECT_EQ(Value("effects-volume"), "0");
    EXPECT_EQ(ComputerTurnsShown(), ComputerTurns::Faster);
    EXPECT_EQ(Value("key.fortify", &source), "F");
    EXPECT_EQ(source, "default");
    // Default keys again leave the file without key lines.
    std::string error;
    EXPECT_EQ(ChangeKeys(DefaultKeyTable(), error), SettingChange::Changed);
    EXPECT_EQ(ReadFile(File()).find("key."), std::string::npos);
}

TEST_F(SettingsTest, ASettingThatCannotBeWrittenHoldsForTheRun) {
    // A file where the settings' folder should be.
    fs::create_directories(dir / "config");
    std::ofstream(dir / "config" / "annals") << "not a folder";
    LoadSettings();
    std::string error;
    EXPECT_EQ(ChangeSetting("music-volume", "20", error), SettingChange::NotWritten);
    EXPECT_NE(error.find("annals"), std::string::npos) << error;
    EXPECT_EQ(platform.MusicVolume(), 20);
    EXPECT_EQ(ReadFile(dir / "config" / "annals"), "not a folder");
}

TEST_F(SettingsTest, TheLanguageComesFromLangThenTheSettingsThenLanguageTxt) {
    std::string source;
    LoadSettings();
    EXPECT_EQ(Value("language", &source), "en");
    EXPECT_EQ(source, "default");
    std::ofstream(dir / "game" / "language.txt") << "tr\n";
    LoadSettings();
    EXPECT_EQ(EffectiveLanguage(), 2);
    EXPECT_EQ(Value("language", &source), "tr");
    EXPECT_EQ(source, "language.txt");
    std::string error;
    ASSERT_EQ(ChangeSetting("language", "en", error), SettingChange::Changed) << error;
    EXPECT_EQ(game.language, 1) << "at once";
    LoadSettings();
    EXPECT_EQ(Value("language", &source), "en");
    EXPECT_EQ(source, "settings file");
    SetCommandLineLanguage(2);
    EXPECT_EQ(Value("language", &source), "tr");
    EXPECT_EQ(source, "--lang");
}

TEST_F(SettingsTest, TheDriverListsAndSetsAndTheNextCommandUsesIt) {
    UninstallShellHost(); // the driver installs its own
    std::string out, err;
    const std::string folder = ANNALS_GAME_DIR;
    // The listed line of a setting.
    auto line = [&](const std::string& name) {
        const size_t at = out.find("\n" + name + " ");
        return at == std::string::npos ? std::string() : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    };
    EXPECT_EQ(RunCli({"--folder", folder, "settings"}, out, err), 0) << err;
    EXPECT_NE(out.find(File().string() + " (not written yet)"), std::string::npos) << out;
    EXPECT_NE(out.find("computer-turns"), std::string::npos);
    EXPECT_NE(out.find("key.menu"), std::string::npos);

    struct Case {
        std::vector<std::string> words;
        int code;
    } cases[] = {
        {{"settings", "set", "music-volume", "abc"}, 2},
        {{"settings", "set", "nothing", "1"}, 2},
        {{"settings", "set", "language"}, 2},
        {{"settings", "get", "language", "tr"}, 2},
        {{"settings", "set", "language", "tr", "--out", "x"}, 2},
        {{"settings", "set", "language", "tr"}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--folder", folder};
        args.insert(args.end(), c.words.begin(), c.words.end());
        out.clear();
        err.clear();
        EXPECT_EQ(RunCli(args, out, err), c.code) << c.words[2] << err;
        if (c.code == 2) {
            EXPECT_FALSE(fs::exists(File())) << "nothing written for a wrong command";
            EXPECT_FALSE(err.empty());
        }
    }
    EXPECT_NE(ReadFile(File()).find("language = tr"), std::string::npos);
    // The next command plays in Turkish; --lang still wins for its own run.
    out.clear();
    EXPECT_EQ(RunCli({"--folder", folder, "settings"}, out, err), 0);
    EXPECT_NE(line("language").find(" tr "), std::string::npos) << out;
    EXPECT_NE(line("language").find("settings file"), std::string::npos) << out;
    EXPECT_EQ(game.language, 2);
    out.clear();
    EXPECT_EQ(RunCli({"--folder", folder, "--lang", "en", "settings"}, out, err), 0);
    EXPECT_NE(line("language").find(" en "), std::string::npos) << out;
    EXPECT_NE(line("language").find("--lang"), std::string::npos) << out;
    EXPECT_EQ(game.language, 1);
}

TEST(PictureArea, FitsOrGrowsByWholeSteps) {
    struct Case {
        int w, h;
        bool whole;
        Rect expected;
    } cases[] = {
        {1024, 768, false, {0, 0, 1024, 768}},     {1024, 768, true, {0, 0, 1024, 768}},
        {1920, 1080, false, {240, 0, 1680, 1080}}, {1920, 1080, true, {448, 156, 1472, 924}},
        {2560, 1600, true, {256, 32, 2304, 1568}}, {3840, 2160, true, {896, 312, 2944, 1848}},
        {1280, 1024, false, {0, 32, 1280, 992}},   {800, 600, true, {0, 0, 800, 600}}, // smaller: fitted
    };
    for (const Case& c : cases) {
        const Rect r = PictureArea(c.w, c.h, c.whole);
        EXPECT_EQ(r.left, c.expected.left) << c.w << "x" << c.h << " " << c.whole;
        EXPECT_EQ(r.top, c.expected.top) << c.w << "x" << c.h << " " << c.whole;
        EXPECT_EQ(r.right, c.expected.right) << c.w << "x" << c.h << " " << c.whole;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.w << "x" << c.h << " " << c.whole;
    }
}

TEST(GameArguments, TheWindowTakesFolderLangAndHelp) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string folder;
        int language;
    } cases[] = {
        {{}, -1, "", 0},          {{"--folder", "/opt/annals", "--lang", "tr"}, -1, "/opt/annals", 2},
        {{"--help"}, 0, "", 0},   {{"--lang", "de"}, 2, "", 0},
        {{"--folder"}, 2, "", 0}, {{"--fullscreen"}, 2, "", 0},
        {{"game.txt"}, 2, "", 0},
    };
    for (const Case& c : cases) {
        GameArguments parsed;
        std::string out, err;
        EXPECT_EQ(ParseGameArguments(c.args, parsed, out, err), c.code) << ::testing::PrintToString(c.args);
        if (c.code == -1) {
            EXPECT_EQ(parsed.folder, c.folder);
            EXPECT_EQ(parsed.language, c.language);
        }
        if (c.code == 0) {
            EXPECT_NE(out.find("usage: annals"), std::string::npos);
        } else if (c.code == 2) {
            EXPECT_NE(err.find("usage: annals"), std::string::npos);
        }
    }
}

TEST(KeyNames, EveryNamedKeyIsReadBackAndListsAreChecked) {
    int named = 0;
    for (int key = 1; key < 255; ++key) {
        const std::string name = KeyName(key);
        if (name.empty()) continue;
        ++named;
        EXPECT_EQ(KeyFromName(name), key) << name;
        EXPECT_FALSE(KeyLabel(key).empty()) << name;
    }
    EXPECT_GT(named, 80);
    EXPECT_TRUE(KeyName(kVkShift).empty());
    EXPECT_TRUE(KeyName(kVkPseudoStep).empty());
    int keys[kKeysPerAction];
    std::string error;
    EXPECT_TRUE(ParseKeyList("kp8,UP", keys, error));
    EXPECT_EQ(keys[0], VkNumpad(8));
    EXPECT_EQ(keys[1], kVkUp);
    EXPECT_EQ(keys[2], 0);
    EXPECT_TRUE(ParseKeyList("none", keys, error));
    EXPECT_EQ(keys[0], 0);
    for (const char* bad : {"", ",", "KP8,,Up", "Shift", "A,B,C,D", "Up,up"})
        EXPECT_FALSE(ParseKeyList(bad, keys, error)) << bad;
    EXPECT_EQ(KeyClash(DefaultKeyTable()), "");
}

TEST(ComputerTurnsShown, TheSameGameIsPlayedHoweverItIsShown) {
    struct Played {
        std::string save;
        int presents = 0;
        uint64_t waited = 0;
    } played[3];
    const ComputerTurns choices[3] = {ComputerTurns::Follow, ComputerTurns::Faster, ComputerTurns::Result};
    for (int i = 0; i < 3; ++i) {
        HeadlessPlatform platform{HeadlessOptions{false, false}};
        ASSERT_TRUE(annals::testing::MakeComputerGame(7, 24, 7));
        InstallShellHost(platform);
        ui.gameStarted = 1;
        ui.mouseX = 400; // the pointer mid-screen, where it scrolls nothing
        ui.mouseY = 300;
        // Every cell seen, so that the computers' fights stand in view.
        for (int x = 1; x <= game.mapWidth; ++x)
            for (int y = 1; y <= game.mapHeight; ++y) Cell(x, y).explored = 1;
        SetComputerTurnsShown(choices[i]);
        for (int round = 0; round < 60 && annals::testing::PlayComputerRound(); ++round) {
        }
        played[i] = {SaveGameText(), platform.PresentCount(), platform.TicksMs()};
        UninstallShellHost();
        ResetState();
    }
    SetComputerTurnsShown(ComputerTurns::Follow);
    EXPECT_EQ(played[1].save, played[0].save);
    EXPECT_EQ(played[2].save, played[0].save);
    EXPECT_GT(played[0].presents, 0);
    EXPECT_EQ(played[2].presents, 0) << "only the result: nothing drawn while computers alone play";
    EXPECT_GT(played[0].waited, 0u);
    EXPECT_LT(played[1].waited, played[0].waited) << "faster waits less";
    EXPECT_EQ(played[2].waited, 0u);
}
