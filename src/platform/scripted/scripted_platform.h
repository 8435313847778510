// A desktop for tests and the lab: message and input boxes are answered from a
// queue, actions run inside chosen yields (a press arriving while a gauge or a
// flight is running), the clock advances a fixed amount at every yield and the
// random generator plays a fixed sequence. Nothing here waits on real time: a
// wait is one yield that moves the clock to its deadline. Every action counts
// as the user's input, so a yield that excludes input leaves it for later.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace dorvanta {

// A box appeared that no script answered; the test fails with its text.
class UnscriptedBox : public std::runtime_error {
  public:
    explicit UnscriptedBox(const std::string& text)
        : std::runtime_error("unscripted box: " + text) {}
};

struct ShownBox {
    std::string text;
    std::string title;
    bool isInput = false;
    std::string answer;  // "OK", "Cancel", "Yes", "No", or the typed text
};

class ScriptedPlatform : public Platform {
  public:
    // Seconds the fake clocks advance at every yield.
    static constexpr double kSecondsPerYield = 0.001;

    void Yield() override;
    void YieldExcludingInput() override;
    void WaitUntil(double deadline, const KeepWaiting& keepWaiting) override;
    double TimeOfDay() override;
    double MonotonicSeconds() override { return monotonic_; }
    void Randomize() override {}
    float Random() override;
    BoxAnswer MessageBox(const std::string& text, BoxButtons buttons,
                         const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    [[noreturn]] void EndProgram() override;
    void FormCreated(Form& form) override;
    void FormShown(Form&) override {}
    void FormHidden(Form&) override {}
    void FormDestroyed(Form& form) override;

    // --- Script ---
    void QueueAnswer(BoxAnswer answer) { answers_.push_back(answer); }
    // The text an input box returns; "" stands for Cancel.
    void QueueInput(std::string text) { inputs_.push_back(std::move(text)); }
    // Runs `action` inside the yield that comes `yieldsFromNow` yields later (1 = the next).
    void AtYield(std::int64_t yieldsFromNow, std::function<void()> action);
    void QueueRandom(float value) { randoms_.push_back(value); }
    // Time of day now; it advances with the yields and wraps at midnight.
    void SetTimeOfDay(double seconds) { timeOfDay_ = seconds; }
    // Seconds the clocks advance without a yield (a busy loop reading the time).
    void SetSecondsPerClockRead(double seconds) { secondsPerRead_ = seconds; }
    // Time passes at once, as in a long handler or while another program has
    // the processor.
    void Elapse(double seconds) { AdvanceClocks(seconds); }

    // --- What happened ---
    // Every kind of yield counts: plain, excluding input, and waits.
    std::int64_t YieldCount() const { return yields_; }
    // The waits among them.
    std::int64_t WaitCount() const { return waits_; }
    const std::vector<ShownBox>& Boxes() const { return boxes_; }
    std::size_t PendingActions() const { return actions_.size(); }
    std::size_t RandomsDrawn() const { return randomsDrawn_; }
    bool Ended() const { return ended_; }
    // The window of that name while it is loaded; nullptr before its first use,
    // after it was unloaded, or for an unknown name.
    Form* LoadedForm(const std::string& name) const;

  protected:
    // Called before every yield of any kind.
    virtual void Yielding() {}

  private:
    void AdvanceClocks(double seconds);
    // One yield that lets `seconds` pass and runs the actions due if it delivers input.
    void Pass(double seconds, bool deliverInput);

    std::int64_t yields_ = 0;
    std::int64_t waits_ = 0;
    double timeOfDay_ = 12 * 3600.0;
    double monotonic_ = 1000.0;
    double secondsPerRead_ = 0;
    std::deque<BoxAnswer> answers_;
    std::deque<std::string> inputs_;
    std::deque<float> randoms_;
    std::size_t randomsDrawn_ = 0;
    std::multimap<std::int64_t, std::function<void()>> actions_;
    std::vector<ShownBox> boxes_;
    std::map<std::string, Form*> forms_;
    bool ended_ = false;
};

}  // namespace dorvanta
