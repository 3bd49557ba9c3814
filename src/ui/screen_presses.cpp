// The presses of the screens, tested in their fixed order. Each screen's handling joins
// here when the screen is built.
#include "ui/input.h"

namespace annals {

bool ScreenMouseDownHook(int, int, int) {
    return false;
}

void ScienceTableKeyHook(int) {}

} // namespace annals
