// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

namespace annals {

void DrawBigNews() {}
void DrawMainMenu() {}
void DrawSaveLoadMenu() {}
void DrawNews() {}
void DrawFinanceMenu() {}
void DrawProductsMenu() {}
void DrawCityMenu() {}
void DrawCitiesMenu() {}
void DrawHelpMenu() {}
void DrawStatsMenu() {}
void DrawTerrainInfoMenu() {}
void DrawAITime() {}
void DrawGameOverMenu() {}
void DrawScoreMenu() {}
void DrawInfoAboutCivilization() {}

} // namespace annals
