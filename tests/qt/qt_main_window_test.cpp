#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

// The real main window, loaded and shown in a scratch working directory.
class QtMainWindow : public qt_test::MainWindowTest {};

// Positions are in pixels, 15 design units each.
TEST_F(QtMainWindow, IsBuiltWithItsTitleMenusCheckMarksAndControlsInPlace) {
    EXPECT_EQ(window_->windowTitle(), "Dorvanta");
    QStringList titles;
    for (QAction* action : Find<QMenuBar>("").actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Options", "&Skill Level", "O&pponent Skill Level",
                                   "&GameType", "&Help"}));
    EXPECT_TRUE(Find<QAction>("MenuOptionBeginner").isChecked());
    EXPECT_TRUE(Find<QAction>("MenuOptionHeadToHead").isChecked());
    EXPECT_FALSE(Find<QAction>("MenuOptionIndividual").isChecked());

    const auto& shoot = Find<QPushButton>("CommandShoot");
    EXPECT_EQ(shoot.parentWidget()->size(), QSize(774, 510));
    EXPECT_EQ(shoot.geometry(), QRect(8, 360, 81, 41));
    EXPECT_EQ(shoot.text(), "Shoot");
    EXPECT_EQ(Find<QPushButton>("CommandStopLoop").text(), "End Turn");
    EXPECT_EQ(Find<QLabel>("Label7").text(), "Shot Controls:");
    EXPECT_EQ(Find<QWidget>("Picture1").geometry(), QRect(216, 0, 545, 465));
    EXPECT_EQ(Find<QScrollBar>("VScrollPan").orientation(), Qt::Vertical);
    EXPECT_TRUE(shoot.isVisibleTo(window_));
    EXPECT_FALSE(Find<QPushButton>("CommandCheatShoot").isVisibleTo(window_));
}

struct AtScale {
    double scale;
    QSize client;
    QRect shoot;     // {120, 5400, 1215, 615}
    QRect picture1;  // {3240, 0, 8175, 6975}
};

// Edges are rounded, so the controls that meet in the design still meet. The
// spare width is shared on both sides; the picture is drawn in the same units,
// so the table's near edge lands at 6185.26 units whatever the scale.
TEST_F(QtMainWindow, ScalesItsControlsFontsAndPicturesUniformlyAndCentresThem) {
    const QString caption = "Shot Controls:";
    const double designTextWidth = Find<QLabel>("Label7").fontMetrics().horizontalAdvance(caption);
    for (const AtScale& at :
         {AtScale{1.0, {774, 510}, {8, 360, 81, 41}, {216, 0, 545, 465}},
          AtScale{1.5, {1161, 765}, {12, 540, 122, 62}, {324, 0, 818, 698}},
          AtScale{2.0, {1548, 1020}, {16, 720, 162, 82}, {432, 0, 1090, 930}}}) {
        constexpr int kSpare = 60;
        ResizeClient(at.client + QSize(kSpare, 0));
        EXPECT_EQ(Client().geometry(), QRect(QPoint(kSpare / 2, 0), at.client)) << at.scale;
        EXPECT_EQ(Find<QPushButton>("CommandShoot").geometry(), at.shoot) << at.scale;
        EXPECT_EQ(Find<QWidget>("Picture1").geometry(), at.picture1) << at.scale;
        const double textWidth = Find<QLabel>("Label7").fontMetrics().horizontalAdvance(caption);
        EXPECT_NEAR(textWidth / designTextWidth, at.scale, 0.08 * at.scale) << at.scale;

        auto& picture = Find<QWidget>("Picture1");
        const QImage image = picture.grab(picture.contentsRect()).toImage();
        const int nearEdge = static_cast<int>(6185.26 * at.scale / 15);
        // This column crosses the table's left edge higher up, then its near edge.
        const std::vector<int> rows =
            qt_test::MarkedRows(image, static_cast<int>(2000 * at.scale / 15));
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(std::abs(rows.back() - nearEdge), 1) << at.scale;
        const auto lineRows =
            std::count_if(rows.begin(), rows.end(), [&](int row) { return row >= nearEdge - 1; });
        EXPECT_LE(lineRows, 2) << at.scale;
    }
}

// A window opened later takes the main window's scale then, and keeps it.
TEST_F(QtMainWindow, SecondaryWindowsOpenAtTheMainWindowsScale) {
    ResizeClient({1161, 765});
    QWidget* help = Open("MenuOptionHelp", "FormHelp");
    ASSERT_NE(help, nullptr);
    const QSize designHelp(424, 264);  // 6360 x 3960 units
    EXPECT_EQ(help->findChild<QPushButton*>("CommandOkay")->parentWidget()->size(),
              designHelp * 1.5);
    ResizeClient({774, 510});
    EXPECT_EQ(help->findChild<QPushButton*>("CommandOkay")->parentWidget()->size(),
              designHelp * 1.5);
}

// Alt and a title's letter open its menu, the item's letter chooses it there,
// and F1 opens the help window from anywhere in the main window.
TEST_F(QtMainWindow, MenusOpenFromTheKeyboardAndF1OpensHelp) {
    QApplication::setActiveWindow(window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    QTest::keyClick(window_, Qt::Key_H, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menuAction()->objectName(), "MenuHelp");
    QTest::keyClick(menu, Qt::Key_A);
    const Form* about = platform_.LoadedForm("FormAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());

    QApplication::setActiveWindow(window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    EXPECT_EQ(platform_.LoadedForm("FormHelp"), nullptr);
    QTest::keyClick(window_, Qt::Key_F1);
    const Form* help = platform_.LoadedForm("FormHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
}

// Shoot acts on mouse presses only: its click keys reach it (Qt clicks it) but
// start no shot.
TEST_F(QtMainWindow, TheShootButtonIgnoresTheKeyboard) {
    auto& shoot = Find<QPushButton>("CommandShoot");
    int keyClicks = 0;
    QObject::connect(&shoot, &QPushButton::clicked, [&keyClicks] { ++keyClicks; });
    shoot.setFocus();
    QTest::keyClick(&shoot, Qt::Key_Space);
    QTest::keyClick(&shoot, Qt::Key_Return);
    EXPECT_GE(keyClicks, 1);
    EXPECT_EQ(GameStateProbe(main_).Get("ShotPhase"), 0);
    EXPECT_EQ(shoot.text(), "Shoot");
}

// The game, not Qt, decides the check marks.
TEST_F(QtMainWindow, MenuCheckMarksFollowTheGame) {
    Find<QAction>("MenuOptionBeginner").trigger();  // Qt alone would clear the mark
    EXPECT_TRUE(Find<QAction>("MenuOptionBeginner").isChecked());
    Find<QAction>("MenuOptionExpert").trigger();
    EXPECT_FALSE(Find<QAction>("MenuOptionBeginner").isChecked());
    EXPECT_TRUE(Find<QAction>("MenuOptionExpert").isChecked());
}

// Qt puts the user's locale in force at start; the suite also runs under
// de_DE.UTF-8, where printf would write "1,2" and the box read it back as 1.
TEST_F(QtMainWindow, TheHandBarShowsTenthsWithAPointInTheUsersLocale) {
    Find<QScrollBar>("HScrollHand").setValue(12);
    EXPECT_EQ(Find<QLineEdit>("TextHandX").text().toStdString(), "1.2");
    EXPECT_EQ(Find<QScrollBar>("HScrollHand").value(), 12);
}

// The whole shot with the real mouse: each press of Shoot runs inside the
// previous press's gauge loop, the last one starts a flight, and Exit arrives
// while the ball flies.
TEST_F(QtMainWindow, ExitDuringAFlightStartedWithTheMouseEndsTheProgram) {
    auto& shoot = Find<QPushButton>("CommandShoot");
    QString captionInFlight;
    // Each step is a timer of its own: Qt does not fire a timer again while its
    // handler still runs, and a press does not return while its gauge runs.
    std::function<void()> step = [&] {
        if (shoot.isEnabled()) {
            QTimer::singleShot(20, step);
            if (shoot.isDown()) {
                QTest::mouseRelease(&shoot, Qt::LeftButton);
            } else {
                QTest::mousePress(&shoot, Qt::LeftButton);
            }
            return;
        }
        captionInFlight = shoot.text();
        Find<QAction>("MenuOptionExit").trigger();
    };
    QTimer::singleShot(0, step);
    QTimer::singleShot(20000, [this] { platform_.Guarded([this] { platform_.EndProgram(); }); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(captionInFlight, "Ball in motion");
    EXPECT_TRUE(platform_.Ending());
}

}  // namespace
}  // namespace dorvanta
