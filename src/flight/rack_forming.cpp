#include "flight/rack_forming.h"

namespace dorvanta {

namespace {
constexpr std::int16_t kThreeRowRack = 6;
constexpr std::int16_t kTwoRowRack = 3;
}  // namespace

void CloseUpRack(std::int16_t cupsLeft, CupArray<Flag>& standing, double& rackZ, double homeZ,
                 double rowShift) {
    if (cupsLeft == kThreeRowRack) {
        for (int i = 1; i <= kCupCount; ++i) {
            standing[i] = i <= kThreeRowRack ? kTrue : kFalse;
        }
        rackZ += rowShift;
    } else if (cupsLeft == kTwoRowRack) {
        for (int i = 1; i <= kCupCount; ++i) {
            standing[i] = (i == 5 || i == 8 || i == 9) ? kTrue : kFalse;
        }
        rackZ = homeZ;
    }
}

}  // namespace dorvanta
