// The end of a game as the players see it: the end screen (who won and how, each
// civilization's score, the strength graph, the chronicle), and the hand-over screen that
// covers the map between the turns of two people who share one screen.
#pragma once

#include "platform/platform.h"

#include <string>

namespace annals {

// Drawn last in a frame, over everything else, while their flags are set.
void DrawEndScreen();
void DrawHandOver();

// An input event while one of them is up; true when it was theirs (the game sees none).
bool EndScreensTakeEvent(const InputEvent& event);

// Closes the game and shows the entrance screen.
void ReturnToEntrance();

// "The Romans won by conquest in AD 1650."
std::string EndLine();
// "AD 1250 — the Romans' turn".
std::string TurnNoticeText();

} // namespace annals
