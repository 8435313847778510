// The real main window on the desktop: how it is built and scaled, and how
// the game's menus, bars and keyboard reach it.
#include <tuple>

#include "qt_test_support.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta {
namespace {

using QtMainWindow = qt_test::MainWindowTest;

// Positions are in pixels, 15 design units each: Shoot is at {120, 5400, 1215,
// 615}, Picture1 at {3240, 0, 8175, 6975}. Edges are rounded, so the controls
// that meet in the design still meet. The spare width is shared on both sides;
// the picture is drawn in the same units, so the table's near edge lands at
// 6185.26 units whatever the scale.
TEST_F(QtMainWindow, ScalesItsControlsFontsAndPicturesUniformlyAndCentresThem) {
    const auto& label = Find<QLabel>("Label7");  // "Shot Controls:"
    const double designTextWidth = label.fontMetrics().horizontalAdvance(label.text());
    for (const auto& [scale, client, shoot, picture1] :
         {std::tuple{1.0, QSize(774, 510), QRect(8, 360, 81, 41), QRect(216, 0, 545, 465)},
          std::tuple{1.5, QSize(1161, 765), QRect(12, 540, 122, 62), QRect(324, 0, 818, 698)},
          std::tuple{2.0, QSize(1548, 1020), QRect(16, 720, 162, 82), QRect(432, 0, 1090, 930)}}) {
        SCOPED_TRACE(scale);
        constexpr int kSpare = 60;
        ResizeClient(client + QSize(kSpare, 0));
        const auto& shootButton = Find<QPushButton>("CommandShoot");
        EXPECT_EQ(shootButton.parentWidget()->geometry(), QRect(QPoint(kSpare / 2, 0), client));
        EXPECT_EQ(shootButton.geometry(), shoot);
        auto& picture = Find<QWidget>("Picture1");
        EXPECT_EQ(picture.geometry(), picture1);
        const double textWidth = label.fontMetrics().horizontalAdvance(label.text());
        EXPECT_NEAR(textWidth / designTextWidth, scale, 0.08 * scale);

        const int nearEdge = static_cast<int>(6185.26 * scale / 15);
        // This column crosses the table's left edge higher up, then its near edge.
        const std::vector<int> rows = qt_test::MarkedRows(
            picture.grab(picture.contentsRect()).toImage(), static_cast<int>(2000 * scale / 15));
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(std::abs(rows.back() - nearEdge), 1);
        EXPECT_LE(std::ranges::count_if(rows, [nearEdge](int row) { return row >= nearEdge - 1; }),
                  2);
    }
}

// A window opened later takes the main window's scale then, and keeps it.
TEST_F(QtMainWindow, SecondaryWindowsOpenAtTheMainWindowsScale) {
    ResizeClient({1161, 765});
    QWidget* help = Open("MenuOptionHelp", "FormHelp");
    ASSERT_NE(help, nullptr);
    const QWidget* helpClient = qt_test::Find<QPushButton>(*help, "CommandOkay").parentWidget();
    const QSize designHelp(424, 264);  // 6360 x 3960 units
    EXPECT_EQ(helpClient->size(), designHelp * 1.5);
    ResizeClient({774, 510});
    EXPECT_EQ(helpClient->size(), designHelp * 1.5);
}

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
