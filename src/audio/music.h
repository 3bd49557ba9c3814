// The music jukebox.
#pragma once

namespace annals {

// Starts the next track: a least-played one, chosen at random among those allowed.
void NextTrack();
void ToggleMusic();

} // namespace annals
