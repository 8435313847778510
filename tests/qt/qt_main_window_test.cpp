#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/game_state.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

class QtMainWindow : public testing::Test {
  protected:
    void SetUp() override {
        platform_.Guarded([this] {
            main_.Load();
            main_.Show();
        });
        ASSERT_FALSE(platform_.Ending());
        window_ = platform_.WindowOf(main_);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    }
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    qt_test::ScratchDirectory scratch_;
    QtPlatform platform_;
    FormMain main_{platform_};
    QWidget* window_ = nullptr;
};

// Positions are in pixels, 15 design units each.
TEST_F(QtMainWindow, IsBuiltWithItsTitleMenusCheckMarksAndControlsInPlace) {
    EXPECT_EQ(window_->windowTitle(), "Dorvanta");
    QStringList titles;
    for (QAction* action : Find<QMenuBar>("").actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"File", "Options", "Skill Level", "Opponent Skill Level",
                                   "GameType", "Help"}));
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
