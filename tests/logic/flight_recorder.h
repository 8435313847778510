// Flies one ball with the game's flight against a rack laid out as a new game
// lays it out, and records every contact, the ball at every redraw, and the
// outcome. No pacing and no drawing: the physics alone.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/game_state_probe.h"
#include "flight/fly_ball.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {

struct RecordedFlight {
    std::vector<FlightEvent> events;
    std::vector<double> drawnX;  // ball x at every redraw
    std::int64_t steps = 0;
    int madeCup = 0;  // 0 when the ball is not in a cup
    double x = 0, y = 0, z = 0;
    std::int64_t pausedYields = 0;
};

class FlightRecorder : public FlightHooks {
  public:
    explicit FlightRecorder(RecordedFlight& flight) : flight_(flight) {}
    void Draw() override { flight_.drawnX.push_back(*ballX); }
    void Pace() override {
        if (onPace) {
            onPace(++paces_);
        }
    }
    void PausedYield() override {
        ++flight_.pausedYields;
        if (onPausedYield) {
            onPausedYield(flight_.pausedYields);
        }
    }
    void OnEvent(const FlightEvent& event) override { flight_.events.push_back(event); }

    const double* ballX = nullptr;
    std::function<void(std::int64_t)> onPace;
    std::function<void(std::int64_t)> onPausedYield;

  private:
    RecordedFlight& flight_;
    std::int64_t paces_ = 0;
};

// A rack, a ball and its flags as plain storage, so a test can change any of
// them (also from inside the flight's hooks).
struct FlightTable {
    explicit FlightTable(bool nearRack = false) {
        ScriptedPlatform platform;
        FormMain main(platform);
        GameStateProbe(main).NewRackLayout(nearRack, cupX, cupZ);
        standing.fill(kTrue);
        rackZ = nearRack ? -36 : 36;
        handZ = nearRack ? 48 : -48;
        heading = nearRack ? FlightHeading::TowardNearRack : FlightHeading::TowardFarRack;
    }

    void StandOnly(std::initializer_list<int> cups) {
        standing.fill(kFalse);
        for (int cup : cups) {
            standing[cup] = kTrue;
        }
    }

    // `configure` may set the recorder's step callbacks before the flight.
    RecordedFlight Fly(const FlightLaunch& launch,
                       const std::function<void(FlightRecorder&)>& configure = {}) {
        RecordedFlight flight;
        FlightRecorder hooks(flight);
        hooks.ballX = &x;
        if (configure) {
            configure(hooks);
        }
        flight.steps = FlyBall(
            launch, FlightRack{standing, cupX, cupZ, rackZ, baseY}, FlightEnds{heading, handZ},
            FlightBall{x, y, z, inCup, stopFlight, paused, nearestCup}, FlightPhysics{}, hooks);
        flight.madeCup = inCup != kFalse ? nearestCup : 0;
        flight.x = x;
        flight.y = y;
        flight.z = z;
        return flight;
    }

    // A `configure` that stops the flight in the pacing of `step`, as End Turn would.
    std::function<void(FlightRecorder&)> StopAtStep(std::int64_t step) {
        return [this, step](FlightRecorder& hooks) {
            hooks.onPace = [this, step](std::int64_t now) {
                if (now == step) {
                    stopFlight = kTrue;
                }
            };
        };
    }

    RecordedFlight FlyShot(double power, double angle, double azimuth, double handX = 0) {
        return Fly(LaunchFromShot(power, angle, azimuth, handX, 30, handZ));
    }

    CupArray<Flag> standing{};
    CupArray<double> cupX{}, cupZ{};
    double rackZ = 36, baseY = 0, handZ = -48;
    FlightHeading heading = FlightHeading::TowardFarRack;
    double x = 0, y = 0, z = 0;
    Flag inCup = kFalse, stopFlight = kFalse, paused = kFalse;
    std::int16_t nearestCup = 0;
};

}  // namespace dorvanta
