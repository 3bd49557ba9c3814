// The presses of the screens, tested in their fixed order. Each screen's handling joins
// here when the screen is built.
#include "state/state.h"
#include "ui/dialog_view.h"
#include "ui/input.h"
#include "ui/science_screens.h"

namespace annals {

bool ScreenMouseDownHook(int, int x, int y) {
    // 13: a dialog takes every press; only its answers act.
    if (ui.dialogCode != 0) return DialogMouseDown(x, y);
    // 14: the research table, while no science tree, dialog or game over covers it.
    if (ui.scienceTableOpen && !ui.scienceMenuOpen && ui.dialogCode == 0 && !game.gameOver)
        return ScienceTableMouseDown(x, y);
    return false;
}

void ScienceTableKeyHook(int key) {
    ScienceTableKey(key);
}

} // namespace annals
