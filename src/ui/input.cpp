#include "ui/input.h"

#include "ui/entrance.h"

#include "platform/keys.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/state.h"

namespace annals {

void FormKeyDown(int key, int) {
    // On the entrance screen only Escape acts: it closes the open page, or quits.
    if (!ui.gameStarted) {
        if (key != kVkEscape) return;
        if (ui.newGameScreen)
            ui.newGameScreen = 0;
        else if (ui.loadScreen)
            ui.loadScreen = 0;
        else if (ui.creditsScreen)
            ui.creditsScreen = 0;
        else
            TheHost().Quit();
    }
}

void BaseMouseDown(int button, int, int x, int y) {
    ui.screenJustClosed = 0;
    ui.buttonHeld = 1;
    if (ui.clickSource != 255) ui.clickSource = 1;
    if (!ui.gameStarted) {
        EnteranceMouseDown(button, x, y);
        return;
    }
}
void BaseMouseUp(int, int, int, int) {
    ui.buttonHeld = 0;
}

void BaseMouseMove(int, int x, int y) {
    ui.mouseX = x;
    ui.mouseY = y;
}

void MouseControl() {}

// The system pointer is hidden over the game, so the game always draws one. Until the
// pointer pictures exist, a plain arrow.
void DrawMouse() {
    Surface& screen = ThePlatform().BackBuffer();
    const int x = ui.mouseX, y = ui.mouseY;
    for (int i = 0; i < 16; ++i) {
        screen.Line(x, y + i, x + i * 2 / 3, y + i, Rgb(250, 245, 230));
        screen.SetPixel(x + i * 2 / 3 + 1, y + i, kBlack);
    }
    screen.Line(x, y, x, y + 16, kBlack);
    screen.Line(x, y + 16, x + 11, y + 16, kBlack);
}

} // namespace annals
