// A desktop's view of one control model: it mirrors the model until it is
// detached (the form unloaded), and hands the player's input to the model
// guarded, against the end of the program and against a model that went away
// in an earlier handler.
#pragma once

#include "platform/controls.h"
#include "platform/windowed_platform.h"

namespace dorvanta {

template <class Model, class View>
class ModelLink {
  public:
    ModelLink(WindowedPlatform& platform, Model& model, View& view)
        : platform_(platform), model_(&model) {
        model.AttachView(&view);
    }
    ~ModelLink() { Unlink(); }
    ModelLink(const ModelLink&) = delete;
    ModelLink& operator=(const ModelLink&) = delete;

  protected:
    // Stops mirroring the model and forgets it.
    void Unlink() {
        if (model_ != nullptr) {
            model_->AttachView(nullptr);
            model_ = nullptr;
        }
    }

    template <class Input>
    void Deliver(Input&& input) {
        platform_.Guarded([this, &input] {
            if (model_ != nullptr) {
                input(*model_);
            }
        });
    }

    WindowedPlatform& platform_;
    Model* model_;
};

}  // namespace dorvanta
