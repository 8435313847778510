// One Qt widget per declared control. A widget mirrors its model on Refresh and
// turns the user's input into the model's User*/Press*/Click/TypeKey calls; once
// detached (the form unloaded) it ignores input, since the model may be gone.
#pragma once

#include <QWidget>

#include "platform/controls.h"
#include "platform/model_link.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta {

class WidgetView : public ControlView {
  public:
    // Stops mirroring the model and forgets it.
    virtual void Detach() = 0;
    // The window now shows its controls at `scale` times their design size; the
    // widget has already been moved and resized.
    virtual void SetScale(double /*scale*/) {}
};

template <class Model>
class ModelView : public WidgetView, protected ModelLink<Model, ControlView> {
  public:
    ModelView(QtPlatform& platform, Model& model)
        : ModelLink<Model, ControlView>(platform, model, *this) {}

    void Detach() override { this->Unlink(); }
};

// A control's widget and the same object as the view of its model.
struct ControlWidget {
    QWidget& widget;
    WidgetView& view;
};

// The control's widget as a child of `parent`, already showing the model's
// state, at its design place (scale 1).
ControlWidget CreateControlWidget(QtPlatform& platform, Control& control, QWidget& parent);

// Where a control's widget goes in a client area `scale` times its design size.
QRect PixelGeometry(const Control& control, double scale);

// Captions go to Qt verbatim: an ampersand is a character, not a mnemonic.
QString CaptionText(const std::string& caption);

}  // namespace dorvanta
