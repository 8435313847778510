// The Qt desktop's wait: it sleeps on the event loop until its deadline,
// delivering what arrives meanwhile, and ends early once the waiter no longer
// wants it or the program ends.
#include <limits>

#include "qt_test_support.h"

namespace dorvanta {
namespace {

constexpr double kEndless = std::numeric_limits<double>::infinity();

// Never before the deadline, whether it is far enough for a timer or closer
// than a millisecond; an event that arrives meanwhile is delivered inside.
TEST(QtWait, EndsNoEarlierThanItsDeadlineAndDeliversWhatArrivesMeanwhile) {
    QtPlatform platform;
    bool delivered = false;
    QTimer::singleShot(5, [&] { delivered = true; });
    for (const double seconds : {0.03, 0.0004}) {
        const double deadline = platform.MonotonicSeconds() + seconds;
        platform.WaitUntil(deadline, {});
        EXPECT_GE(platform.MonotonicSeconds(), deadline) << seconds;
    }
    EXPECT_TRUE(delivered);
}

// A wait of a minute ends with the event that makes the waiter stop wanting
// it, an endless one too, and the end of the program ends any.
TEST(QtWait, EndsAsSoonAsTheWaiterNoLongerWantsItOrTheProgramEnds) {
    QtPlatform platform;
    bool pressed = false;
    const auto press = [&] { pressed = true; };
    QTimer::singleShot(10, press);
    const double start = platform.MonotonicSeconds();
    platform.WaitUntil(start + 60, [&] { return !pressed; });
    EXPECT_LT(platform.MonotonicSeconds() - start, 30);

    pressed = false;
    QTimer::singleShot(10, press);
    platform.WaitUntil(kEndless, [&] { return !pressed; });
    EXPECT_TRUE(pressed);

    QTimer::singleShot(10, [&] { platform.Guarded([&] { platform.EndProgram(); }); });
    EXPECT_THROW(platform.WaitUntil(kEndless, [] { return true; }), QuitRequested);
}

}  // namespace
}  // namespace dorvanta
