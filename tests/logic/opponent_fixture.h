// A loaded game in a fresh working directory for the tests of the computer's
// turn, the menus, the speed controls and replay: presses and clicks by control
// name, shots flown from exact values, and a look at the near rack.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"

namespace dorvanta {

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
    bool Checked(const std::string& item) { return main.FindMenuItem(item)->Checked(); }
    std::string ShootCaption() { return ButtonNamed("CommandShoot").Caption(); }
    double Get(const std::string& member) { return probe.Get(member); }
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

    // The computer's aim draws these; 0.5 three times is the error-free shot.
    void QueueAim(float u1 = 0.5f, float u2 = 0.5f, float u3 = 0.5f) {
        platform.QueueRandom(u1);
        platform.QueueRandom(u2);
        platform.QueueRandom(u3);
    }
    // The near rack with only `cups` standing and `cupsLeft` counted.
    void SetNearRack(std::initializer_list<int> cups, int cupsLeft, double rackZ = -36) {
        for (int i = 1; i <= kCupCount; ++i) {
            Set("OpponentCupStanding(" + std::to_string(i) + ")", kFalse);
        }
        for (int cup : cups) {
            Set("OpponentCupStanding(" + std::to_string(cup) + ")", kTrue);
        }
        Set("OpponentCupsLeft", cupsLeft);
        Set("OpponentRackZ", rackZ);
    }
    std::string NearStanding() { return Standing("OpponentCupStanding"); }
    std::string FarStanding() { return Standing("CupStanding"); }
    // The standing cups as "1 2 3".
    std::string Standing(const std::string& array) {
        std::string cups;
        for (int i = 1; i <= kCupCount; ++i) {
            if (Get(array + "(" + std::to_string(i) + ")") != kFalse) {
                cups += (cups.empty() ? "" : " ") + std::to_string(i);
            }
        }
        return cups;
    }
    // The computer's turn as a press of "Opponent's Shot".
    void ComputerTurn() {
        Set("ShotPhase", 5);
        PressShoot();
    }

    ScriptedPlatform platform;
    FormMain main{platform};
    GameStateProbe probe{main};
};

}  // namespace dorvanta
