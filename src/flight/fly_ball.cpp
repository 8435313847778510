#include "flight/fly_ball.h"

#include <cmath>
#include <limits>

#include "flight/direction_angle.h"

namespace dorvanta {

namespace {

constexpr double kGravity = 9.81;           // units per second squared
constexpr double kHalfGravity = 4.905;      // the height formula's half of it
constexpr double kReachBeyondRack = 24;     // units beyond the rack's front cup
constexpr double kLowestY = -10;            // a ball this far below the table is gone
constexpr int kQuietStepsAfterContact = 5;  // no wall or rim hit this soon after one
constexpr double kSlowRimSpeedSquared = 9;  // below speed 3 a rim hit doubles the speed

double Squared(double v) {
    return v * v;
}

// One flight in progress: the latest launch point, the time since it and the
// contact counter, with the angles that remember their last value.
class Flight {
  public:
    Flight(const FlightLaunch& launch, const Rack& rack, const FlightEnds& ends,
           const FlightBall& ball, const FlightPhysics& physics, FlightHooks& hooks)
        : launch_(launch),
          rack_(rack),
          ends_(ends),
          ball_(ball),
          physics_(physics),
          hooks_(hooks) {}

    std::int64_t Run();

  private:
    bool GoesOn() const;
    void Step();
    void Report(FlightEventKind kind, int cup) const;
    void Move();
    void TestSide();
    void TestTable();
    void TestCups();
    void SearchNearestCup(double& limit) const;
    double CupCentreZ(int cup) const { return rack_.RackZ + rack_.CupZ[cup]; }
    void DropIntoCup(int cup);
    void HitWall(int cup);
    void TestRim(int cup);
    void Relaunch(double x0, double y0, double z0);

    FlightLaunch launch_;
    const Rack& rack_;
    const FlightEnds& ends_;
    const FlightBall& ball_;
    const FlightPhysics& physics_;
    FlightHooks& hooks_;

    double t_ = 0;
    std::int16_t stepsSinceContact_ = 0;
    std::int64_t step_ = 0;
    double stepX_ = 0, stepY_ = 0, stepZ_ = 0;  // the position computed in this step
    DirectionAngle wallCupAngle_, wallSpeedAngle_;
    DirectionAngle rimCupAngle_, rimSpeedAngle_;
    DirectionAngle rimNormalAngle_, rimVerticalSpeedAngle_;
};

std::int64_t Flight::Run() {
    t_ = 0;
    ball_.inCup = kFalse;
    ball_.stopFlight = kFalse;
    ball_.paused = kFalse;
    stepsSinceContact_ = 0;
    ball_.x = launch_.x0;
    ball_.y = launch_.y0;
    ball_.z = launch_.z0;
    while (GoesOn()) {
        Step();
    }
    hooks_.Draw();
    return step_;
}

// The end test: still above the floor, between the thrower's hand and the far
// side of the rack, not in a cup and not stopped.
bool Flight::GoesOn() const {
    if (!(ball_.y >= kLowestY) || ball_.inCup != kFalse || ball_.stopFlight != kFalse) {
        return false;
    }
    if (ends_.heading == FlightHeading::TowardFarRack) {
        return ball_.z <= rack_.RackZ + kReachBeyondRack && ball_.z >= ends_.handZ;
    }
    return ball_.z >= rack_.RackZ - kReachBeyondRack && ball_.z <= ends_.handZ;
}

void Flight::Step() {
    // Pause: hold the step until Pause is pressed again.
    while (ball_.paused != kFalse) {
        hooks_.PausedYield();
    }
    ++step_;
    // Closed-form position from the latest launch point.
    const double lastX = ball_.x, lastY = ball_.y, lastZ = ball_.z;
    Move();
    // A launch too wild for a double leaves the ball at no number at all: it is
    // gone as surely as over the side, and the rest of the step cannot use it.
    // The ball stays where it was last seen, so the picture keeps showing it.
    if (!std::isfinite(ball_.x) || !std::isfinite(ball_.y) || !std::isfinite(ball_.z)) {
        ball_.x = lastX;
        ball_.y = lastY;
        ball_.z = lastZ;
        ball_.stopFlight = kTrue;
        return;
    }
    // Contact counter; it stops at its largest value on a long quiet flight.
    if (stepsSinceContact_ < std::numeric_limits<std::int16_t>::max()) {
        ++stepsSinceContact_;
    }
    // Off the side: this step still runs to its end.
    TestSide();
    // Table bounce.
    TestTable();
    // Full redraw.
    hooks_.Draw();
    // Cup and rim tests against the standing cups.
    TestCups();
    t_ += kFlightStepSeconds;
    // Pacing.
    hooks_.Pace();
}

void Flight::Report(FlightEventKind kind, int cup) const {
    hooks_.OnEvent(FlightEvent{kind, step_, cup, stepX_, stepY_, stepZ_});
}

void Flight::Move() {
    ball_.x = launch_.x0 + launch_.vx * t_;
    ball_.y = launch_.y0 + launch_.vy * t_ - kHalfGravity * (t_ * t_);
    ball_.z = launch_.z0 + launch_.vz * t_;
    stepX_ = ball_.x;
    stepY_ = ball_.y;
    stepZ_ = ball_.z;
}

void Flight::TestSide() {
    if (ball_.x > kTableHalfWidth || ball_.x < -kTableHalfWidth) {
        ball_.stopFlight = kTrue;
        Report(FlightEventKind::Side, 0);
    }
}

// The vertical speed reverses and loses a little; the new launch point is
// never below the table.
void Flight::TestTable() {
    if (ball_.y > 0) {
        return;
    }
    launch_.vy = -(launch_.vy - kGravity * t_) * physics_.tableBounce;
    launch_.x0 = ball_.x;
    launch_.y0 = ball_.y < 0 ? 0.0 : ball_.y;
    launch_.z0 = ball_.z;
    t_ = 0;
    Report(FlightEventKind::Bounce, 0);
}

void Flight::TestCups() {
    const double rimTop = rack_.RackBaseY + physics_.cupHeight;
    const double touching = Squared(physics_.ballRadius + physics_.cupRadius);
    double limit = Squared(4 * physics_.cupRadius);
    // Cup test: the ball's centre is below the rim top.
    if (rimTop > ball_.y) {
        SearchNearestCup(limit);
        const int cup = ball_.nearestCup;
        if (limit < Squared(physics_.cupRadius)) {
            DropIntoCup(cup);
        }
        if (limit < touching && stepsSinceContact_ > kQuietStepsAfterContact) {
            HitWall(cup);
        }
    }
    // Rim test: the ball's bottom is below the rim top.
    if (rimTop > ball_.y - physics_.ballRadius && stepsSinceContact_ > kQuietStepsAfterContact) {
        SearchNearestCup(limit);
        if (limit < touching) {
            TestRim(ball_.nearestCup);
        }
    }
}

// Strictly nearer than the limit, so of two equally near cups the lower
// number wins and the nearest cup stays as it was when none is near.
void Flight::SearchNearestCup(double& limit) const {
    for (int i = 1; i <= kCupCount; ++i) {
        if (rack_.CupStanding[i] == kFalse) {
            continue;
        }
        const double d2 = Squared(CupCentreZ(i) - ball_.z) + Squared(rack_.CupX[i] - ball_.x);
        if (d2 < limit) {
            limit = d2;
            ball_.nearestCup = static_cast<std::int16_t>(i);
        }
    }
}

void Flight::DropIntoCup(int cup) {
    ball_.inCup = kTrue;
    Report(FlightEventKind::Cup, cup);
    ball_.x = rack_.CupX[cup];
    ball_.y = rack_.RackBaseY + physics_.ballRadius;
    ball_.z = CupCentreZ(cup);
}

// The horizontal velocity is mirrored on the wall's normal and reversed; the
// ball is set back to touch the wall from outside.
void Flight::HitWall(int cup) {
    const double phiC = wallCupAngle_.Of(rack_.CupX[cup] - ball_.x, CupCentreZ(cup) - ball_.z);
    const double phiV = wallSpeedAngle_.Of(launch_.vx, launch_.vz);
    const double h = std::sqrt(Squared(launch_.vx) + Squared(launch_.vz));
    const double theta = 2 * phiC - phiV + kPi;
    launch_.vx = std::cos(theta) * h * physics_.wallBounce;
    launch_.vz = std::sin(theta) * h * physics_.wallBounce;
    launch_.vy = launch_.vy - kGravity * t_;
    const double reach = physics_.ballRadius + physics_.cupRadius;
    // A ball already in the cup only gets new launch values that never fly.
    if (ball_.inCup == kFalse) {
        Report(FlightEventKind::Wall, cup);
    }
    Relaunch(rack_.CupX[cup] - reach * std::cos(phiC), ball_.y,
             CupCentreZ(cup) - reach * std::sin(phiC));
}

// The rim edge point nearest the ball; if the ball touches it, the speed in
// the z-y plane is mirrored on the contact normal, the x speed on the
// horizontal normal as at a wall.
void Flight::TestRim(int cup) {
    const double phiC = rimCupAngle_.Of(rack_.CupX[cup] - ball_.x, CupCentreZ(cup) - ball_.z);
    const double phiV = rimSpeedAngle_.Of(launch_.vx, launch_.vz);
    const double px = rack_.CupX[cup] - physics_.cupRadius * std::cos(phiC);
    const double py = rack_.RackBaseY + physics_.cupHeight;
    const double pz = CupCentreZ(cup) - physics_.cupRadius * std::sin(phiC);
    const double d2 = Squared(px - ball_.x) + Squared(py - ball_.y) + Squared(pz - ball_.z);
    if (!(d2 < Squared(physics_.ballRadius))) {
        return;
    }
    const double psi = rimNormalAngle_.Of(pz - ball_.z, py - ball_.y);
    const double vc = launch_.vy - kGravity * t_;
    const double omega = rimVerticalSpeedAngle_.Of(launch_.vz, vc);
    const double h = std::sqrt(Squared(launch_.vx) + Squared(launch_.vz));
    const double q = std::sqrt(Squared(launch_.vz) + Squared(vc));
    launch_.vz = std::cos(2 * psi - omega + kPi) * q * physics_.rimBounce;
    launch_.vy = std::sin(2 * psi - omega + kPi) * q * physics_.rimBounce;
    launch_.vx = std::cos(2 * phiC - phiV + kPi) * h * physics_.rimBounce;
    if (Squared(launch_.vx) + Squared(launch_.vy) + Squared(launch_.vz) < kSlowRimSpeedSquared) {
        launch_.vx *= 2;
        launch_.vy *= 2;
        launch_.vz *= 2;
    }
    Report(FlightEventKind::Rim, cup);
    Relaunch(ball_.x, ball_.y, ball_.z);
}

void Flight::Relaunch(double x0, double y0, double z0) {
    launch_.x0 = x0;
    launch_.y0 = y0;
    launch_.z0 = z0;
    t_ = 0;
    stepsSinceContact_ = 0;
}

}  // namespace

FlightLaunch LaunchFromShot(double power, double angleDeg, double azimuthDeg, double x, double y,
                            double z) {
    constexpr double kPowerPerSpeed = 50;  // gauge units per unit per second
    const double speed = power / kPowerPerSpeed;
    const double h = speed * std::cos(Radians(angleDeg));
    return FlightLaunch{x,
                        y,
                        z,
                        h * std::sin(Radians(azimuthDeg)),
                        speed * std::sin(Radians(angleDeg)),
                        h * std::cos(Radians(azimuthDeg))};
}

std::int64_t FlyBall(const FlightLaunch& launch, const Rack& rack, const FlightEnds& ends,
                     const FlightBall& ball, const FlightPhysics& physics, FlightHooks& hooks) {
    return Flight(launch, rack, ends, ball, physics, hooks).Run();
}

}  // namespace dorvanta
