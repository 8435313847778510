// The game's own flights: the flight of the ball with the main window's ball,
// flags and physics members, a full redraw at every step and the paced yields
// that set the animation speed. The far rack is the player's target, the near
// rack the computer's.
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
                    std::function<void()> pausedYield)
        : draw_(std::move(draw)), pace_(std::move(pace)), pausedYield_(std::move(pausedYield)) {}
    void Draw() override { draw_(); }
    void Pace() override { pace_(); }
    void PausedYield() override { pausedYield_(); }

  private:
    std::function<void()> draw_, pace_, pausedYield_;
};

}  // namespace

std::int64_t FormMain::FlyBallAtFarRack(const FlightLaunch& launch) {
    return FlyBallAt(launch, FarRack, false, BallInCup);
}

std::int64_t FormMain::FlyBallAtNearRack(const FlightLaunch& launch, Flag& inCup) {
    return FlyBallAt(launch, NearRack, true, inCup);
}

// A step lasts at least the time it simulates, counted from the end of the
// previous one. Slow motion and a new calibration take effect at the next
// step: the pacing product is read at every step.
std::int64_t FormMain::FlyBallAt(const FlightLaunch& launch, const Rack& rack, bool towardNearRack,
                                 Flag& inCup) {
    const FlightEnds ends{
        towardNearRack ? FlightHeading::TowardNearRack : FlightHeading::TowardFarRack,
        towardNearRack ? OpponentHandZ : HandZ};
    const FlightBall ball{BallX, BallY, BallZ, inCup, StopFlight, Paused, NearestCup};
    const FlightPhysics physics{BallRadius,  CupRadius,  CupHeight,
                                TableBounce, WallBounce, RimBounce};
    double stepStart = platform().MonotonicSeconds();
    GameFlightHooks hooks([this] { DrawScene(); },
                          [this, &stepStart] {
                              PaceFlightStep(platform(), stepStart + kFlightStepSeconds,
                                             FlightDelay * CalibrationFactor * SlowFactor,
                                             [this] { return StopFlight == kFalse; });
                              stepStart = platform().MonotonicSeconds();
                          },
                          [this] { platform().Yield(); });
    return FlyBall(launch, rack, ends, ball, physics, hooks);
}

}  // namespace dorvanta
