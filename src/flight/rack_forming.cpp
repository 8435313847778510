#include "flight/rack_forming.h"

namespace dorvanta {

namespace {
constexpr std::int16_t kThreeRowRack = 6;
constexpr std::int16_t kTwoRowRack = 3;
}  // namespace

void CloseUpRack(std::int16_t cupsLeft, Rack& rack, RackEnd end, double cupRadius) {
    if (cupsLeft == kThreeRowRack) {
        for (int i = 1; i <= kCupCount; ++i) {
            rack.CupStanding[i] = i <= kThreeRowRack ? kTrue : kFalse;
        }
        rack.RackZ += AwayFromMiddle(end) * RowSpacing(cupRadius);
    } else if (cupsLeft == kTwoRowRack) {
        for (int i = 1; i <= kCupCount; ++i) {
            rack.CupStanding[i] = (i == 5 || i == 8 || i == 9) ? kTrue : kFalse;
        }
        rack.RackZ = rack.RackHomeZ;
    }
}

}  // namespace dorvanta
