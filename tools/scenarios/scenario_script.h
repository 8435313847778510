// Scenario scripts: plain-text lists of user actions, one per line, that the
// lab plays against a headless game; "#" starts a comment line.
//   press CONTROL [right]     click CONTROL          menu ITEM
//   type TEXTBOX TEXT         scroll SCROLLBAR N     ("\b" in TEXT: Backspace)
//   answer OK|Cancel|Yes|No   input TEXT|cancel      random U1 U2 ...
//   after N yields: ACTION    set MEMBER VALUE       expect NAME VALUE
//   print NAME
// A NAME is a member ("CupStanding(7)") or a window property
// ("CommandShoot.Caption", "FormCalibrate.TextCalibrationFactor.Text",
// "FormCalibrate.Visible"). A "quoted" value keeps its blanks and compares as
// text; an unquoted one compares as a number when both sides are numbers.
// Reading a script checks its form only; whether a named control or member
// exists is known only once a game runs.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"

namespace dorvanta::lab {

enum class Verb {
    Press,
    Click,
    Menu,
    Type,
    Scroll,
    Answer,
    Input,
    After,
    Random,
    Set,
    Expect,
    Print
};

struct ScriptStep {
    int line = 0;
    Verb verb = Verb::Press;
    std::string target;   // control, menu item or member name
    std::string text;     // typed keys, input text, value to set or expect
    bool quoted = false;  // the value was written "in quotes": compared as text only
    int mouseButton = kLeftButton;
    std::int16_t scrollValue = 0;
    BoxAnswer answer = BoxAnswer::Ok;
    std::vector<float> randoms;
    std::int64_t yields = 0;                  // `after`: how many yields from now
    std::shared_ptr<const ScriptStep> later;  // `after`: the step to run then
};

// A line the runner cannot understand; line is 1-based.
class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

// Every action of the script in order; comments (#) and blank lines are skipped.
// Throws ScriptError for the first line it cannot understand.
std::vector<ScriptStep> ParseScript(std::istream& in);

}  // namespace dorvanta::lab
