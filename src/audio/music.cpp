#include "audio/music.h"

namespace annals {

// The jukebox comes with the music.
void NextTrack() {}
void ToggleMusic() {}

} // namespace annals
