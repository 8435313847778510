// One whole flight of the shot that makes cup 1 of a new rack (474 steps),
// without pacing or drawing: the cost of the physics alone.
#include <benchmark/benchmark.h>

#include "core/game_state_probe.h"
#include "flight/fly_ball.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

void BM_FlightIntoCupOne(benchmark::State& state) {
    ScriptedPlatform platform;
    FormMain main(platform);
    CupArray<double> cupX{}, cupZ{};
    GameStateProbe(main).NewRackLayout(false, cupX, cupZ);
    const FlightLaunch launch = LaunchFromShot(1250, 45, 0, 0, 30, -48);
    FlightHooks noHooks;
    for (auto _ : state) {
        CupArray<Flag> standing{};
        standing.fill(kTrue);
        double rackZ = 36, baseY = 0, x = 0, y = 0, z = 0;
        const double handZ = -48;
        Flag inCup = kFalse, stopFlight = kFalse, paused = kFalse;
        std::int16_t nearestCup = 0;
        const std::int64_t steps = FlyBall(
            launch, FlightRack{standing, cupX, cupZ, rackZ, baseY},
            FlightEnds{FlightHeading::TowardFarRack, handZ},
            FlightBall{x, y, z, inCup, stopFlight, paused, nearestCup}, FlightPhysics{}, noHooks);
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(BM_FlightIntoCupOne);

}  // namespace
}  // namespace dorvanta

BENCHMARK_MAIN();
