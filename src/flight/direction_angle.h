// The direction of a vector (u, w) in a plane, measured from the u axis
// towards the w axis with the game's own pi. Along the w axis it is exactly
// plus or minus half of that pi; for the null vector it keeps the value it had
// last, which is why every angle of a flight is an instance of its own.
#pragma once

#include <cmath>

#include "core/table.h"

namespace dorvanta {

class DirectionAngle {
  public:
    // 0 until the first vector that is not null.
    double Of(double u, double w) {
        if (u != 0) {
            last_ = std::atan(w / u) + (u < 0 ? kPi : 0.0);
        } else if (w > 0) {
            last_ = kHalfPi;
        } else if (w < 0) {
            last_ = -kHalfPi;
        }
        return last_;
    }

  private:
    double last_ = 0;
};

}  // namespace dorvanta
