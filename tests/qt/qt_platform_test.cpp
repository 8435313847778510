// The Qt desktop under the game: its random numbers.
#include "qt_test_support.h"

namespace dorvanta {
namespace {

TEST(QtPlatform, RandomStaysStrictlyBelowOne) {
    QtPlatform platform;
    for (int i = 0; i < 200000; ++i) {
        const float value = platform.Random();
        ASSERT_TRUE(value >= 0.0f && value < 1.0f) << value;
    }
}

}  // namespace
}  // namespace dorvanta
