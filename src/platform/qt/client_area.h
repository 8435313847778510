// A window's client area: every declared control at its design place times a
// scale, in a font that scales with them. At scale 1 the area has its design
// size, 15 units of 1/1440 inch to a pixel.
#pragma once

#include <QSize>
#include <QWidget>
#include <vector>

#include "platform/form.h"
#include "platform/qt/control_widgets.h"

namespace dorvanta {

class ClientArea : public QWidget {
  public:
    ClientArea(QtPlatform& platform, Form& form, QWidget& parent);

    // Lets go of the models; the widgets stay inert until deleted.
    void Detach();

    // Resizes the area and moves, resizes and re-renders every control.
    void SetScale(double scale);
    // The area's size at `scale`.
    QSize SizeAt(double scale) const;

  private:
    struct Placed {
        QWidget* widget;  // owned by the area
        WidgetView* view;
        const Control* control;
    };

    std::vector<Placed> controls_;
    int designWidth_;
    int designHeight_;
};

}  // namespace dorvanta
