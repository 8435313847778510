// The Qt desktop: Qt widgets built from the forms' declarations, Qt's event
// queue for yielding, modal Qt boxes, and the system clocks.
#pragma once

#include <QPointer>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/uniform_random.h"
#include "platform/windowed_platform.h"

class QObject;
class QWidget;

namespace dorvanta {

class FormWindow;

class QtPlatform : public WindowedPlatform {
  public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void Yield() override;
    void YieldExcludingInput() override;
    void WaitUntil(double deadline, const KeepWaiting& keepWaiting) override;
    double TimeOfDay() override;
    double MonotonicSeconds() override;
    void Randomize() override;
    float Random() override;
    BoxAnswer MessageBox(const std::string& text, BoxButtons buttons,
                         const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    [[noreturn]] void EndProgram() override;
    void FormCreated(Form& form) override;
    void FormShown(Form& form) override;
    void FormHidden(Form& form) override;
    void FormDestroyed(Form& form) override;

    // The window built for a loaded form, nullptr once it is unloaded.
    QWidget* WindowOf(const Form& form) const;
    // The loaded form of that name, else nullptr.
    Form* LoadedForm(const std::string& name) const;

    // The sizable window's scale, which every other window takes when it opens.
    void SetScale(double scale) { scale_ = scale; }

  protected:
    void ShowFault(const char* description) noexcept override;
    void QuitEventLoop(int exitCode) noexcept override;

  private:
    FormWindow* Find(const Form& form) const;
    // The sizable window, over which the others open; nullptr before it is loaded.
    FormWindow* MainWindow() const;
    std::int64_t UtcOffsetSeconds();

    // While set, the user's input is dropped on its way to the windows.
    bool droppingInput_ = false;
    std::unique_ptr<QObject> inputGate_;
    double scale_ = 1;
    UniformRandom random_;
    std::int64_t utcOffsetSeconds_ = 0;
    std::chrono::steady_clock::time_point nextOffsetCheck_;
    std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
    // Unloaded windows waiting for Qt to delete them once their events have unwound.
    std::vector<QPointer<FormWindow>> retired_;
};

}  // namespace dorvanta
