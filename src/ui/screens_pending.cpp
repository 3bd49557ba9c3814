// The information panel's text passes of screens that write their own texts as they are
// drawn (the main menu, the score, the terrain's details and the game's end): the panel
// has nothing to add for them.
#include "ui/screens.h"

namespace annals {

void WriteMainMenuTexts() {}
void WriteScoreTerrainGameOverTexts() {}

} // namespace annals
