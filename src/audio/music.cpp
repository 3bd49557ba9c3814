#include "audio/music.h"

#include "platform/platform.h"
#include "state/state.h"

namespace annals {

namespace {

constexpr int32_t kTrackLength[kMusicTracks + 1] = {
    0,    1029, 1378, 2241, 963,  1909, 1145, 3519, 1760, 1826, 3785, 1079, 1859,
    2075, 946,  1228, 979,  996,  1394, 1926, 2258, 1726, 1295, 2158, 880,  979,
    1228, 1062, 880,  1511, 1295, 2374, 1295, 913,  2025, 2307, 1710, 2191,
};
constexpr int32_t kTrackPadding = 1600;

uint64_t jukeboxState = 0x2545F4914F6CDD1DULL;

int JukeboxRandom(int n) {
    jukeboxState ^= jukeboxState << 13;
    jukeboxState ^= jukeboxState >> 7;
    jukeboxState ^= jukeboxState << 17;
    return static_cast<int>((jukeboxState >> 33) % static_cast<uint64_t>(n));
}

bool LeastPlayed(int track) {
    for (int i = 1; i <= kMusicTracks; ++i)
        if (!TrackExcluded(i) && ui.trackPlays[i] < ui.trackPlays[track]) return false;
    return true;
}

} // namespace

int32_t TrackLength(int track) {
    return track >= 1 && track <= kMusicTracks ? kTrackLength[track] : 0;
}

bool TrackExcluded(int track) {
    return track == 22 || track == 26 || track == 28 || track == 29 || track == 30 || track == 34 ||
           track == 35;
}

std::string TrackFile(int track) {
    return gameFolder + "/Music/Music" + std::to_string(track) + ".mid";
}

void SeedJukebox(uint64_t seed) {
    jukeboxState = seed ? seed : 0x2545F4914F6CDD1DULL;
}

void NextTrack() {
    int track = 0;
    // Draw until a least-played allowed track comes up; a fair draw finds one within a
    // few dozen tries, and the bound only guards against a broken generator.
    for (int tries = 0; tries < 100000 && track == 0; ++tries) {
        const int t = JukeboxRandom(kMusicTracks) + 1;
        if (!TrackExcluded(t) && LeastPlayed(t)) track = t;
    }
    for (int t = 1; track == 0 && t <= kMusicTracks; ++t)
        if (!TrackExcluded(t) && LeastPlayed(t)) track = t;
    ui.trackPlays[track] += 1;
    if (ui.musicOn) {
        ThePlatform().PlayMidi(TrackFile(track));
        ui.currentTrack = track;
        ui.musicCountdown = kTrackLength[track] + kTrackPadding;
    }
}

void ToggleMusic() {
    ui.musicOn = ui.musicOn ? 0 : 1;
    if (!ui.musicOn)
        ThePlatform().StopMidi();
    else
        ui.musicCountdown = 15;
}

} // namespace annals
