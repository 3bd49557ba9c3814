// Every civilization's dense table of units, the cells' unit lists, and the order of turns.
#pragma once

namespace annals {

// Appends a unit of `type` at (x, y); does nothing when the civilization already has 200.
void AddUnit(int civ, int type, int x, int y);
// Removes a unit and everything that referred to it; the units it carried go with it.
void KillUnit(int civ, int slot);

// Mode 1 advances to the next unit that can act; mode 2 looks at the current slot again
// (after the current unit was removed, the next one has moved into its slot). When no
// unit is left the turn passes, as the rules for people and computers say.
void NextUnit(int mode);
// Frames (60 ms each) the new year and "your turn" stay on the map when a person's turn begins.
constexpr int kTurnNoticeFrames = 25;
// Shows the new year and "your turn" when the civilization to move is a person's: as his
// turn begins, and as a new or loaded game begins.
void AnnounceTurn();
// Covers the map until the person to move is ready, when several people share the screen.
void CoverSharedScreen();
// While a computer civilization is to move, lets it play unit by unit until a person is
// to move. A game that nobody plays is left to the frames, a share of it in each.
void Looping();
// A computer civilization is to move and may: no dialog waits, the game is not over.
bool ComputerToMove();
// One step of the computers: a finished move's distance rebuild, then the current unit
// acts and, unless it asked to act again, the next one is chosen (which passes the turn
// on when none is left). With nobody playing, the view goes with the unit about to act.
void ComputerStep();
// No civilization in play is a person's: the game is only watched.
bool NobodyPlays();
// Start of a civilization's turn: move points restored, attacks forgotten.
void StartCivTurn();

// A land unit whose own cell and every neighbour are sea: cargo aboard a ship at open
// sea, never selected.
bool StrandedAtSea(int civ, int slot);
// The current unit of the current civilization, or null when there is none.
struct UnitRecord* CurrentUnitRecord();
// The map view follows a person's selection: near it is left alone unless `centre`.
void MoveViewToSelection(bool centre);

} // namespace annals
