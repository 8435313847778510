#include "platform/qt/client_area.h"

#include <QFont>
#include <cmath>

#include "platform/qt/picture_render.h"

namespace dorvanta {

namespace {

// The layouts were designed for a small dialog font. A condensed face this
// size shows every number the game writes into its narrowest boxes (1257.5 in
// 495 units) in full. Sizes are rounded down as the window grows, so text never
// outgrows its box.
constexpr const char* kDesignFontFamily = "DejaVu Sans Condensed";
constexpr double kDesignFontPixels = 9;

QFont DesignFont(double scale) {
    QFont font(kDesignFontFamily);
    font.setPixelSize(static_cast<int>(std::floor(kDesignFontPixels * scale)));
    return font;
}

}  // namespace

ClientArea::ClientArea(QtPlatform& platform, Form& form, QWidget& parent)
    : QWidget(&parent), designWidth_(form.ClientWidth()), designHeight_(form.ClientHeight()) {
    for (const auto& control : form.Controls()) {
        const ControlWidget placed = CreateControlWidget(platform, *control, *this);
        controls_.push_back({&placed.widget, &placed.view, control.get()});
    }
    SetScale(1);
}

void ClientArea::Detach() {
    for (Placed& placed : controls_) {
        placed.view->Detach();
        placed.control = nullptr;
    }
}

QSize ClientArea::SizeAt(double scale) const {
    return {UnitsToPixels(designWidth_, scale), UnitsToPixels(designHeight_, scale)};
}

void ClientArea::SetScale(double scale) {
    setFixedSize(SizeAt(scale));
    setFont(DesignFont(scale));
    for (const Placed& placed : controls_) {
        if (placed.control != nullptr) {
            placed.widget->setGeometry(PixelGeometry(*placed.control, scale));
            placed.view->SetScale(scale);
        }
    }
}

}  // namespace dorvanta
