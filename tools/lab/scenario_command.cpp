// dorvanta-lab scenario FILE: plays a script of user actions against a
// headless game in the current directory (its data file there) and reports
// the boxes it answered, what it printed and the first failure.
#include <fstream>
#include <iostream>

#include "lab_commands.h"
#include "scenarios/scenario_runner.h"
#include "scenarios/scenario_script.h"

namespace dorvanta::lab {

int RunScenario(const Arguments& args) {
    if (args.size() != 1) {
        std::cout << "usage: dorvanta-lab scenario FILE\n";
        return kScenarioBadScript;
    }
    std::ifstream file(args.front());
    if (!file) {
        std::cout << "cannot open " << args.front() << '\n';
        return kScenarioBadScript;
    }
    std::vector<ScriptStep> steps;
    try {
        steps = ParseScript(file);
    } catch (const ScriptError& error) {
        std::cout << args.front() << ": " << error.what() << '\n';
        return kScenarioBadScript;
    }
    ScenarioRunner runner(std::cout);
    return runner.Run(steps);
}

}  // namespace dorvanta::lab
