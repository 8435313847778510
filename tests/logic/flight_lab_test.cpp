#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace dorvanta {
namespace {

struct FlightRun {
    std::string output;
    int exitCode = -1;
};

FlightRun LabFlight(const std::string& arguments) {
    const std::string command = "'" DORVANTA_LAB "' flight " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    FlightRun run;
    char text[256] = {};
    while (std::fgets(text, sizeof text, pipe) != nullptr) {
        run.output += text;
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(FlightLab, PrintsEveryContactAndTheEnd) {
    const FlightRun low = LabFlight("--power 1100 --angle 5 --azimuth 0");
    EXPECT_EQ(low.exitCode, 0);
    EXPECT_EQ(low.output,
              "bounce 269 0 -0.0909694076 10.7356394\n"
              "end 494 0 0 27.2665237 60.047277\n");

    const FlightRun made = LabFlight("--power 1250 --angle 135 --azimuth 0 --opponent");
    EXPECT_EQ(made.output,
              "cup 474 1 0 3.87630238 -35.6153769\n"
              "end 474 1 0 0.75 -36\n");
}

TEST(FlightLab, TheRackAndTheStepLimitCanBeChosen) {
    // Cup 1 of a rack moved one row back.
    const FlightRun moved =
        LabFlight("--power 1280 --angle 45 --azimuth 0 --standing 1,2,3 --rack-z 39.4641016");
    EXPECT_EQ(moved.output.substr(0, 8), "cup 481 ");
    // Without cup 1 the same ball meets cup 2's wall.
    const FlightRun cleared =
        LabFlight("--power 1250 --angle 45 --azimuth 0 --standing 2,3,4,5,6,7,8,9,10");
    EXPECT_EQ(cleared.output.substr(0, 11), "wall 486 2 ");
    // A ball without speed bounces for ever unless the limit stops it.
    const FlightRun still = LabFlight("--power 0 --angle 0 --azimuth 0 --max-steps 300");
    EXPECT_EQ(still.output.substr(still.output.rfind("end")), "end 300 0 0 10.5115131 -48\n");
}

TEST(FlightLab, RefusesBadArguments) {
    for (const char* arguments : {"", "--power 1250 --angle 45", "--power x --angle 1 --azimuth 0",
                                  "--power 1 --angle 1 --azimuth 0 --standing 11",
                                  "--power 1 --angle 1 --azimuth 0 --max-steps 0",
                                  "--power 1 --angle 1 --azimuth 0 --wind 3"}) {
        SCOPED_TRACE(arguments);
        const FlightRun run = LabFlight(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.output, "");
    }
}

}  // namespace
}  // namespace dorvanta
