// The end of a game: conquest, the chosen last year, retirement, and the fall of every
// person's civilization; who won, and the hall of fame entry of each person.
#pragma once

#include <cstdint>

namespace annals {

// A civilization with a unit or a city left.
bool Alive(int civ);
// A seat of a person: played by a person, or by the computer for a while in his place.
bool PersonSeat(int civ);
// The living civilization (natives aside) with the highest score; 0 when none lives.
int HighestScoreCiv();

// Looked at whenever a unit or a turn is done: a civilization that lost its last unit and
// city goes into the chronicle; one civilization left ends the game by conquest; every
// person's civilization gone ends it too, and then nobody is left to play (gameOver).
void CheckGameEnd();
// At the end of a turn: once the calendar has passed the chosen last year, the game ends
// by score (the years step by 10 or more, so the last one played may come before it).
void CheckEndYear();
// Ends the game now, as a retiring player does: the highest score wins.
void Retire();

// The word the driver prints: conquest, score, retirement, elimination.
const char* EndKindWord(int kind);

} // namespace annals
