// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

namespace annals {

void DrawFinanceMenu() {}
void DrawProductsMenu() {}
void DrawCityMenu() {}
void DrawCitiesMenu() {}
void DrawStatsMenu() {}
void WriteCityMenuTexts() {}
void WriteMainMenuTexts() {}
void WriteScoreTerrainGameOverTexts() {}
void WriteOverviewTexts() {}
void WriteCitiesMenuTexts() {}

} // namespace annals
