// The music of the jukebox: every track composed from a seed of its own and written
// as a General MIDI file.
#pragma once

#include "asset_files.h"

#include <string>

namespace annals::music {

// Track 1..37, always the same piece for the same number.
assetfiles::MidiSong ComposeTrack(int track);

// Writes <musicDir>/Music1.mid .. Music37.mid, checking that each fits its slot.
bool WriteMusic(const std::string& musicDir, std::string& error);

} // namespace annals::music
