// The jukebox: least played tracks first, some never, and the music switch.
#include "audio/music.h"
#include "audio/sounds.h"
#include "platform/headless_platform.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace annals;

namespace {

class JukeboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        SetPlatform(&platform);
        ui.musicOn = 1;
        SeedJukebox(11);
    }
    void TearDown() override {
        SetPlatform(nullptr);
        ResetState();
    }
    HeadlessPlatform platform;
};

} // namespace

TEST_F(JukeboxTest, EveryAllowedTrackPlaysOnceBeforeAnyPlaysTwice) {
    std::vector<int> order;
    for (int i = 0; i < 90; ++i) {
        NextTrack();
        order.push_back(ui.currentTrack);
        EXPECT_EQ(ui.musicCountdown, TrackLength(ui.currentTrack) + 1600);
    }
    EXPECT_EQ(std::set<int>(order.begin(), order.begin() + 30).size(), 30u);
    for (int track : order) EXPECT_FALSE(TrackExcluded(track)) << track;
    for (int t : {22, 26, 28, 29, 30, 34, 35}) EXPECT_EQ(ui.trackPlays[t], 0);
    for (int t = 1; t <= kMusicTracks; ++t)
        if (!TrackExcluded(t)) {
            EXPECT_EQ(ui.trackPlays[t], 3) << t;
        }
    EXPECT_EQ(platform.Log()->back().kind, DrawRecord::Music);
    EXPECT_NE(platform.Log()->back().name.find("/Music/Music"), std::string::npos);
}

TEST_F(JukeboxTest, SwitchingOffStopsAtOnceAndOnStartsFifteenFramesLater) {
    NextTrack();
    ToggleMusic();
    EXPECT_EQ(ui.musicOn, 0);
    EXPECT_EQ(platform.Log()->back().kind, DrawRecord::StopMusic);
    const int playsBefore = ui.trackPlays[ui.currentTrack];
    ui.musicCountdown = 0;
    NextTrack(); // off: the draw counts, nothing plays, the countdown stays
    EXPECT_EQ(platform.Log()->back().kind, DrawRecord::StopMusic);
    EXPECT_EQ(ui.musicCountdown, 0);
    EXPECT_GE(ui.trackPlays[ui.currentTrack], playsBefore);
    ToggleMusic();
    EXPECT_EQ(ui.musicOn, 1);
    EXPECT_EQ(ui.musicCountdown, 15);
}

TEST(Sounds, EveryNamedSoundHasItsRecording) {
    for (const char* name : kSoundNames) {
        const std::string path = std::string(ANNALS_GAME_DIR) + "/Sounds/" + name + ".wav";
        EXPECT_TRUE(std::ifstream(path).good()) << path;
    }
}
