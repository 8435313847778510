#include <gtest/gtest.h>

#include "core/game_state.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

TEST(StartUp, BuildsTheMainWindow) {
    ScriptedPlatform platform;
    FormMain main(platform);
    main.Load();
    EXPECT_EQ(main.FindMenuItem("MenuOptionBeginner")->Checked(), true);
}

}  // namespace
}  // namespace dorvanta
