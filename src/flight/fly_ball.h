// Ball flight: the ball moves under gravity in fixed 0.01 s steps from its
// latest launch point, bounces on the table, glances off cup walls and rim
// edges, and ends in a cup or when it leaves the playing area. One flight
// serves both racks: the far rack (player's throw towards +z) and the near
// rack (computer's throw towards -z) differ only in the rack, the launch and
// which way the two end limits face. The table is an infinite plane, cups are
// vertical cylinders for the wall test and a circle of edge points for the rim
// test; there is no friction, spin or air.
#pragma once

#include <cstdint>

#include "core/rack.h"

namespace dorvanta {

// The simulated time of one step.
constexpr double kFlightStepSeconds = 0.01;

// A launch point and velocity (units, units per second).
struct FlightLaunch {
    double x0 = 0, y0 = 0, z0 = 0;
    double vx = 0, vy = 0, vz = 0;
};

// The launch of a shot given as power (gauge units) and two angles in degrees,
// from the hand at (x, y, z).
FlightLaunch LaunchFromShot(double power, double angleDeg, double azimuthDeg, double x, double y,
                            double z);

// Which way the thrower faces. The flight ends 24 units beyond the rack's
// front cup and when the ball comes back behind the thrower's hand.
enum class FlightHeading { TowardFarRack, TowardNearRack };

struct FlightEnds {
    FlightHeading heading;
    const double& handZ;  // the thrower's hand z: the near limit
};

// The ball and the flags the flight shares with the handlers that run in its
// yields (End Turn, Pause, New Game) and with the caller.
struct FlightBall {
    double& x;
    double& y;
    double& z;
    Flag& inCup;
    Flag& stopFlight;
    Flag& paused;
    std::int16_t& nearestCup;
};

// Sizes and bounce factors, fixed for a flight; the defaults are the standard
// table every new game starts with.
struct FlightPhysics {
    double ballRadius = kBallRadius;
    double cupRadius = kCupRadius;
    double cupHeight = kCupHeight;
    double tableBounce = 0.95;
    double wallBounce = 0.6;
    double rimBounce = 0.5;
};

enum class FlightEventKind { Bounce, Wall, Rim, Side, Cup };

// Something that happened in one step; x, y, z is the position computed in
// that step, before any new launch point. cup is 0 for bounce and side.
struct FlightEvent {
    FlightEventKind kind;
    std::int64_t step;  // 1 at launch
    int cup;
    double x, y, z;
};

// What the flight asks of its surroundings. The defaults do nothing, which is
// what the lab and the physics tests want.
class FlightHooks {
  public:
    virtual ~FlightHooks() = default;
    // Full redraw showing the ball where it is now.
    virtual void Draw() {}
    // The hold between two steps; the game delivers input at least once.
    virtual void Pace() {}
    // Asked again and again while the flight is paused; the game waits there
    // until the pause is lifted.
    virtual void PausedYield() {}
    virtual void OnEvent(const FlightEvent&) {}
};

// Flies the ball at `rack` until an end test fails; returns the number of
// steps run. The rack is read at every step, so a change made by a handler
// running inside the flight's yields (New Game) is seen at the next one.
// Leaves the outcome in the ball: inCup with nearestCup the cup made, the final
// position, and stopFlight when the flight was stopped or left the table. A ball
// whose position stops being a finite number has left the table in that step.
std::int64_t FlyBall(const FlightLaunch& launch, const Rack& rack, const FlightEnds& ends,
                     const FlightBall& ball, const FlightPhysics& physics, FlightHooks& hooks);

}  // namespace dorvanta
