// The game reads all its picture sheets once at start: what that costs.
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/state.h"
#include "ui/drawing.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace annals;

namespace {

void BM_LoadSheets(benchmark::State& state) {
    HeadlessPlatform platform;
    InstallShellHost(platform);
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    gameFolder = error ? std::string("build/game") : exe.parent_path().string();
    for (auto _ : state) {
        if (!LoadSurfaces(1)) {
            state.SkipWithError(("no pictures " + SheetLoadError()).c_str());
            break;
        }
        benchmark::DoNotOptimize(SheetSurface(Sheet::TerrainSprite).GetPixel(1, 1));
    }
    FreeSurfaces();
    UninstallShellHost();
    ResetState();
}

BENCHMARK(BM_LoadSheets)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
