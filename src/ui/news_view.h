// The news column at the left of the map and the announcements of wonders.
#pragma once

#include <cstdint>
#include <string>

namespace annals {

// What a news item says, for the pointer resting on it: "Roma produced Warrior. ".
std::string NewsText(int32_t code);

// The news items' city names; once per frame from the information panel.
void WriteNewsLabels();
// The explanation of the item under the pointer; once per frame from the panel.
void WriteNewsHover();
// A press on the news column (no screen open): an item about one of the player's own
// cities opens its screen. True when an item was hit.
bool NewsMouseDown(int x, int y);

// The texts of the wonder announcement and the countdown of its button.
void WriteBigNews();
// A press while the announcement is shown: its Continue button. True when it was hit.
bool BigNewsMouseDown(int x, int y);

} // namespace annals
