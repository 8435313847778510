// The real desktop: Qt widgets built from the forms' declarations, Qt's event
// queue for yielding, modal Qt boxes, and the system clocks. Ending the program
// is an exception that unwinds the logic's nested loops; every place where Qt
// calls into the logic runs inside Guarded, so no exception crosses a Qt frame.
#pragma once

#include <QPointer>
#include <chrono>
#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

class QObject;
class QWidget;

namespace dorvanta {

class FormWindow;

class QtPlatform : public Platform {
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

    // The program has been told to end; every further yield or box throws.
    bool Ending() const { return ending_; }
    // The window built for a loaded form, nullptr once it is unloaded.
    QWidget* WindowOf(const Form& form) const;
    // The loaded form of that name, else nullptr.
    Form* LoadedForm(const std::string& name) const;

    // The sizable window's scale, which every other window takes when it opens.
    void SetScale(double scale) { scale_ = scale; }

    // Runs logic called from Qt. An end of the program stops here (the yield
    // further out throws again); any other fault is reported and ends the program.
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

  private:
    void ThrowIfEnding() const;
    void ReportFaultAndQuit(const char* description) noexcept;
    FormWindow* Find(const Form& form) const;
    std::int64_t UtcOffsetSeconds();

    bool ending_ = false;
    // While set, the user's input is dropped on its way to the windows.
    bool droppingInput_ = false;
    std::unique_ptr<QObject> inputGate_;
    double scale_ = 1;
    std::mt19937 generator_;
    std::int64_t utcOffsetSeconds_ = 0;
    std::chrono::steady_clock::time_point nextOffsetCheck_;
    std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
    // Unloaded windows waiting for Qt to delete them once their events have unwound.
    std::vector<QPointer<FormWindow>> retired_;
};

}  // namespace dorvanta
