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
    int frames = 0;
};

// Five computers on a small island world for a number of rounds, on a screen with or
// without pixels: played headless, or watched, frame after frame, each frame taking the
// share of the computers' steps its pace gives.
Played PlayRounds(bool pixels, int rounds, const ComputerPace* watched = nullptr) {
    ResetState();
    HeadlessPlatform platform{{.pixels = pixels}};
    InstallShellHost(platform);
    gameFolder = ANNALS_GAME_DIR;
    FormCreate(5);
    Played played;
    played.surfacesLoaded = ui.surfacesLoaded;
    if (StartComputerGame(30, 5, 21)) {
        const int32_t target = game.turn + rounds;
        if (watched) {
            SetComputerPace(*watched);
            for (; played.frames < 100000 && game.turn < target && !game.gameOver; ++played.frames)
                TimerFunction();
            SetComputerPace({});
        }
        EXPECT_TRUE(AutoplayUntil(target));
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

// A game nobody plays is watched in the window a share of it in each frame: how much a
// frame takes changes how long it is watched, never the game played.
TEST(Autoplay, AWatchedGameIsTheGameHeadless) {
    const Played headless = PlayRounds(false, 8);
    ASSERT_FALSE(headless.save.empty());
    int frames = 1 << 30;
    for (const ComputerPace pace : {ComputerPace{1, 0}, ComputerPace{7, 0}, ComputerPace{}}) {
        SCOPED_TRACE("steps per frame " + std::to_string(pace.steps));
        const Played watched = PlayRounds(false, 8, &pace);
        EXPECT_TRUE(watched.save == headless.save);
        EXPECT_LT(watched.frames, frames) << "more steps a frame, fewer frames";
        frames = watched.frames;
    }
    EXPECT_EQ(frames, 8) << "without a limit a frame ends its share at a new year";
}
