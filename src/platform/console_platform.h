// A desktop's windowless side, for what the program does from a terminal: it
// yields, keeps time and draws random numbers through the desktop it wraps,
// but a box the game would show is a line on the error stream, there is no
// one to type into an input box, and ending the program only unwinds to the
// caller, which returns the exit status.
#pragma once

#include <string>

#include "platform/platform.h"

namespace dorvanta {

class ConsolePlatform : public Platform {
  public:
    // `program` begins every line: "program: text".
    ConsolePlatform(Platform& desktop, std::string program);

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

  private:
    Platform& desktop_;
    std::string program_;
};

}  // namespace dorvanta
