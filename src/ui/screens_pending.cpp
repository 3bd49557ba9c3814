// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

#include <cstdint>

namespace annals {

void DrawBigNews() {}
void DrawNews() {}
void DrawFinanceMenu() {}
void DrawProductsMenu() {}
void DrawCityMenu() {}
void DrawCitiesMenu() {}
void DrawHelpMenu() {}
void DrawStatsMenu() {}
void DrawAITime() {}
void DrawDialogTable() {}
void DrawInfoAboutCivilization() {}
int32_t Score() {
    return 0;
}

} // namespace annals
