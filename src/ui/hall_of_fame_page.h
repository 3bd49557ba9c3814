// The entrance screen's hall of fame: the finished games of this player, best first.
#pragma once

namespace annals {

// Reads the list (a damaged file is reported and set aside) and shows the page.
void OpenHallOfFame();
void DrawHallOfFame();
// A press on the page; true when it closed the page.
bool HallOfFamePress(int x, int y);

} // namespace annals
