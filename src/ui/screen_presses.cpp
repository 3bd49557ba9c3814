// The presses of the screens, tested in their fixed order. Each screen's handling joins
// here when the screen is built.
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/dialog_view.h"
#include "ui/help_screen.h"
#include "ui/info_panel.h"
#include "ui/input.h"
#include "ui/menus.h"
#include "ui/news_view.h"
#include "ui/overview_screens.h"
#include "ui/science_screens.h"

#include <cmath>

namespace annals {

bool ScreenMouseDownHook(int button, int x, int y) {
    // 3: a press on a worked cell of the city screen starts a worker drag.
    if (ui.cityMenuX != 0) CityWorkerDragPress(button, x, y);
    // 6: the wonder announcement's button.
    // The research table's buttons lie over the announcement's: while the table is open
    // the press is the table's.
    if (ui.bigNewsOpen && !ui.scienceTableOpen && BigNewsMouseDown(x, y)) return true;
    // 7: the save and load menus take every press.
    if (ui.saveMenuOpen || ui.loadMenuOpen) return SaveLoadMenuMouseDown(x, y);
    // 8: the help screen takes every press.
    if (ui.helpMenuOpen) return HelpMouseDown(x, y);
    // 9: the news column, while nothing covers the map.
    if (!AnyPanelScreenOpen() && NewsMouseDown(x, y)) return true;
    // 10: the terrain window's close button.
    if (ui.terrainInfoOpen && TerrainInfoMouseDown(x, y)) return true;
    // 11: the main menu's items.
    if (ui.mainMenuOpen && MainMenuMouseDown(x, y)) return true;
    // 12: the rows and buttons of the products, cities, finance and statistics screens.
    if (OverviewMouseDown(x, y)) return true;
    // 13: a dialog takes every press; only its answers act.
    if (ui.dialogCode != 0) return DialogMouseDown(x, y);
    // 14: the research table, while no science tree, dialog or game over covers it.
    if (ui.scienceTableOpen && !ui.scienceMenuOpen && ui.dialogCode == 0 && !game.gameOver)
        return ScienceTableMouseDown(x, y);
    // 16: the city screen takes every press but the main-menu button's (15), which closes it.
    if (ui.cityMenuX != 0 && std::hypot(1.7 * (y - 750), static_cast<double>(x - 397)) >= 20)
        return CityMenuMouseDown(button, x, y);
    return false;
}

void ScienceTableKeyHook(int key) {
    ScienceTableKey(key);
}

} // namespace annals
