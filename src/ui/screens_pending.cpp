// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

namespace annals {

void DrawFinanceMenu() {}
void DrawProductsMenu() {}
void DrawCitiesMenu() {}
void DrawHelpMenu() {}
void DrawStatsMenu() {}
void WriteCityDragTarget() {}
void WriteMainMenuTexts() {}
void WriteScoreTerrainGameOverTexts() {}
void WriteOverviewTexts() {}
void WriteHelpTexts() {}
void WriteCitiesMenuTexts() {}

} // namespace annals
