#include "core/rack.h"

#include <cmath>

namespace dorvanta {

double AwayFromMiddle(RackEnd end) {
    return end == RackEnd::Far ? 1.0 : -1.0;
}

Rack NewRack(RackEnd end, double cupRadius) {
    const double r = cupRadius;
    const std::array<double, kCupCount + 1> across = {0,     0,     -r, r, -2 * r, 0,
                                                      2 * r, 3 * r, -r, r, -3 * r};
    const std::array<int, kCupCount + 1> row = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
    Rack rack;
    rack.RackZ = rack.RackHomeZ = end == RackEnd::Far ? kFarRackHomeZ : kNearRackHomeZ;
    for (int i = 1; i <= kCupCount; ++i) {
        rack.CupStanding[i] = kTrue;
        rack.CupX[i] = across[i];
        rack.CupZ[i] = AwayFromMiddle(end) * row[i] * std::sqrt(3.0) * r;
    }
    return rack;
}

}  // namespace dorvanta
