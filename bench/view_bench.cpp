// How long one full redraw of the start-up scene takes on the headless desktop:
// 49 projections and 88 display-list commands, as at every step of a flight.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/form_main.h"
#include "platform/scripted/scripted_platform.h"

namespace {

void BM_DrawStartUpScene(benchmark::State& state) {
    dorvanta::ScriptedPlatform platform;
    dorvanta::FormMain main(platform);
    main.Load();
    for (auto _ : state) {
        main.DrawScene();
        benchmark::DoNotOptimize(main.Picture1().DisplayList().data());
    }
    state.counters["commands"] = static_cast<double>(main.Picture1().DisplayList().size());
}
BENCHMARK(BM_DrawStartUpScene);

}  // namespace

// Start-up opens the data file in the working directory: run in a throwaway one.
int main(int argc, char** argv) {
    const std::filesystem::path home = std::filesystem::current_path();
    std::string scratch = (std::filesystem::temp_directory_path() / "dorvanta-bench-XXXXXX");
    if (mkdtemp(scratch.data()) == nullptr) {
        return 1;
    }
    std::filesystem::current_path(scratch);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::current_path(home);
    std::filesystem::remove_all(scratch);
    return 0;
}
