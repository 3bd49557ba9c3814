// The game played by the computers alone, as the headless driver plays it.
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/autoplay.h"
#include "shell/program.h"
#include "state/state.h"

#include <gtest/gtest.h>

using namespace annals;

namespace {

struct Played {
    std::string save;
    int presents = 0;
    int surfacesLoaded = 0;
};

// Five computers on a small island world for a number of rounds, on a screen with or
// without pixels.
Played PlayRounds(bool pixels, int rounds) {
    ResetState();
    HeadlessPlatform platform{{.pixels = pixels}};
    InstallShellHost(platform);
    gameFolder = ANNALS_GAME_DIR;
    FormCreate(5);
    Played played;
    played.surfacesLoaded = ui.surfacesLoaded;
    if (StartComputerGame(30, 5, 21)) {
        EXPECT_TRUE(AutoplayUntil(game.turn + rounds));
        played.save = SaveGameText();
    }
    played.presents = platform.PresentCount();
    FormClose();
    UninstallShellHost();
    ResetState();
    return played;
}

} // namespace

TEST(Autoplay, TheGameIsTheSameWithAndWithoutPixels) {
    const Played drawn = PlayRounds(true, 25);
    const Played blind = PlayRounds(false, 25);
    ASSERT_FALSE(drawn.save.empty());
    EXPECT_EQ(drawn.surfacesLoaded, 1);
    EXPECT_EQ(blind.surfacesLoaded, 0) << "a null canvas needs no pictures";
    EXPECT_GT(drawn.presents, 25) << "frames were drawn on the way";
    EXPECT_EQ(drawn.presents, blind.presents);
    EXPECT_EQ(drawn.save, blind.save);
}
