// The Qt desktop's wait: an endless one ends once the waiter no longer wants
// it or the program ends; and a gauge's box stays on the screen when its
// frame ends in the same wake-up as the gauge's next step.
#include <chrono>
#include <limits>
#include <thread>

#include "qt_test_support.h"

namespace dorvanta {
namespace {

constexpr double kEndless = std::numeric_limits<double>::infinity();

// An endless wait ends with the event that makes the waiter stop wanting it,
// and the end of the program ends any. Waits that end on time and deliver
// what arrives meanwhile are the desktop contract's.
TEST(QtWait, AnEndlessWaitEndsWhenTheWaiterNoLongerWantsItOrTheProgramEnds) {
    QtPlatform platform;
    bool pressed = false;
    QTimer::singleShot(10, [&] { pressed = true; });
    platform.WaitUntil(kEndless, [&] { return !pressed; });
    EXPECT_TRUE(pressed);

    QTimer::singleShot(10, [&] { platform.Guarded([&] { platform.EndProgram(); }); });
    EXPECT_THROW(platform.WaitUntil(kEndless, [] { return true; }), QuitRequested);
}

// Counts the paints in which a window paints over the box while the box sits
// its painting out: the box is blank on the screen then.
struct PaintsOverBox : QObject {
    explicit PaintsOverBox(QWidget& box) : box(box) { qApp->installEventFilter(this); }
    ~PaintsOverBox() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->isAncestorOf(&box) &&
            !box.updatesEnabled() &&
            static_cast<QPaintEvent*>(event)->region().intersects(
                QRect(box.mapTo(widget, QPoint(0, 0)), box.size()))) {
            ++count;
        }
        return false;
    }
    QWidget& box;
    int count = 0;
};

using QtGaugeBox = qt_test::MainWindowTest;

// The box's frame ends and the next step changes the box again, both in one
// wake-up of a wait: the box must have painted itself before it sits out the
// next frame.
TEST_F(QtGaugeBox, StaysOnTheScreenWhenItsFrameEndsInTheWakeUpOfTheNextStep) {
    constexpr int kJustAfterTheFrameMillis = 20;  // a frame is 16 ms
    constexpr auto kPastTheFrame = std::chrono::milliseconds(40);
    TextBox& power = dynamic_cast<TextBox&>(*form_.FindControl("TextPower"));
    QCoreApplication::processEvents();
    const PaintsOverBox overBox(Find<QLineEdit>("TextPower"));
    for (int step = 0; step < 5; ++step) {
        power.SetText("1100.5");  // shown at once
        power.SetText("1101");    // at the frame's end
        QTimer::singleShot(kJustAfterTheFrameMillis, [&power] { power.SetText("1101.5"); });
        std::this_thread::sleep_for(kPastTheFrame);
        QCoreApplication::processEvents();
        QTest::qWait(2 * kPastTheFrame.count());
    }
    EXPECT_EQ(overBox.count, 0);
}

}  // namespace
}  // namespace dorvanta
