#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <utility>

namespace dorvanta {
namespace {

using LabRun = std::pair<std::string, int>;  // the output and the exit code

LabRun LabFlight(const std::string& arguments) {
    const std::string command = "'" DORVANTA_LAB "' flight " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    for (char text[256]; std::fgets(text, sizeof text, pipe) != nullptr;) {
        output += text;
    }
    const int status = ::pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(FlightLab, PrintsEveryContactAndTheEndOfTheChosenFlight) {
    EXPECT_EQ(LabFlight("--power 1100 --angle 5 --azimuth 0"),
              LabRun("bounce 269 0 -0.0909694076 10.7356394\n"
                     "end 494 0 0 27.2665237 60.047277\n",
                     0));
    EXPECT_EQ(LabFlight("--power 1250 --angle 135 --azimuth 0 --opponent"),
              LabRun("cup 474 1 0 3.87630238 -35.6153769\n"
                     "end 474 1 0 0.75 -36\n",
                     0));
    // Cup 1 of a rack moved one row back; without cup 1, cup 2's wall.
    EXPECT_EQ(LabFlight("--power 1280 --angle 45 --azimuth 0 --standing 1,2,3 --rack-z 39.4641016")
                  .first.substr(0, 8),
              "cup 481 ");
    EXPECT_EQ(LabFlight("--power 1250 --angle 45 --azimuth 0 --standing 2,3,4,5,6,7,8,9,10")
                  .first.substr(0, 11),
              "wall 486 2 ");
    // A ball without speed bounces for ever unless the step limit stops it.
    const std::string still = LabFlight("--power 0 --angle 0 --azimuth 0 --max-steps 300").first;
    EXPECT_EQ(still.substr(still.rfind("end")), "end 300 0 0 10.5115131 -48\n");
}

TEST(FlightLab, RefusesBadArgumentsWithExitCodeTwo) {
    for (const char* arguments : {"", "--power 1250 --angle 45", "--power x --angle 1 --azimuth 0",
                                  "--power 1 --angle 1 --azimuth 0 --standing 11",
                                  "--power 1 --angle 1 --azimuth 0 --max-steps 0",
                                  "--power 1 --angle 1 --azimuth 0 --wind 3"}) {
        EXPECT_EQ(LabFlight(arguments), LabRun("", 2)) << arguments;
    }
}

}  // namespace
}  // namespace dorvanta
