// The native Windows desktop: windows and controls built from the forms'
// declarations, the thread's message queue for yielding and waiting, modal
// boxes under the game's title, and the system clocks. As on Qt, ending the
// program is an exception that unwinds the logic's nested loops; every window
// procedure that calls into the logic runs it inside Guarded, so no exception
// crosses a frame of Windows.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/uniform_random.h"
#include "platform/win32/win32_api.h"
#include "platform/windowed_platform.h"

namespace dorvanta {

class FormFrame;

class Win32Platform : public WindowedPlatform {
  public:
    // Boxes without a title of their own are titled `applicationName`.
    Win32Platform(HINSTANCE instance, std::string applicationName);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    void Yield() override;
    void YieldExcludingInput() override;
    void WaitUntil(double deadline, const KeepWaiting& keepWaiting) override;
    double TimeOfDay() override;
    double MonotonicSeconds() override;
    void Randomize() override { random_.SeedFromClock(); }
    float Random() override { return random_.Next(); }
    BoxAnswer MessageBox(const std::string& text, BoxButtons buttons,
                         const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    [[noreturn]] void EndProgram() override;
    void FormCreated(Form& form) override;
    void FormShown(Form& form) override;
    void FormHidden(Form& form) override;
    void FormDestroyed(Form& form) override;

    // Delivers messages until the program ends; returns its exit status.
    int Run();

    HINSTANCE Instance() const { return instance_; }
    // The top-level window built for a loaded form, nullptr once it is unloaded.
    HWND WindowOf(const Form& form) const;
    // The window of a loaded form's control, else nullptr.
    HWND ControlOf(const Form& form, const std::string& name) const;
    // The loaded form of that name, else nullptr.
    Form* LoadedForm(const std::string& name) const;

    // The sizable window's scale (device pixels per design pixel), which every
    // other window takes when it opens.
    double Scale() const { return scale_; }
    void SetScale(double scale) { scale_ = scale; }

  protected:
    void ShowFault(const char* description) noexcept override;
    void QuitEventLoop(int exitCode) noexcept override;

  private:
    void Dispatch(MSG& message);
    // Delivers one waiting message that `removeFlags` admits; false when none waits.
    bool DeliverOne(UINT removeFlags);
    // Sleeps until a message arrives or `seconds` have passed.
    void SleepForInput(double seconds);
    // Boxes are modal to every window of the game; returns the windows it disabled.
    std::vector<HWND> DisableWindowsBut(HWND owner);
    HWND BoxOwner() const;
    // The sizable window, over which the others open; nullptr before it is loaded.
    HWND MainWindow() const;
    FormFrame* Find(const Form& form) const;
    void DestroyRetiredWindows();

    HINSTANCE instance_;
    std::string applicationName_;
    HANDLE fontResource_ = nullptr;
    HANDLE waitTimer_ = nullptr;
    bool coarseTimerRaised_ = false;
    double countsPerSecond_ = 1;
    int exitCode_ = 0;
    int dispatchDepth_ = 0;
    double scale_ = 1;
    UniformRandom random_;
    std::map<const Form*, std::unique_ptr<FormFrame>> windows_;
    // Unloaded windows, destroyed once no message to them is being handled.
    std::vector<std::unique_ptr<FormFrame>> retired_;
};

}  // namespace dorvanta
