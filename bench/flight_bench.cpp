// One whole flight of the shot that makes cup 1 of a new rack (474 steps),
// without pacing or drawing: the cost of the physics alone.
#include <benchmark/benchmark.h>

#include "core/rack.h"
#include "flight/fly_ball.h"

namespace dorvanta {
namespace {

void BM_FlightIntoCupOne(benchmark::State& state) {
    const Rack rack = NewRack(RackEnd::Far, kCupRadius);
    const FlightLaunch launch = LaunchFromShot(1250, 45, 0, 0, kHandHeight, kPlayerHandZ);
    FlightHooks noHooks;
    for (auto _ : state) {
        double x = 0, y = 0, z = 0;
        Flag inCup = kFalse, stopFlight = kFalse, paused = kFalse;
        std::int16_t nearestCup = 0;
        const std::int64_t steps = FlyBall(
            launch, rack, FlightEnds{FlightHeading::TowardFarRack, kPlayerHandZ},
            FlightBall{x, y, z, inCup, stopFlight, paused, nearestCup}, FlightPhysics{}, noHooks);
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(BM_FlightIntoCupOne);

}  // namespace
}  // namespace dorvanta

BENCHMARK_MAIN();
