#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

using qt_test::WhenModalOpens;

void Press(QWidget& box, QMessageBox::StandardButton button) {
    static_cast<QMessageBox&>(box).button(button)->click();
}

TEST(QtPlatform, RandomStaysStrictlyBelowOne) {
    QtPlatform platform;
    for (int i = 0; i < 200000; ++i) {
        const float value = platform.Random();
        ASSERT_TRUE(value >= 0.0f && value < 1.0f) << value;
    }
}

TEST(QtPlatform, BoxesReportTheAnswerUnderTheGamesName) {
    QtPlatform platform;
    QString title, text;
    WhenModalOpens([&](QWidget& box) {
        title = box.windowTitle();
        text = static_cast<QMessageBox&>(box).text();
        Press(box, QMessageBox::No);
    });
    EXPECT_EQ(platform.MessageBox("Play  again?", BoxButtons::YesNo, ""), BoxAnswer::No);
    EXPECT_EQ(title, "Dorvanta");
    EXPECT_EQ(text, "Play  again?");
    WhenModalOpens([](QWidget& box) {
        static_cast<QInputDialog&>(box).setTextValue("Ann");
        static_cast<QInputDialog&>(box).accept();
    });
    EXPECT_EQ(platform.InputBox("Your name:", "High score"), "Ann");
}

// Records the order in which the logic's frames are left.
struct Frame {
    std::vector<std::string>& left;
    std::string name;
    ~Frame() { left.push_back(name); }
};

// A flight yields step after step; a box opens inside one of its yields, and
// while the box waits, the player chooses Exit. Everything unwinds, innermost
// first, and the event loop ends.
TEST(QtPlatform, ExitDuringABoxInsideAYieldingLoopUnwindsEverything) {
    QtPlatform platform;
    std::vector<std::string> left;
    int steps = 0;
    bool boxReturned = false;
    QTimer::singleShot(0, [&] {
        platform.Guarded([&] {
            Frame flight{left, "flight"};
            for (;;) {
                ++steps;
                platform.Yield();
            }
        });
    });
    QTimer::singleShot(5, [&] {
        platform.Guarded([&] {
            Frame box{left, "box"};
            platform.MessageBox("Wait", BoxButtons::Ok, "");
            boxReturned = true;
        });
    });
    WhenModalOpens([&](QWidget&) {
        platform.Guarded([&] {
            Frame exit{left, "exit"};
            platform.EndProgram();
        });
    });

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(platform.Ending());
    EXPECT_FALSE(boxReturned);
    EXPECT_EQ(left, std::vector<std::string>({"exit", "box", "flight"}));
    const int stepsAtEnd = steps;
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, stepsAtEnd);
    EXPECT_THROW(platform.Yield(), QuitRequested);
    EXPECT_THROW(platform.MessageBox("Late", BoxButtons::Ok, ""), QuitRequested);
}

TEST(QtPlatform, AnUnexpectedFaultIsReportedAndEndsTheProgram) {
    QtPlatform platform;
    QString reported;
    QTimer::singleShot(0,
                       [&] { platform.Guarded([] { throw std::runtime_error("disk on fire"); }); });
    WhenModalOpens([&](QWidget& box) {
        reported = static_cast<QMessageBox&>(box).text();
        Press(box, QMessageBox::Ok);
    });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(reported, "disk on fire");
    EXPECT_TRUE(platform.Ending());
}

}  // namespace
}  // namespace dorvanta
