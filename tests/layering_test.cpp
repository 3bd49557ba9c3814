// Only the platform layer (and the game's main) may talk to SDL: the game logic and the
// screens must build and run without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// True for an #include of an SDL header: <SDL.h>, "SDL_ttf.h", <SDL2/SDL_mixer.h> ...
bool IncludesSdl(const std::string& line) {
    size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return false;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return false;
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (line[i] != '<' && line[i] != '"')) return false;
    std::string header = line.substr(i + 1);
    if (header.rfind("SDL2/", 0) == 0) header.erase(0, 5);
    return header.rfind("SDL", 0) == 0;
}
} // namespace

TEST(Layering, SdlHeadersOnlyInThePlatformLayer) {
    const fs::path root = ANNALS_SOURCE_DIR;
    std::vector<std::string> offenders;
    for (const char* folder : {"src", "tests", "bench"}) {
        if (!fs::exists(root / folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            if (!entry.is_regular_file()) continue;
            const fs::path rel = fs::relative(entry.path(), root);
            const std::string name = rel.generic_string();
            if (name.rfind("src/platform/", 0) == 0 || name == "src/shell/main_game.cpp") continue;
            std::ifstream file(entry.path());
            std::string line;
            int number = 0;
            while (std::getline(file, line)) {
                ++number;
                if (IncludesSdl(line)) offenders.push_back(name + ":" + std::to_string(number));
            }
        }
    }
    EXPECT_TRUE(offenders.empty()) << "SDL included outside src/platform/: "
                                   << ::testing::PrintToString(offenders);
}

TEST(Layering, TheCheckFindsAnSdlInclude) {
    // Guards the pattern above against silently matching nothing.
    for (const char* line : {"#include <SDL.h>", "#include <SDL2/SDL_ttf.h>", "  #  include \"SDL_mixer.h\""})
        EXPECT_TRUE(IncludesSdl(line)) << line;
    EXPECT_FALSE(IncludesSdl("#include \"platform/sdl_platform.h\""));
    EXPECT_FALSE(IncludesSdl("// #include <SDL.h> is not allowed here"));
}
