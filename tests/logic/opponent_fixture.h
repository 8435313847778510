// The computer's shot flown on its own, and a loaded game in a fresh working
// directory for the tests of the computer's turn, the menus, the speed controls
// and replay: presses and clicks by control name, shots flown from exact
// values, and a look at both racks.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "flight/fly_ball.h"
#include "opponent/opponent_aim.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"

namespace dorvanta {

// A computer's shot flown outside the game at a near rack in the reset layout
// with only `cups` standing, every contact written down in order.
struct ComputerFlight : FlightHooks {
    ComputerFlight(const std::vector<int>& cups, double rackZ, double power, double angle,
                   double azimuth, double handX) {
        CupArray<Flag> standing{};
        for (int cup : cups) {
            standing[cup] = kTrue;
        }
        const double row = std::sqrt(3.0) * 2.0;  // for a cup radius of 2
        CupArray<double> cupX{0, 0, -2, 2, -4, 0, 4, 6, -2, 2, -6};
        CupArray<double> cupZ{0,        0,        -row,     -row,     -2 * row, -2 * row,
                              -2 * row, -3 * row, -3 * row, -3 * row, -3 * row};
        double x = 0, y = 0, z = 0, baseY = 0;
        const double handZ = kOpponentHandZ;
        Flag stop = kFalse, paused = kFalse;
        FlyBall(LaunchFromShot(power, angle, azimuth, handX, kOpponentHandY, handZ),
                FlightRack{standing, cupX, cupZ, rackZ, baseY},
                FlightEnds{FlightHeading::TowardNearRack, handZ},
                FlightBall{x, y, z, inCup, stop, paused, nearestCup}, FlightPhysics{}, *this);
    }
    void OnEvent(const FlightEvent& event) override { kinds.push_back(event.kind); }
    bool Touched(FlightEventKind kind) const {
        return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
    }

    Flag inCup = kFalse;
    std::int16_t nearestCup = 0;
    std::vector<FlightEventKind> kinds;
};

class GameTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main.Load();
    }

    Button& ButtonNamed(const std::string& name) {
        return dynamic_cast<Button&>(*main.FindControl(name));
    }
    TextBox& TextNamed(const std::string& name) {
        return dynamic_cast<TextBox&>(*main.FindControl(name));
    }
    void Click(const std::string& button) { ButtonNamed(button).Click(); }
    void PressShoot() { ButtonNamed("CommandShoot").PressMouse(kLeftButton); }
    void ChooseMenu(const std::string& item) { main.FindMenuItem(item)->Click(); }
    // The shot phase and the Shoot caption, as "0 Shoot".
    std::string Turn() { return Values("ShotPhase") + " " + ButtonNamed("CommandShoot").Caption(); }
    std::string LastBox() { return platform.Boxes().empty() ? "" : platform.Boxes().back().text; }
    double Get(const std::string& member) { return probe.Get(member); }
    // The values of the members named, as "1 9 -1" (flags read -1 and 0).
    std::string Values(const std::string& members) {
        std::istringstream names(members);
        std::ostringstream values;
        for (std::string name; names >> name;) {
            values << (values.tellp() > 0 ? " " : "") << Get(name);
        }
        return values.str();
    }
    void Set(const std::string& member, double value) { probe.Set(member, value); }

    // The player's shot flown from these values as the fourth press would.
    void PlayerShot(double power, double angle, double azimuth) {
        Set("Power", power);
        Set("Angle", angle);
        Set("Azimuth", azimuth);
        Set("ShotPhase", 4);
        probe.PlayerShot();
    }
    // Straight down the middle into cup 1 of a full far rack.
    void PlayerMakesCupOne() { PlayerShot(1250, 45, 0); }
    // The computer's three draws; 0.5 each is the error-free shot.
    void QueueAim(float u1 = 0.5f, float u2 = 0.5f, float u3 = 0.5f) {
        for (float u : {u1, u2, u3}) {
            platform.QueueRandom(u);
        }
    }
    // The computer's turn as a press of "Opponent's Shot".
    void ComputerTurn() {
        Set("ShotPhase", 5);
        PressShoot();
    }

    // The near or far rack with only `cups` standing and `cupsLeft` counted.
    void SetNearRack(const std::vector<int>& cups, int cupsLeft) {
        SetRack("Opponent", cups, cupsLeft);
    }
    void SetFarRack(const std::vector<int>& cups, int cupsLeft) { SetRack("", cups, cupsLeft); }
    void SetRack(const std::string& side, const std::vector<int>& cups, int cupsLeft) {
        for (int i = 1; i <= kCupCount; ++i) {
            const bool standing = std::find(cups.begin(), cups.end(), i) != cups.end();
            Set(side + "CupStanding(" + std::to_string(i) + ")", standing ? kTrue : kFalse);
        }
        Set(side + "CupsLeft", cupsLeft);
    }
    std::string NearStanding() { return Standing("OpponentCupStanding"); }
    std::vector<int> StandingCups(const std::string& array) {
        std::vector<int> cups;
        for (int i = 1; i <= kCupCount; ++i) {
            if (Get(array + "(" + std::to_string(i) + ")") != kFalse) {
                cups.push_back(i);
            }
        }
        return cups;
    }
    // The standing cups as "1 2 3".
    std::string Standing(const std::string& array) {
        std::string text;
        for (int cup : StandingCups(array)) {
            text += (text.empty() ? "" : " ") + std::to_string(cup);
        }
        return text;
    }

    ScriptedPlatform platform;
    FormMain main{platform};
    GameStateProbe probe{main};
};

}  // namespace dorvanta
