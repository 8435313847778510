// What the desktops with real windows do alike when the window system calls
// into the logic: ending the program is an exception that unwinds the logic's
// nested loops, so every place where the window system calls the logic runs
// it inside Guarded, and no exception crosses a frame of the window system.
#pragma once

#include <exception>
#include <utility>

#include "platform/platform.h"

namespace dorvanta {

class WindowedPlatform : public Platform {
  public:
    // The program has been told to end; every further yield or box throws.
    bool Ending() const { return ending_; }

    // Runs logic called from the window system. An end of the program stops
    // here (the yield further out throws again); any other fault is reported
    // and ends the program.
    template <class F>
    void Guarded(F&& body) noexcept {
        try {
            std::forward<F>(body)();
        } catch (const QuitRequested&) {
        } catch (const std::exception& fault) {
            ReportFaultAndQuit(fault.what());
        } catch (...) {
            ReportFaultAndQuit("Unknown fault");
        }
    }

  protected:
    static constexpr int kFaultExitCode = 1;

    void SetEnding() { ending_ = true; }
    void ThrowIfEnding() const;
    // Shows a fault's description in a box of the desktop's own.
    virtual void ShowFault(const char* description) noexcept = 0;
    // Makes the outermost event loop end with `exitCode`.
    virtual void QuitEventLoop(int exitCode) noexcept = 0;

  private:
    void ReportFaultAndQuit(const char* description) noexcept;

    bool ending_ = false;
};

}  // namespace dorvanta
