// A loaded main window on the scripted desktop, in a fresh working folder, for
// the tests of play: controls by name, members by name, shots flown from
// exact values the way the fourth press or "Opponent's Shot" flies them, and a
// look at both racks and the drawing; and single flights outside the game.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/form_main.h"
#include "flight/fly_ball.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta {

// One ball's flight alone, outside the game, at a rack laid out as a new game
// lays it out at the far end or (for the computer's throws) the near one. The
// ball and its flags are plain storage that a test may change, also from the
// hooks (onPace gets the step, onPausedYield the count); and what the last
// flight did.
struct FlightTable : FlightHooks {
    explicit FlightTable(bool nearRack = false)
        : rack(NewRack(nearRack ? RackEnd::Near : RackEnd::Far, kCupRadius)),
          handZ(nearRack ? kOpponentHandZ : kPlayerHandZ),
          heading(nearRack ? FlightHeading::TowardNearRack : FlightHeading::TowardFarRack) {}
    void StandOnly(const std::vector<int>& cups) {
        rack.CupStanding.fill(kFalse);
        for (int cup : cups) {
            rack.CupStanding[cup] = kTrue;
        }
    }

    void Draw() override { drawnX.push_back(x); }
    void Pace() override {
        onPace(++paces);
        stopFlight = paces == stopAtStep ? kTrue : stopFlight;
    }
    void PausedYield() override { onPausedYield(++pausedYields); }
    void OnEvent(const FlightEvent& event) override { events.push_back(event); }

    FlightTable& Fly(const FlightLaunch& launch) {
        steps = FlyBall(launch, rack, FlightEnds{heading, handZ},
                        FlightBall{x, y, z, inCup, stopFlight, paused, nearestCup}, FlightPhysics{},
                        *this);
        madeCup = inCup != kFalse ? nearestCup : 0;
        return *this;
    }
    FlightTable& FlyShot(double power, double angle, double azimuth, double handX = 0) {
        return Fly(LaunchFromShot(power, angle, azimuth, handX, kHandHeight, handZ));
    }

    Rack rack;
    double handZ;
    FlightHeading heading;
    double x = 0, y = 0, z = 0;
    Flag inCup = kFalse, stopFlight = kFalse, paused = kFalse;
    std::int16_t nearestCup = 0;
    std::function<void(std::int64_t)> onPace = [](std::int64_t) {};
    std::int64_t stopAtStep = 0;  // End Turn after this step; 0 for never
    std::function<void(std::int64_t)> onPausedYield = [](std::int64_t) {};
    std::vector<FlightEvent> events;
    std::vector<double> drawnX;  // the ball's x at every redraw
    std::int64_t steps = 0, paces = 0, pausedYields = 0;
    int madeCup = 0;  // 0 when the ball is not in a cup
};

class GameTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main.Load();
    }

    template <class T>
    T& Control(const std::string& name) {
        return dynamic_cast<T&>(*main.FindControl(name));
    }
    ScrollBar& Bar(const std::string& name) { return Control<ScrollBar>(name); }
    std::string Text(const std::string& box) { return Control<TextBox>(box).Text(); }
    void Click(const std::string& button) { Control<Button>(button).Click(); }
    void PressShoot() { Control<Button>("CommandShoot").PressMouse(kLeftButton); }
    void ChooseMenu(const std::string& item) { main.FindMenuItem(item)->Click(); }
    void NewGame() { ChooseMenu("MenuOptionNewGame"); }
    const std::vector<DrawCommand>& Drawing() { return main.Picture1().DisplayList(); }
    // A secondary window while it is loaded, else nullptr.
    Form* Window(const std::string& name) { return platform.LoadedForm(name); }
    // A control of a loaded secondary window.
    template <class T>
    T& In(const std::string& window, const std::string& control) {
        return dynamic_cast<T&>(*Window(window)->FindControl(control));
    }
    std::string LastBox() { return platform.Boxes().empty() ? "" : platform.Boxes().back().text; }

    double Get(const std::string& member) { return probe.Get(member); }
    void Set(const std::string& member, double value) { probe.Set(member, value); }
    // The values of the members named, as "1 9 -1" (flags read -1 and 0).
    std::string Values(const std::string& members) {
        std::istringstream names(members);
        std::ostringstream values;
        for (std::string name; names >> name;) {
            values << (values.tellp() > 0 ? " " : "") << Get(name);
        }
        return values.str();
    }

    // The player's shot from these values, thrown by the fourth press.
    void PlayerShot(double power, double angle, double azimuth) {
        Set("Power", power);
        Set("Angle", angle);
        Set("Azimuth", azimuth);
        Set("ShotPhase", kPhaseAzimuthGauge);
        PressShoot();
    }
    // Straight down the middle into cup 1 of a full far rack, in 474 steps.
    void PlayerMakesCupOne() { PlayerShot(1250, 45, 0); }
    // Over the far rack, in 494 steps.
    void PlayerMisses() { PlayerShot(1100, 5, 0); }
    // The computer's three draws; 0.5 each is the error-free shot.
    void QueueAim(float u1 = 0.5f, float u2 = 0.5f, float u3 = 0.5f) {
        for (float u : {u1, u2, u3}) {
            platform.QueueRandom(u);
        }
    }
    // The computer's turn as a press of "Opponent's Shot".
    void ComputerTurn() {
        Set("ShotPhase", kPhaseOpponentToShoot);
        PressShoot();
    }

    // A rack ("" the far one, "Opponent" the near one) with only `cups`
    // standing and `cupsLeft` counted.
    void SetRack(const std::string& side, const std::vector<int>& cups, int cupsLeft) {
        for (int i = 1; i <= kCupCount; ++i) {
            Set(side + "CupStanding(" + std::to_string(i) + ")",
                std::ranges::count(cups, i) != 0 ? kTrue : kFalse);
        }
        Set(side + "CupsLeft", cupsLeft);
    }
    // The standing cups as "1 2 3".
    std::string Standing(const std::string& array) {
        std::string text;
        for (int i = 1; i <= kCupCount; ++i) {
            if (Get(array + "(" + std::to_string(i) + ")") != kFalse) {
                text += (text.empty() ? "" : " ") + std::to_string(i);
            }
        }
        return text;
    }

    ScriptedPlatform platform;
    FormMain main{platform};
    GameStateProbe probe{main};
};

}  // namespace dorvanta
