// The sound effects and music tracks the game plays, by the names and numbers its
// audio code uses. The jukebox gives track t (trackLength [t] + 1600) frames of 60 ms
// before it starts the next one, so no track may last longer than that.
#pragma once

namespace annals::audio {

inline constexpr int kSoundCount = 32;
// clang-format off
inline constexpr const char* kSoundNames[kSoundCount] = {
    "move_land", "attack_infantry", "attack_horse", "attack_sword", "attack_catapult", "attack_cannon",
    "golds",     "move_horse",      "move_sea",     "buildRoad",    "click",           "city",
    "die",       "sword1",          "sword2",       "sword3",       "swish1",          "swish2",
    "elephant",  "sword4",          "adjust",       "sword5",       "fortify_land",    "fortify_horse",
    "intro",     "victory",         "buildCity",    "plant",        "examineHill",     "musket1",
    "musket2",   "musket3"};
// clang-format on

inline constexpr int kTrackCount = 37;
// Frames of 60 ms, indexed by track number 1..37.
// clang-format off
inline constexpr int kTrackLength[kTrackCount + 1] = {
    0,    1029, 1378, 2241, 963,  1909, 1145, 3519, 1760, 1826, 3785, 1079, 1859,
    2075, 946,  1228, 979,  996,  1394, 1926, 2258, 1726, 1295, 2158, 880,  979,
    1228, 1062, 880,  1511, 1295, 2374, 1295, 913,  2025, 2307, 1710, 2191};
// clang-format on
inline constexpr int kTrackExtraFrames = 1600;
inline constexpr double kFrameSeconds = 0.06;

constexpr double TrackCountdownSeconds(int track) {
    return (kTrackLength[track] + kTrackExtraFrames) * kFrameSeconds;
}

} // namespace annals::audio
