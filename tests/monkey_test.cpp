// A player who presses anything anywhere: thousands of random keys, presses, drags and
// frames on a new game must never crash the game or leave it unable to save.
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/random.h"
#include "state/state.h"
#include "ui/input.h"
#include "world/setup.h"

#include <gtest/gtest.h>

#include <random>

using namespace annals;

TEST(Monkey, RandomInputNeverBreaksTheGame) {
    for (unsigned seed : {1u, 2u}) {
        ResetState();
        HeadlessPlatform platform(HeadlessOptions{true, false});
        InstallShellHost(platform);
        gameFolder = ANNALS_GAME_DIR;
        FormCreate(seed);
        ASSERT_FALSE(platform.QuitRequested());
        game.mapWidth = game.mapHeight = 30;
        game.location = 1 + seed % 5;
        game.civCount = 4;
        game.difficulty = 3;
        for (int p = 1; p <= 3; ++p) {
            Civ(p).nation = static_cast<uint8_t>(p);
            Civ(p).colour = static_cast<uint8_t>(p);
            Civ(p).isComputer = p > 1;
            Civ(p).aiLevel = 3;
        }
        ASSERT_TRUE(StartGame());

        // The monkey's own dice, apart from the game's.
        std::mt19937 dice(seed);
        const int keys[] = {kVkSpace,    kVkEscape, kVkReturn, kVkUp,        kVkDown, kVkLeft,
                            kVkRight,    kVkHome,   kVkEnd,    kVkPrior,     kVkNext, VkNumpad(4),
                            VkNumpad(9), 'B',       'C',       'E',          'R',     'S',
                            'M',         'F',       kVkF1,     kVkPseudoStep};
        for (int step = 0; step < 3000 && !platform.QuitRequested(); ++step) {
            const int x = static_cast<int>(dice() % 1024), y = static_cast<int>(dice() % 768);
            switch (dice() % 6) {
            case 0:
                FormKeyDown(keys[dice() % std::size(keys)], 0);
                break;
            case 1:
                BaseMouseMove(0, x, y);
                BaseMouseDown(static_cast<int>(dice() % 2), 0, x, y);
                break;
            case 2:
                BaseMouseMove(0, x, y);
                BaseMouseUp(static_cast<int>(dice() % 2), 0, x, y);
                break;
            case 3:
                BaseMouseMove(0, x, y);
                break;
            default:
                TimerFunction();
                break;
            }
            // Answer what asks, as a player would, now and then.
            if (ui.dialogCode != 0 && dice() % 8 == 0) FormKeyDown(kVkSpace, 0);
        }
        const LoadOutcome check = CheckSaveText(SaveGameText());
        EXPECT_TRUE(check.ok) << "seed " << seed << ": " << check.reason;
        FormClose();
        UninstallShellHost();
    }
    ResetState();
}
