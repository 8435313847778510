#include "platform/frame_pacer.h"

#include <utility>

namespace dorvanta {

void FramePacer::Changed() {
    if (inFrame_) {
        changedInFrame_ = true;
    } else {
        Show();
    }
}

void FramePacer::FrameEnded() {
    inFrame_ = false;
    if (std::exchange(changedInFrame_, false)) {
        Show();
    }
}

void FramePacer::Show() {
    show_();
    inFrame_ = true;
    startFrame_(kFrameMillis);
}

}  // namespace dorvanta
