// Scenario scripts: the reader of the script format, the runner's own verdicts
// (exit status and report) on small inline scripts, and every script of the
// scenario folder played by the lab in a fresh working directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../../tools/lab/scenario_script.h"

namespace dorvanta::lab {
namespace {

namespace fs = std::filesystem;

std::vector<ScriptStep> Parse(const std::string& script) {
    std::istringstream in(script);
    return ParseScript(in);
}

// --- Reading scripts ---

TEST(ScenarioScript, ReadsEachActionWithItsLineNumber) {
    const auto steps = Parse(
        "# a comment\n"
        "\n"
        "press CommandShoot\n"
        "   press CommandShoot right  \n"
        "click FormCalibrate.CommandOkay\n"
        "menu MenuOptionNewGame\n"
        "scroll HScrollHand -240\n"
        "answer Yes\n"
        "random 0.5 0 0.25\n"
        "set NameBeginner \"Ann Lee\"\n"
        "expect CommandShoot.Caption Opponent's Shot\n"
        "print CupStanding(7)\n");
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].verb, Verb::Press);
    EXPECT_EQ(steps[0].target, "CommandShoot");
    EXPECT_EQ(steps[0].mouseButton, kLeftButton);
    EXPECT_EQ(steps[1].line, 4);
    EXPECT_EQ(steps[1].mouseButton, kRightButton);
    EXPECT_EQ(steps[2].verb, Verb::Click);
    EXPECT_EQ(steps[2].target, "FormCalibrate.CommandOkay");
    EXPECT_EQ(steps[3].verb, Verb::Menu);
    EXPECT_EQ(steps[4].scrollValue, -240);
    EXPECT_EQ(steps[5].answer, BoxAnswer::Yes);
    EXPECT_EQ(steps[6].randoms, (std::vector<float>{0.5f, 0.0f, 0.25f}));
    EXPECT_EQ(steps[7].target, "NameBeginner");
    EXPECT_EQ(steps[7].text, "Ann Lee");
    EXPECT_EQ(steps[8].text, "Opponent's Shot");
    EXPECT_FALSE(steps[8].quoted);
    EXPECT_TRUE(steps[7].quoted);
    EXPECT_EQ(steps[9].verb, Verb::Print);
    EXPECT_EQ(steps[9].target, "CupStanding(7)");
    EXPECT_EQ(steps[9].line, 12);
}

TEST(ScenarioScript, TypedTextAndInputs) {
    const auto steps = Parse(
        "type TextHandX 12\\b5\n"
        "type TextPower \" 1 \"\n"
        "type TextAngle\n"
        "input cancel\n"
        "input \"cancel\"\n"
        "input Ann Lee\n");
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].text, std::string("12") + kBackspace + "5");
    EXPECT_EQ(steps[1].text, " 1 ");
    EXPECT_EQ(steps[2].text, "");
    EXPECT_EQ(steps[3].text, "");
    EXPECT_EQ(steps[4].text, "cancel");
    EXPECT_EQ(steps[5].text, "Ann Lee");
}

TEST(ScenarioScript, AfterHoldsTheActionToRunLater) {
    const auto steps = Parse(
        "after 5 yields: menu MenuOptionNewGame\n"
        "after 1 yield: after 700 yields: press CommandShoot right\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].verb, Verb::After);
    EXPECT_EQ(steps[0].yields, 5);
    ASSERT_NE(steps[0].later, nullptr);
    EXPECT_EQ(steps[0].later->verb, Verb::Menu);
    EXPECT_EQ(steps[0].later->target, "MenuOptionNewGame");
    EXPECT_EQ(steps[0].later->line, 1);
    const ScriptStep& inner = *steps[1].later;
    EXPECT_EQ(inner.verb, Verb::After);
    EXPECT_EQ(inner.yields, 700);
    EXPECT_EQ(inner.later->mouseButton, kRightButton);
}

TEST(ScenarioScript, MalformedLinesAreNamedByTheirNumber) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"fly CommandShoot", "unknown action \"fly\""},
        {"press", "missing name"},
        {"press CommandShoot left", "optional \"right\""},
        {"click CommandOkay now", "unexpected \"now\""},
        {"scroll HScrollHand 1.5", "whole number"},
        {"scroll HScrollHand 40000", "whole number"},
        {"answer Maybe", "OK, Cancel, Yes or No"},
        {"input", "missing text"},
        {"after 0 yields: press CommandShoot", "at least 1"},
        {"after 5: press CommandShoot", "after N yields: ACTION"},
        {"after 5 yields: fly", "unknown action"},
        {"random 1", "[0, 1)"},
        {"random", "missing random numbers"},
        {"expect CupsLeft", "missing value"},
        {"expect CommandShoot.Caption \"Shoot", "unterminated quote"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            Parse(std::string("# header\npress CommandShoot\n") + c.line + "\nprint CupsLeft\n");
            ADD_FAILURE() << "accepted";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), 3);
            EXPECT_NE(std::string(error.what()).find("line 3: "), std::string::npos);
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

// --- Running the lab ---

struct LabRun {
    int exitCode = -1;
    std::string report;
};

// A fresh empty working directory, removed with everything in it afterwards.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::string pattern = (fs::temp_directory_path() / "dorvanta-scenario-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchDirectory() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

LabRun RunLab(const fs::path& directory, const std::string& scriptPath) {
    const std::string command =
        "cd '" + directory.string() + "' && '" DORVANTA_LAB "' scenario '" + scriptPath + "' 2>&1";
    LabRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        run.report.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

LabRun RunScript(const std::string& script) {
    ScratchDirectory directory;
    std::ofstream(directory.Path() / "script.txt") << script;
    return RunLab(directory.Path(), "script.txt");
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ScenarioRunner, ChecksStateAndReportsTheFirstFailedExpectation) {
    const LabRun passed = RunScript(
        "expect CupsLeft 10\n"
        "expect TextPower.Text 1100.0000000001\n"
        "expect CommandShoot.Caption Shoot\n"
        "expect MenuOptionBeginner.Checked true\n"
        "expect TextShotsTaken.Text \"0\"\n"
        "print CommandShoot.Caption\n");
    EXPECT_EQ(passed.exitCode, 0) << passed.report;
    EXPECT_EQ(passed.report, "CommandShoot.Caption = Shoot\n");

    const LabRun failed = RunScript(
        "expect CupsLeft 10\n"
        "expect TextPower.Text 1100.01\n"
        "expect CupsLeft 3\n");
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.report, "line 2: expected TextPower.Text = 1100.01, got 1100\n");

    const LabRun quotedIsText = RunScript("expect TextPower.Text \"1100.0\"\n");
    EXPECT_EQ(quotedIsText.exitCode, 1);
    EXPECT_EQ(quotedIsText.report, "line 1: expected TextPower.Text = 1100.0, got 1100\n");
}

// Runs the script and checks the exit status and a part of the report.
void ExpectVerdict(const std::string& script, int exitCode, const std::string& reportPart) {
    SCOPED_TRACE(script);
    const LabRun run = RunScript(script);
    EXPECT_EQ(run.exitCode, exitCode);
    EXPECT_TRUE(Contains(run.report, reportPart)) << run.report;
}

TEST(ScenarioRunner, FailsWhenTheScriptAndTheGameDisagreeAboutBoxesAndYields) {
    ExpectVerdict("answer OK\n", 1,
                  "end of script: an answer was queued for a box that never came");
    ExpectVerdict("print CupsLeft\nafter 5 yields: menu MenuOptionNewGame\n", 1,
                  "line 2: the game stopped yielding");
    ExpectVerdict("press CommandShoot\n", 1, "line 1: still running after");
    ExpectVerdict("\nmenu MenuOptionNumericShooting\n", 1,
                  "line 2: unscripted box: Are you sure?  If you");
}

TEST(ScenarioRunner, EndsCleanlyWhenTheGameEnds) {
    const LabRun run = RunScript("menu MenuOptionExit\nexpect CupsLeft 3\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.report, "ended\n");
}

TEST(ScenarioRunner, RefusesBadScriptsWithTheirLineNumber) {
    const LabRun unknownAction = RunScript("print CupsLeft\nshoot\n");
    EXPECT_EQ(unknownAction.exitCode, 2);
    EXPECT_TRUE(Contains(unknownAction.report, "line 2: unknown action \"shoot\""))
        << unknownAction.report;
    EXPECT_FALSE(Contains(unknownAction.report, "CupsLeft =")) << "ran before checking";

    ExpectVerdict("\n\npress CommandShot\n", 2, "line 3: no fitting control");
    ExpectVerdict("press TextPower\n", 2, "line 1: no fitting control");
    ExpectVerdict("set CupsStanding 1\n", 2, "line 1: no member named CupsStanding");
    ExpectVerdict("set CalibrationFactor fast\n", 2, "line 1: CalibrationFactor takes a number");
    ExpectVerdict("print CommandShoot.Text\n", 2, "line 1: CommandShoot has no property Text");

    ScratchDirectory directory;
    const LabRun missing = RunLab(directory.Path(), "no-such-script.txt");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(Contains(missing.report, "no-such-script.txt")) << missing.report;
}

TEST(ScenarioRunner, ReachesSecondaryWindowsOnlyWhileTheyAreOpen) {
    ExpectVerdict(
        "expect FormCalibrate.Loaded false\n"
        "expect FormCalibrate.Visible false\n"
        "type FormCalibrate.TextCalibrationFactor 5\n",
        1, "line 3: FormCalibrate is not loaded");
    ExpectVerdict(
        "menu MenuOptionCalibrate\n"
        "click FormCalibrate.CommandCancel\n"
        "expect FormCalibrate.Loaded true\n"
        "click FormCalibrate.CommandOkay\n",
        1, "line 4: FormCalibrate is not shown");
}

// --- The scenario folder ---

std::vector<std::string> ScenarioFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(DORVANTA_SCENARIOS)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path().string());
        }
    }
    return files;
}

// A script may declare on its first line "# expect-exit: N"; otherwise 0.
int ExpectedExit(const std::string& path) {
    std::ifstream file(path);
    std::string first;
    std::getline(file, first);
    const std::string marker = "# expect-exit: ";
    return first.starts_with(marker) ? std::atoi(first.c_str() + marker.size()) : 0;
}

class Scenario : public testing::TestWithParam<std::string> {};

TEST_P(Scenario, PlaysToItsDeclaredEnd) {
    ScratchDirectory directory;
    const LabRun run = RunLab(directory.Path(), GetParam());
    EXPECT_EQ(run.exitCode, ExpectedExit(GetParam())) << run.report;
}

INSTANTIATE_TEST_SUITE_P(Folder, Scenario, testing::ValuesIn(ScenarioFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).stem().string();
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace dorvanta::lab
