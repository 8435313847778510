// The Qt desktop under the game: its random numbers, its boxes, and the end of
// the program from deep inside nested event loops.
#include "qt_test_support.h"

namespace dorvanta {
namespace {

// Runs `action` on the modal box once it is open (inside its own event loop).
template <class Box = QMessageBox>
void WhenModalOpens(std::function<void(std::type_identity_t<Box>&)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(static_cast<Box&>(*box));
        }
    });
    poll->start(1);
}

TEST(QtPlatform, RandomStaysStrictlyBelowOne) {
    QtPlatform platform;
    for (int i = 0; i < 200000; ++i) {
        const float value = platform.Random();
        ASSERT_TRUE(value >= 0.0f && value < 1.0f) << value;
    }
}

// A box reports the player's answer; an unexpected fault is reported in one
// and ends the program.
TEST(QtPlatform, BoxesReportTheAnswerOrAFaultUnderTheGamesName) {
    QtPlatform platform;
    QString title, text;
    WhenModalOpens([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.MessageBox("Play  again?", BoxButtons::YesNo, ""), BoxAnswer::No);
    EXPECT_EQ(title, "Dorvanta");
    WhenModalOpens<QInputDialog>([](QInputDialog& box) {
        box.setTextValue("Ann");
        box.accept();
    });
    EXPECT_EQ(platform.InputBox("Your name:", "High score"), "Ann");

    QTimer::singleShot(0,
                       [&] { platform.Guarded([] { throw std::runtime_error("disk on fire"); }); });
    WhenModalOpens([&](QMessageBox& box) {
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(text, "disk on fire");
    EXPECT_TRUE(platform.Ending());
}

// Records the order in which the logic's frames are left.
struct Frame {
    std::vector<std::string>& left;
    std::string name;
    ~Frame() { left.push_back(name); }
};

// A flight yields step after step; a box opens inside one of its yields, and
// while the box waits, the player chooses Exit. Everything unwinds, innermost
// first, the box never returns, and the event loop ends.
TEST(QtPlatform, ExitDuringABoxInsideAYieldingLoopUnwindsEverything) {
    QtPlatform platform;
    std::vector<std::string> left;
    QTimer::singleShot(0, [&] {
        platform.Guarded([&] {
            Frame flight{left, "flight"};
            for (;;) {
                platform.Yield();
            }
        });
    });
    QTimer::singleShot(5, [&] {
        platform.Guarded([&] {
            Frame box{left, "box"};
            platform.MessageBox("Wait", BoxButtons::Ok, "");
            left.push_back("box returned");
        });
    });
    WhenModalOpens([&](QMessageBox&) {
        platform.Guarded([&] {
            Frame exit{left, "exit"};
            platform.EndProgram();
        });
    });

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(left, std::vector<std::string>({"exit", "box", "flight"}));
    EXPECT_THROW(platform.Yield(), QuitRequested);
    EXPECT_THROW(platform.MessageBox("Late", BoxButtons::Ok, ""), QuitRequested);
}

}  // namespace
}  // namespace dorvanta
