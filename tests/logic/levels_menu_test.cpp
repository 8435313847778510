#include <algorithm>
#include <utility>

#include "game_test.h"

namespace dorvanta {
namespace {

using LevelsMenuTest = GameTest;

// Each choice after a shot asks first; OK starts a new game that
// keeps the earlier choices, ends a flight still running at its next step and
// redraws the field, where Individual play shows no near rack. Slow motion
// ends with the game.
TEST_F(LevelsMenuTest, AfterAShotOkStartsANewGameWithTheNewChoiceAndTheEarlierOnes) {
    const auto nearCupsDrawn = [this] {
        return std::count_if(Drawing().begin(), Drawing().end(), [this](const DrawCommand& c) {
            return c.kind != DrawCommand::Kind::Clear && c.color == main.ColorCupsOpponent;
        });
    };
    EXPECT_GT(nearCupsDrawn(), 0);
    // The menu item, then skill factor, opponent error scale and head to head.
    const std::pair<const char*, const char*> kChoices[] = {
        {"MenuOptionPro", "0.1 1 -1"},
        {"MenuOptionTrickShooterOpponent", "0.1 0 -1"},
        {"MenuOptionIndividual", "0.1 0 0"},
    };
    for (const auto& [item, choices] : kChoices) {
        SCOPED_TRACE(item);
        Set("ShotsTaken", 1);
        SetRack("Opponent", {2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
        Click("CommandSlow");
        platform.QueueAnswer(BoxAnswer::Ok);
        ChooseMenu(item);
        EXPECT_EQ(Values("SkillFactor OpponentErrorScale HeadToHead"), choices);
        EXPECT_EQ(Values("ShotsTaken OpponentCupsLeft StopFlight SlowFactor") + " " +
                      Control<Button>("CommandSlow").Caption(),
                  "0 10 -1 1 Normal");
    }
    EXPECT_EQ(nearCupsDrawn(), 0);
}

}  // namespace
}  // namespace dorvanta
