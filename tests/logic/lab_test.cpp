// dorvanta-lab's own commands as a developer runs them: what they print and
// what they refuse. The flight and the projection themselves are tested where
// they are defined; these check the tool around them.
#include <gtest/gtest.h>

// The lab runs through a POSIX shell; elsewhere there is nothing to run here.
#ifndef _WIN32
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <utility>

namespace dorvanta {
namespace {

using LabRun = std::pair<std::string, int>;  // what it printed, its exit status

LabRun Lab(const std::string& arguments) {
    const std::string command = "'" DORVANTA_LAB "' " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    for (char text[256]; std::fgets(text, sizeof text, pipe) != nullptr;) {
        output += text;
    }
    const int status = ::pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Lab, FlightPrintsEveryContactAndTheEndOfTheChosenFlight) {
    EXPECT_EQ(Lab("flight --power 1100 --angle 5 --azimuth 0"),
              LabRun("bounce 269 0 -0.0909694076 10.7356394\n"
                     "end 494 0 0 27.2665237 60.047277\n",
                     0));
    EXPECT_EQ(Lab("flight --power 1250 --angle 45 --azimuth 0 --standing 2,3,4,5,6,7,8,9,10")
                  .first.substr(0, 11),
              "wall 486 2 ");  // without cup 1, cup 2's wall
    // A ball without speed bounces for ever unless the step limit stops it.
    const std::string still = Lab("flight --power 0 --angle 0 --azimuth 0 --max-steps 300").first;
    EXPECT_EQ(still.substr(still.rfind("end")), "end 300 0 0 10.5115131 -48\n");
}

// The bars act in order, each clamped to its range as a scroll bar is.
TEST(Lab, ProjectPrintsWhereAPointLandsUnderTheNamedBars) {
    EXPECT_EQ(Lab("project 0 0 0 0"), LabRun("4087.5 4220.8 0 0.219987515\n", 0));
    EXPECT_EQ(Lab("project 0 0 0 0 --hpan 5 --zoom -1000 --zoom -2000"),
              LabRun("4173.9 10441.6 0 0.397265414\n", 0));
}

TEST(Lab, RefusesBadArgumentsWithExitStatusTwo) {
    for (const char* arguments :
         {"", "fly", "flight --power 1250 --angle 45", "flight --power x --angle 1 --azimuth 0",
          "flight --power 1 --angle 1 --azimuth 0 --standing 11",
          "flight --power 1 --angle 1 --azimuth 0 --max-steps 0",
          "flight --power 1 --angle 1 --azimuth 0 --wind 3", "project 1 2 3",
          "project 1 2 3 4 --zoom", "project 1 2 3 4 --zoom 40000", "project 1 2 3 4 --vpan 1.5",
          "project nan 0 0 0", "store 1 10", "store 5 10 Ann", "store 1 40000 Ann"}) {
        EXPECT_EQ(Lab(arguments), LabRun("", 2)) << '"' << arguments << '"';
    }
}

}  // namespace
}  // namespace dorvanta

#endif
