// A loaded main window in a fresh working directory, with the shot controls
// at hand and a calibration of 0, so every gauge and flight step yields once.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"

namespace dorvanta {

class ShotTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main_ = std::make_unique<FormMain>(platform_);
        main_->Load();
        probe_ = std::make_unique<GameStateProbe>(*main_);
        Set("CalibrationFactor", 0);
    }
    void TearDown() override {
        probe_.reset();
        main_.reset();
        InTempDir::TearDown();
    }

    template <class T>
    T& Control(const std::string& name) {
        return *dynamic_cast<T*>(main_->FindControl(name));
    }
    Button& Shoot() { return Control<Button>("CommandShoot"); }
    std::string TextOf(const std::string& box) { return Control<TextBox>(box).Text(); }
    double Get(const std::string& name) { return probe_->Get(name); }
    void Set(const std::string& name, double value) { probe_->Set(name, value); }
    void NewGame() { main_->FindMenuItem("MenuOptionNewGame")->Click(); }

    // Runs the player's shot from the given values, as the fourth press does.
    void Throw(double power, double angle, double azimuth) {
        Set("Power", power);
        Set("Angle", angle);
        Set("Azimuth", azimuth);
        Set("ShotPhase", 4);
        probe_->PlayerShot();
    }

    ScriptedPlatform platform_;
    std::unique_ptr<FormMain> main_;
    std::unique_ptr<GameStateProbe> probe_;
};

}  // namespace dorvanta
