// One Qt widget per declared control. A widget mirrors its model on Refresh and
// turns the user's input into the model's User*/Press*/Click/TypeKey calls; once
// detached (the form unloaded) it ignores input, since the model may be gone.
#pragma once

#include <QWidget>

#include "platform/controls.h"
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
class ModelView : public WidgetView {
  public:
    ModelView(QtPlatform& platform, Model& model) : platform_(platform), model_(&model) {
        model.AttachView(this);
    }
    ~ModelView() override { Detach(); }
    ModelView(const ModelView&) = delete;
    ModelView& operator=(const ModelView&) = delete;

    void Detach() override {
        if (model_ != nullptr) {
            model_->AttachView(nullptr);
            model_ = nullptr;
        }
    }

  protected:
    // Hands one piece of user input to the model, guarded against the end of the
    // program and against a model that went away in an earlier handler.
    template <class Input>
    void Deliver(Input&& input) {
        platform_.Guarded([this, &input] {
            if (model_ != nullptr) {
                input(*model_);
            }
        });
    }

    QtPlatform& platform_;
    Model* model_;
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
