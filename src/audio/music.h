// The music jukebox: the frame routine starts a new track whenever the last one is due
// to have finished, choosing at random among the least played tracks.
#pragma once

#include <cstdint>
#include <string>

namespace annals {

constexpr int kMusicTracks = 37;

// Starts the next track: a least-played one, chosen at random among those allowed.
void NextTrack();
// The main menu's switch: off stops the music at once, on starts a track 15 frames later.
void ToggleMusic();

// Frames a track is given before the next one is due (the fixed 1600 not included).
int32_t TrackLength(int track);
// Tracks that the jukebox never chooses.
bool TrackExcluded(int track);
std::string TrackFile(int track);
// The jukebox's own random draws never touch the game's generator.
void SeedJukebox(uint64_t seed);

} // namespace annals
