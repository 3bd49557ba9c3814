// How a person sees the computers' turns: followed as they play, faster, or only their
// result. The game played is the same whichever is chosen: this decides only what is
// drawn and how long the showing waits, never what the computers do.
#pragma once

#include <cstdint>

namespace annals {

enum class ComputerTurns : uint8_t { Follow = 1, Faster = 2, Result = 3 };

ComputerTurns ComputerTurnsShown();
void SetComputerTurnsShown(ComputerTurns shown);

// Whether frames are drawn while the computers act among themselves: their fights in
// view, the turn passing from one computer to the next, the view following their units.
bool ComputerActionsDrawn();
// Frames a computer unit's step into a new cell slides over: 3 followed (as a person's
// unit slides), 1 faster, 0 when only the result is shown.
int ComputerMoveFrames();
// A wait in the showing of something only computers take part in, as long as the
// choice makes it: whole when followed, a quarter when faster, none for the result.
int ComputerPauseMs(int milliseconds);

} // namespace annals
