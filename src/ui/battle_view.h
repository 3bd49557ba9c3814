// The fight as the map shows it: the explosion, the direction of the attack, the picture
// of a building knocked down, and the badge of a unit that rose in experience.
#pragma once

namespace annals {

// Drawn over the map view's units, under the frame around the view. The units of the
// fight themselves are drawn by the map view (battleUnits).
void DrawBattle();

} // namespace annals
