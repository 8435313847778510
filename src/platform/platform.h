// The desktop as the game logic sees it: one narrow interface for yielding to
// pending input, the clocks, the random generator, modal boxes, the life of the
// windows and the end of the program. The Qt implementation drives real widgets;
// the scripted one answers from a script so that whole games run in tests.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace dorvanta {

class Form;

enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Thrown by Yield (and EndProgram) once the program has been told to end, so
// that every nested loop unwinds innermost first (doc/how_it_runs.md).
struct QuitRequested {};

// Whether a wait is still wanted, asked after every event it delivers; an
// empty one waits for the deadline alone.
using KeepWaiting = std::function<bool()>;

class Platform {
  public:
    virtual ~Platform() = default;

    // Processes every pending input event, running its handler to completion.
    virtual void Yield() = 0;
    // Processes pending events but the user's input, which waits for the next
    // Yield, or is dropped where the desktop cannot keep it apart, as a window
    // that does not answer drops it. A request to close a window is not input
    // here: closing the main window ends the program even then.
    virtual void YieldExcludingInput() = 0;
    // Delivers events as they arrive, sleeping in between, until the monotonic
    // clock reaches `deadline` or `keepWaiting` answers false; processes what is
    // pending at least once, even when the deadline has already passed. An
    // infinite deadline waits on the condition alone. A desktop without real
    // time may return after one round of events, so callers test their own
    // condition again.
    virtual void WaitUntil(double deadline, const KeepWaiting& keepWaiting) = 0;

    // Seconds since local midnight; read only by the waits and the calibration.
    virtual double TimeOfDay() = 0;
    // Seconds on a clock that never jumps; elapsed time is measured with it.
    virtual double MonotonicSeconds() = 0;

    // Seeds the uniform generator from the clock.
    virtual void Randomize() = 0;
    // Uniform in [0, 1), never 1.
    virtual float Random() = 0;

    virtual BoxAnswer MessageBox(const std::string& text, BoxButtons buttons,
                                 const std::string& title) = 0;
    // The typed text, or "" when the box is cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;

    // Ends the program at once: writes nothing and throws QuitRequested.
    [[noreturn]] virtual void EndProgram() = 0;

    // Window life: a form tells the desktop when it is created, shown, hidden,
    // brought to the front and unloaded.
    virtual void FormCreated(Form& form) = 0;
    virtual void FormShown(Form& form) = 0;
    virtual void FormHidden(Form& form) = 0;
    virtual void FormDestroyed(Form& form) = 0;
};

// A fault nothing guards against (the data file cannot be read or written):
// reported with the system's description, then the program ends.
[[noreturn]] void ReportFaultAndEnd(Platform& platform, const std::string& description);

}  // namespace dorvanta
