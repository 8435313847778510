#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
        platform_.Guarded([this] { main_.Load(); });
        ASSERT_FALSE(platform_.Ending());
        window_ = platform_.WindowOf(main_);
        ASSERT_NE(window_, nullptr);
    }

    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QAction& Action(const char* name) { return Find<QAction>(name); }

    qt_test::ScratchDirectory scratch_;
    QtPlatform platform_;
    FormMain main_{platform_};
    QWidget* window_ = nullptr;
};

TEST_F(QtMainWindow, HasTheTitleAndTheClientAreaInPixels) {
    EXPECT_EQ(window_->windowTitle(), "Dorvanta");
    // 11610 x 7650 units at 15 units per pixel.
    EXPECT_EQ(Find<QPushButton>("CommandShoot").parentWidget()->size(), QSize(774, 510));
}

TEST_F(QtMainWindow, PlacesEveryKindOfControlWhereItIsDeclared) {
    const auto& shoot = Find<QPushButton>("CommandShoot");
    EXPECT_EQ(shoot.geometry(), QRect(8, 360, 81, 41));
    EXPECT_EQ(shoot.text(), "Shoot");
    EXPECT_EQ(Find<QPushButton>("CommandStopLoop").text(), "End Turn");
    EXPECT_EQ(Find<QLabel>("Label7").text(), "Shot Controls:");
    EXPECT_EQ(Find<QLabel>("Label7").geometry(), QRect(8, 184, 121, 17));
    EXPECT_EQ(Find<QLineEdit>("TextPower").text(), "1100");
    EXPECT_EQ(Find<QLineEdit>("TextShotsTaken").geometry(), QRect(384, 480, 33, 25));
    EXPECT_EQ(Find<QWidget>("Picture1").geometry(), QRect(216, 0, 545, 465));

    const auto& hand = Find<QScrollBar>("HScrollHand");
    EXPECT_EQ(hand.orientation(), Qt::Horizontal);
    EXPECT_EQ(hand.minimum(), -240);
    EXPECT_EQ(hand.maximum(), 240);
    EXPECT_EQ(hand.value(), 0);
    EXPECT_EQ(Find<QScrollBar>("VScrollPan").orientation(), Qt::Vertical);
}

TEST_F(QtMainWindow, ShrinksACaptionThatWouldNotFitItsButton) {
    const auto& narrow = Find<QPushButton>("CommandResetView");
    const auto& wide = Find<QPushButton>("CommandShoot");
    EXPECT_LE(QFontMetrics(narrow.font()).horizontalAdvance("Reset View"), narrow.width());
    EXPECT_LT(narrow.font().pointSizeF(), wide.font().pointSizeF());
}

TEST_F(QtMainWindow, ShowsOnlyTheControlsThatAreVisible) {
    EXPECT_TRUE(Find<QPushButton>("CommandShoot").isVisibleTo(window_));
    EXPECT_FALSE(Find<QPushButton>("CommandCheatShoot").isVisibleTo(window_));
    main_.FindControl("CommandCheatShoot")->SetVisible(true);
    EXPECT_TRUE(Find<QPushButton>("CommandCheatShoot").isVisibleTo(window_));
}

TEST_F(QtMainWindow, HasTheMenusWithTheirCheckMarks) {
    QStringList titles;
    for (QAction* action : Find<QMenuBar>("").actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"File", "Options", "Skill Level", "Opponent Skill Level",
                                   "GameType", "Help"}));
    EXPECT_EQ(Action("MenuOptionAutoCalibrate").text(), "Auto Calibrate to System (3 sec)");
    EXPECT_TRUE(Action("MenuOptionBeginner").isChecked());
    EXPECT_TRUE(Action("MenuOptionBeginnerOpponent").isChecked());
    EXPECT_TRUE(Action("MenuOptionHeadToHead").isChecked());
    EXPECT_FALSE(Action("MenuOptionExpert").isChecked());
    EXPECT_FALSE(Action("MenuOptionIndividual").isChecked());
}

TEST_F(QtMainWindow, MirrorsTextsTheGameSets) {
    static_cast<TextBox*>(main_.FindControl("TextPower"))->SetText("42");
    EXPECT_EQ(Find<QLineEdit>("TextPower").text(), "42");
    static_cast<Button*>(main_.FindControl("CommandShoot"))->SetEnabled(false);
    EXPECT_FALSE(Find<QPushButton>("CommandShoot").isEnabled());
    main_.FindMenuItem("MenuOptionExpert")->SetChecked(true);
    EXPECT_TRUE(Action("MenuOptionExpert").isChecked());
}

TEST_F(QtMainWindow, ClosingTheWindowEndsTheProgram) {
    platform_.Guarded([this] { main_.Show(); });
    QTimer::singleShot(0, window_, [this] { window_->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(platform_.Ending());
}

// The whole shot with the real mouse: each press of Shoot runs inside the
// previous press's gauge loop, the last one starts a flight, and Exit arrives
// while the ball flies.
TEST_F(QtMainWindow, ExitDuringAFlightStartedWithTheMouseEndsTheProgram) {
    platform_.Guarded([this] { main_.Show(); });
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
        Action("MenuOptionExit").trigger();
    };
    QTimer::singleShot(0, step);
    QTimer::singleShot(20000, [this] { platform_.Guarded([this] { platform_.EndProgram(); }); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(captionInFlight, "Ball in motion");
    EXPECT_TRUE(platform_.Ending());
}

}  // namespace
}  // namespace dorvanta
