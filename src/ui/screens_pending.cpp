// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

namespace annals {

void DrawCityMenu() {}
void DrawHelpMenu() {}
void WriteCityDragTarget() {}
void WriteCityMenuTexts() {}
void WriteMainMenuTexts() {}
void WriteScoreTerrainGameOverTexts() {}
void WriteHelpTexts() {}

} // namespace annals
