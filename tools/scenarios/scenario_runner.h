// Plays a scenario script against a headless game: the main window loads as
// at start-up, then each step acts through the controls and menus the way a
// user would, or queues what the desktop will answer, or checks the state.
// `after` steps run later, nested inside whatever loop of the game yields.
#pragma once

#include <cstddef>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/form_main.h"
#include "scenarios/game_state_probe.h"
#include "scenarios/scenario_platform.h"
#include "scenarios/scenario_script.h"

namespace dorvanta::lab {

// Exit statuses of a run.
constexpr int kScenarioPassed = 0;
constexpr int kScenarioFailed = 1;
constexpr int kScenarioBadScript = 2;

class ScenarioRunner {
  public:
    explicit ScenarioRunner(std::ostream& report);

    // Runs every step; reports boxes, prints and the first failure.
    int Run(const std::vector<ScriptStep>& steps);

  private:
    void Perform(const ScriptStep& step);
    void Act(const ScriptStep& step);
    void Click(const ScriptStep& step);
    void Type(const ScriptStep& step);
    void Schedule(const ScriptStep& step);
    void SetMember(const ScriptStep& step);
    void Expect(const ScriptStep& step);
    void CheckNothingLeft() const;

    // The text of a member ("CupsLeft") or of a window property ("Form.Control.Text").
    std::string Read(int line, const std::string& name);
    std::string ReadProperty(int line, const std::vector<std::string>& parts);
    Form& LoadedWindow(int line, const std::string& name);
    // A control the user can reach: on the main window or a shown secondary one.
    template <class T>
    T& Reachable(const ScriptStep& step);

    std::ostream& report_;
    ScenarioPlatform platform_;
    FormMain main_;
    GameStateProbe probe_;
    std::set<std::string> numericMembers_;
    std::map<int, int> waitingAfters_;  // line -> `after` steps not yet run
    std::size_t answersQueued_ = 0;
    std::size_t inputsQueued_ = 0;
};

}  // namespace dorvanta::lab
