// Painting at most once a frame of the screen. A change reaches the screen at
// once, and the ones that follow within the same frame only at its end: a
// gauge at the Professional's pace changes its picture and its box many times
// a frame, and painting each would slow the gauge down. The desktop supplies
// the one-shot timer that ends a frame.
#pragma once

#include <functional>
#include <utility>

namespace dorvanta {

constexpr int kFrameMillis = 16;  // one frame of a 60 Hz screen

class FramePacer {
  public:
    // `show` puts the latest change on the screen; `startFrame` starts a
    // one-shot timer of that many milliseconds that calls FrameEnded.
    FramePacer(std::function<void()> show, std::function<void(int millis)> startFrame)
        : show_(std::move(show)), startFrame_(std::move(startFrame)) {}

    bool InFrame() const { return inFrame_; }
    void Changed();
    void FrameEnded();

  private:
    void Show();

    std::function<void()> show_;
    std::function<void(int)> startFrame_;
    bool inFrame_ = false;
    bool changedInFrame_ = false;
};

}  // namespace dorvanta
