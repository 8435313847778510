#include "flight/rack_forming.h"

namespace dorvanta {

void CloseUpRack(std::int16_t cupsLeft, Rack& rack, RackEnd end, double cupRadius) {
    if (cupsLeft == kThreeRowRackCups) {
        for (int i = 1; i <= kCupCount; ++i) {
            rack.CupStanding[i] = i <= kThreeRowRackCups ? kTrue : kFalse;
        }
        rack.RackZ += AwayFromMiddle(end) * RowSpacing(cupRadius);
    } else if (cupsLeft == kTwoRowRackCups) {
        for (int i = 1; i <= kCupCount; ++i) {
            rack.CupStanding[i] = (i == 5 || i == 8 || i == 9) ? kTrue : kFalse;
        }
        rack.RackZ = rack.RackHomeZ;
    }
}

}  // namespace dorvanta
