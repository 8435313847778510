// The scripted desktop as scenario runs use it: every box it answers is echoed
// to the run's report, and a game that keeps yielding while the script has
// nothing more to deliver (a gauge nobody stops, a pause nobody lifts) is
// stopped with an error instead of spinning for ever.
#pragma once

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/scripted/scripted_platform.h"

namespace dorvanta::lab {

class ScenarioStalled : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ScenarioPlatform : public ScriptedPlatform {
  public:
    // Yields in a row without any scripted action left before a run counts as stuck.
    static constexpr std::int64_t kStallYields = 2'000'000;

    explicit ScenarioPlatform(std::ostream& report) : report_(report) {}

    BoxAnswer MessageBox(const std::string& text, BoxButtons buttons,
                         const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

    // A scripted action ran: the stall count starts again.
    void NoteProgress() { lastProgress_ = YieldCount(); }

  protected:
    void Yielding() override;

  private:
    std::ostream& report_;
    std::int64_t lastProgress_ = 0;
};

}  // namespace dorvanta::lab
