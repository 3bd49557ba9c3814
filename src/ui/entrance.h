// The entrance screen's presses (its drawing, DrawEnterance, is in screens.h).
#pragma once

namespace annals {

// A press while no game runs: the root menu, the settings, the load page or the credits.
void EnteranceMouseDown(int button, int x, int y);

} // namespace annals
