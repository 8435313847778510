// The real main window on the desktop: how it is built, and how the game's
// menus, bars and keyboard reach it.
#include "qt_test_support.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta {
namespace {

using QtMainWindow = qt_test::MainWindowTest;

// The widgets take the kinds and visibility the game declares, and the
// game, not Qt, decides the check marks, from the start on.
TEST_F(QtMainWindow, IsBuiltAsTheGameDeclaresAndItsCheckMarksFollowTheGame) {
    EXPECT_EQ(Find<QScrollBar>("VScrollPan").orientation(), Qt::Vertical);
    EXPECT_TRUE(Find<QPushButton>("CommandShoot").isVisibleTo(window_));
    EXPECT_FALSE(Find<QPushButton>("CommandCheatShoot").isVisibleTo(window_));
    auto& beginner = Find<QAction>("MenuOptionBeginner");
    EXPECT_TRUE(beginner.isChecked());
    beginner.trigger();  // Qt alone would clear the mark
    EXPECT_TRUE(beginner.isChecked());
    Find<QAction>("MenuOptionExpert").trigger();
    EXPECT_FALSE(beginner.isChecked());
}

// Qt puts the user's locale in force at start; the suite also runs under
// de_DE.UTF-8, where printf would write "1,2" and the box read it back as 1.
TEST_F(QtMainWindow, TheHandBarShowsTenthsWithAPointInTheUsersLocale) {
    Find<QScrollBar>("HScrollHand").setValue(12);
    EXPECT_EQ(Find<QLineEdit>("TextHandX").text().toStdString(), "1.2");
    EXPECT_EQ(Find<QScrollBar>("HScrollHand").value(), 12);
}

// Shoot acts on mouse presses only: its click key reaches it (Qt clicks it)
// but starts no shot.
TEST_F(QtMainWindow, ShootIgnoresTheKeyboard) {
    auto& shoot = Find<QPushButton>("CommandShoot");
    const QSignalSpy keyClicks(&shoot, &QPushButton::clicked);
    shoot.setFocus();
    QTest::keyClick(&shoot, Qt::Key_Space);
    EXPECT_EQ(keyClicks.count(), 1);
    EXPECT_EQ(GameStateProbe(form_).Get("ShotPhase"), kPhaseReady);
}

}  // namespace
}  // namespace dorvanta
