#include "app/form_measuring.h"

#include <string>

#include "core/number_text.h"
#include "core/product.h"
#include "flight/calibration.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: one line of text with a margin all round.
constexpr int kMargin = 360;
constexpr int kTextWidth = 4800;
constexpr int kTextHeight = 255;

}  // namespace

FormMeasuring::FormMeasuring(Platform& platform)
    : Form(platform, "FormMeasuring", std::string("3D ") + kProductName, kTextWidth + 2 * kMargin,
           kTextHeight + 2 * kMargin) {
    AddLabel("LabelMeasuring", {kMargin, kMargin, kTextWidth, kTextHeight},
             "Measuring the speed of this machine for the game (" +
                 NumberText(kCalibrationSeconds) + " seconds)...");
}

}  // namespace dorvanta
