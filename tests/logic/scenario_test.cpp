// Scenario scripts: the runner's verdicts (exit status and report) on small
// inline scripts, and every script of the scenario folder, each a test of its
// own, played in a fresh working folder in the user's locale, as the lab and
// the game run.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records_temp_dir.h"
#include "scenarios/scenario_runner.h"
#include "scenarios/scenario_script.h"

namespace dorvanta::lab {
namespace {

namespace fs = std::filesystem;

struct ScenarioRun {
    int exitCode = -1;
    std::string report;
};

// A fresh working folder in the user's locale, which the lab and the game put
// in force at start (the de_DE runs of this suite depend on it).
class ScenarioTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        previousLocale_ = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, previousLocale_.c_str());
        InTempDir::TearDown();
    }

    // Plays the script as `dorvanta-lab scenario` does.
    static ScenarioRun Play(std::istream& script) {
        std::ostringstream report;
        try {
            const std::vector<ScriptStep> steps = ParseScript(script);
            ScenarioRunner runner(report);
            return {runner.Run(steps), report.str()};
        } catch (const ScriptError& error) {
            return {kScenarioBadScript, std::string(error.what()) + "\n"};
        }
    }
    static ScenarioRun Play(const std::string& script) {
        std::istringstream in(script);
        return Play(in);
    }

  private:
    std::string previousLocale_;
};

// Exit 0 is a pass, 1 a failed run, 2 a script the runner refuses before playing
// it, naming the first line it cannot read.
TEST_F(ScenarioTest, TheRunnerGivesEachScriptItsVerdictAndReport) {
    struct Case {
        const char* script;
        int exitCode;
        const char* report;  // the whole report when it ends in a newline, else a part
    };
    const Case cases[] = {
        {"expect CupsLeft 10\nexpect TextPower.Text 1100.0000000001\n"
         "expect TextShotsTaken.Text \"0\"\nprint CommandShoot.Caption\n",
         0, "CommandShoot.Caption = Shoot\n"},
        {"expect CupsLeft 10\nexpect TextPower.Text 1100.01\nexpect CupsLeft 3\n", 1,
         "line 2: expected TextPower.Text = 1100.01, got 1100\n"},
        {"print CupsLeft\nshoot\n", 2, "line 2: unknown action \"shoot\"\n"},
        // A malformed line, counted with the comments and blank lines before it.
        {"# header\n\npress\nprint CupsLeft\n", 2, "line 3: missing name\n"},
        // Regression: values the member's type cannot hold were cut or wrapped.
        {"set ShotPhase 40000\n", 2,
         "line 1: ShotPhase takes a whole number from -32768 to 32767, not 40000\n"},
        {"print CupsLeft\nset CupsLeft 1.5\n", 2,
         "line 2: CupsLeft takes a whole number from -32768 to 32767, not 1.5"},
        {"set ColorBall -1\n", 2, "line 1: ColorBall takes a whole number from 0 to 4294967295"},
        {"set ColorBall 4294967295\nset SlowFactor 2.5\nexpect SlowFactor 2.5\n", 0, ""}};
    for (const Case& c : cases) {
        const ScenarioRun run = Play(c.script);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.script;
        if (std::string(c.report).ends_with('\n')) {
            EXPECT_EQ(run.report, c.report) << c.script;
        } else {
            EXPECT_NE(run.report.find(c.report), std::string::npos) << c.script << run.report;
        }
    }
}

// The scripts of tests/scenarios, each its own test named after it. A script
// may declare on its first line "# expect-exit: N"; otherwise 0.
std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& entry :
         fs::directory_iterator(fs::path(DORVANTA_SOURCE) / "tests/scenarios")) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ScenarioFolder : public ScenarioTest, public testing::WithParamInterface<std::string> {};

TEST_P(ScenarioFolder, PlaysToItsDeclaredExit) {
    std::ifstream script(fs::path(DORVANTA_SOURCE) / "tests/scenarios" / (GetParam() + ".txt"));
    std::string first;
    std::getline(script, first);
    const std::string marker = "# expect-exit: ";
    const int exitCode = first.starts_with(marker) ? std::atoi(&first[marker.size()]) : 0;
    script.seekg(0);
    const ScenarioRun run = Play(script);
    EXPECT_EQ(run.exitCode, exitCode) << run.report;
}

INSTANTIATE_TEST_SUITE_P(Script, ScenarioFolder, testing::ValuesIn(ScriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

}  // namespace
}  // namespace dorvanta::lab
