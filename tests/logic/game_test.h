// A loaded main window on the scripted desktop, in a fresh working folder, for
// the tests of play: controls by name, members by name, shots flown from
// exact values the way the fourth press or "Opponent's Shot" flies them, and a
// look at both racks and the drawing.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/form_main.h"
#include "flight/fly_ball.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta {

// A computer's shot flown outside the game at a near rack in its new-game
// layout with only `cups` standing, every contact written down in order.
struct ComputerFlight : FlightHooks {
    ComputerFlight(const std::vector<int>& cups, double rackZ, double power, double angle,
                   double azimuth, double handX) {
        Rack rack = NewRack(RackEnd::Near, kCupRadius);
        rack.CupStanding.fill(kFalse);
        for (int cup : cups) {
            rack.CupStanding[cup] = kTrue;
        }
        rack.RackZ = rackZ;
        double x = 0, y = 0, z = 0;
        Flag stop = kFalse, paused = kFalse;
        FlyBall(LaunchFromShot(power, angle, azimuth, handX, kHandHeight, kOpponentHandZ), rack,
                FlightEnds{FlightHeading::TowardNearRack, kOpponentHandZ},
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
    // The shot phase and the Shoot caption, as "0 Shoot".
    std::string Turn() {
        return Values("ShotPhase") + " " + Control<Button>("CommandShoot").Caption();
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
            const bool standing = std::find(cups.begin(), cups.end(), i) != cups.end();
            Set(side + "CupStanding(" + std::to_string(i) + ")", standing ? kTrue : kFalse);
        }
        Set(side + "CupsLeft", cupsLeft);
    }
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
