// The game's own flights: the flight of the ball with the main window's ball,
// flags and physics members, a full redraw at every step that is on time and
// the paced holds that set the animation speed. The far rack is the player's
// target, the near rack the computer's.
#include <functional>
#include <utility>

#include "core/form_main.h"
#include "flight/fly_ball.h"
#include "flight/pacing.h"

namespace dorvanta {

namespace {

// A flight's hooks as the game wants them, each one a call back into the game.
class GameFlightHooks : public FlightHooks {
  public:
    GameFlightHooks(std::function<void()> draw, std::function<void()> pace,
                    std::function<void()> paused)
        : draw_(std::move(draw)), pace_(std::move(pace)), paused_(std::move(paused)) {}
    void Draw() override { draw_(); }
    void Pace() override { pace_(); }
    void PausedYield() override { paused_(); }

  private:
    std::function<void()> draw_, pace_, paused_;
};

}  // namespace

std::int64_t FormMain::FlyBallAtFarRack(const FlightLaunch& launch) {
    return FlyBallAt(launch, FarRack, false, BallInCup);
}

std::int64_t FormMain::FlyBallAtNearRack(const FlightLaunch& launch, Flag& inCup) {
    return FlyBallAt(launch, NearRack, true, inCup);
}

// The flight keeps to its own schedule: a step that is late skips its redraw
// but never its simulation, and the last position is always drawn. Slow
// motion and a new calibration take effect at the next step: the pacing
// product is read at every step.
std::int64_t FormMain::FlyBallAt(const FlightLaunch& launch, const Rack& rack, bool towardNearRack,
                                 Flag& inCup) {
    const FlightEnds ends{
        towardNearRack ? FlightHeading::TowardNearRack : FlightHeading::TowardFarRack,
        towardNearRack ? OpponentHandZ : HandZ};
    const FlightBall ball{BallX, BallY, BallZ, inCup, StopFlight, Paused, NearestCup};
    const FlightPhysics physics{BallRadius,  CupRadius,  CupHeight,
                                TableBounce, WallBounce, RimBounce};
    FlightSchedule schedule(platform(), yieldTimer_);
    bool lastDrawn = true;
    GameFlightHooks hooks(
        [this, &schedule, &lastDrawn] {
            lastDrawn = !schedule.Behind();
            if (lastDrawn) {
                DrawScene();
            }
        },
        [this, &schedule] {
            schedule.HoldStep(FlightDelay * CalibrationFactor * SlowFactor,
                              [this] { return StopFlight == kFalse; });
        },
        [this, &schedule] { schedule.WaitWhilePaused([this] { return Paused != kFalse; }); });
    const std::int64_t steps = FlyBall(launch, rack, ends, ball, physics, hooks);
    if (!lastDrawn) {
        DrawScene();
    }
    return steps;
}

}  // namespace dorvanta
