// annals-assetgen: draws, synthesises and composes every asset of the game into a game
// folder: Art/*.bmp, Sounds/*.wav and Music/Music1..37.mid.
#include "music.h"
#include "sheets.h"
#include "sounds.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
        std::fprintf(stderr, "usage: annals-assetgen GAME_FOLDER\n"
                             "Writes Art/, Sounds/ and Music/ of the game into GAME_FOLDER.\n");
        return argc == 2 ? 0 : 2;
    }
    const std::string game = argv[1];
    const auto start = std::chrono::steady_clock::now();
    std::error_code ec;
    for (const char* folder : {"Art", "Sounds", "Music"}) {
        std::filesystem::create_directories(game + "/" + folder, ec);
        if (ec) {
            std::fprintf(stderr, "annals-assetgen: cannot create %s/%s: %s\n", game.c_str(), folder,
                         ec.message().c_str());
            return 1;
        }
    }
    std::string error;
    if (!annals::art::WriteSheets(game + "/Art", error) ||
        !annals::sound::WriteSounds(game + "/Sounds", error) ||
        !annals::music::WriteMusic(game + "/Music", error)) {
        std::fprintf(stderr, "annals-assetgen: %s\n", error.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("annals-assetgen: sheets, sounds and music written in %.2f s\n", seconds);
    return 0;
}
