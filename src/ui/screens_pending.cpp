// Screens that are not drawn yet. Each routine leaves this file for a file of its own
// when its screen is built.
#include "ui/screens.h"

namespace annals {

void WriteMainMenuTexts() {}
void WriteScoreTerrainGameOverTexts() {}

} // namespace annals
