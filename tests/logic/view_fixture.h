// A loaded main window for the view tests, in a fresh working directory, with
// the camera bars and the picture's display list at hand.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"

namespace dorvanta {

class ViewTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main.Load();
    }
    ScrollBar& Bar(const std::string& name) {
        return dynamic_cast<ScrollBar&>(*main.FindControl(name));
    }
    const std::vector<DrawCommand>& Drawing() { return main.Picture1().DisplayList(); }

    ScriptedPlatform platform;
    FormMain main{platform};
    GameStateProbe probe{main};
};

}  // namespace dorvanta
