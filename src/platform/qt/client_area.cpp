#include "platform/qt/client_area.h"

#include <QFont>

#include "platform/scaling.h"

namespace dorvanta {

namespace {

QFont DesignFont(double scale) {
    QFont font(kDesignFontFamily);
    font.setPixelSize(DesignFontPixels(scale));
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
