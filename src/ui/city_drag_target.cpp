// The outline under a worker dragged on the city screen: the square he would work if
// he were let go there.
#include "economy/city.h"
#include "platform/platform.h"
#include "state/state.h"
#include "ui/screens.h"

namespace annals {

namespace {

// The work area of the city screen: 5 x 5 cells of 50 pixels from (387, 195).
constexpr int kAreaLeft = 387, kAreaTop = 195, kCell = 50;

} // namespace

void WriteCityDragTarget() {
    if (ui.cityMenuX == 0 || !ui.workerDragging) return;
    const int x = ui.mouseX, y = ui.mouseY;
    if (x < kAreaLeft + 1 || x >= kAreaLeft + 1 + 5 * kCell || y < kAreaTop + 1 ||
        y >= kAreaTop + 1 + 5 * kCell)
        return;
    const int dx = (x - kAreaLeft) / kCell - 2, dy = (y - kAreaTop) / kCell - 2;
    if (dx == 0 && dy == 0) return; // the city's own square is always worked
    const int cx = ui.cityMenuX, cy = ui.cityMenuY;
    if (!InsideMap(cx, cy) || !Cell(cx, cy).hasCity) return;
    // Drawing changes nothing: the area test's note on foreign cells is put back.
    const uint8_t foreign = game.foreignAreaHit;
    const bool inArea = InCityArea(City(cx, cy), cx + dx, cy + dy);
    game.foreignAreaHit = foreign;
    if (!inArea) return;
    const int left = kAreaLeft + kCell * (dx + 2) + 1, top = kAreaTop + kCell * (dy + 2) + 1;
    ThePlatform().BackBuffer().FrameRect({left, top, left + 48, top + 48}, Rgb(255, 255, 255));
}

} // namespace annals
