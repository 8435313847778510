// The real main window on the desktop: how it is built, how large it opens on
// screens of several sizes, and how the game's menus and keyboard reach it.
#include <map>
#include <utility>

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

// The suite runs this on screens it sets up (the offscreen platform's screen
// configuration, and QT_SCALE_FACTOR): the window opens as large as 85% of the
// screen's free area allows, and wholly on it; a screen too small for even the
// smallest window shows its top left.
TEST_F(QtMainWindow, OpensAsLargeAsTheScreenAllows) {
    const QRect screen = window_->screen()->availableGeometry();
    const std::map<std::pair<int, int>, QSize> clientAtStart = {
        {{800, 800}, {581, 383}},      // the platform's own screen: scale 0.75
        {{800, 500}, {581, 383}},      // 1600 x 1000 at scale factor 2: 0.75
        {{1366, 768}, {774, 510}},     // 1
        {{2560, 1440}, {1742, 1148}},  // 2.25
        {{480, 320}, {464, 306}},      // 0.6, and not even that fits
    };
    const auto expected = clientAtStart.find({screen.width(), screen.height()});
    if (expected == clientAtStart.end()) {
        GTEST_SKIP() << "no expectation for a screen of " << screen.width() << " x "
                     << screen.height();
    }
    EXPECT_EQ(Find<QPushButton>("CommandShoot").parentWidget()->size(), expected->second);
    // Along each side wholly on the screen, or from its edge when too long.
    const QRect frame = window_->frameGeometry();
    EXPECT_GE(frame.left(), screen.left());
    EXPECT_GE(frame.top(), screen.top());
    EXPECT_TRUE(frame.right() <= screen.right() || frame.left() == screen.left());
    EXPECT_TRUE(frame.bottom() <= screen.bottom() || frame.top() == screen.top());
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
