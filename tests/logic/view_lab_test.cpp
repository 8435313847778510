#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "records_temp_dir.h"

namespace dorvanta {
namespace {

using Outcome = std::pair<std::string, int>;  // the first line printed, the exit status

class ViewLabTest : public InTempDir {
  protected:
    static Outcome Project(const std::string& arguments) {
        const std::string command = "'" DORVANTA_LAB "' project " + arguments + " 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        char line[256] = {};
        const bool printed = std::fgets(line, sizeof line, pipe) != nullptr;
        const int status = ::pclose(pipe);
        return {printed ? line : "", WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }
};

// Table centre and corners, the far apex cup's rim and base, points at and
// behind the camera's depth, then the bars moved first (a quarter turn among them).
TEST_F(ViewLabTest, PrintsWherePointsLandUnderTheNamedBars) {
    const std::pair<const char*, const char*> cases[] = {
        {"0 0 0 0", "4087.5 4220.8 0 0.219987515\n"},
        {"-24 0 -48 0", "1359.07895 6185.26316 0 0.281624177\n"},
        {"24 0 48 0", "5759.75806 3016.77419 0 0.17988007\n"},
        {"24 0 -48 0", "6815.92105 6185.26316 0 0.281624177\n"},
        {"-24 0 48 0", "2415.24194 3016.77419 0 0.17988007\n"},
        {"0 4 36 2", "4087.5 2978.98305 146.440678 0.178595268\n"},
        {"0 0 36 1.25", "4087.5 3271.86441 91.5254237 0.188512757\n"},
        {"0 144 0 0", "4087.5 -8220.8 0 0.219987515\n"},  // above eye level: seen from below
        {"3 72 -200 2", "-1000000 -1000000 0 0\n"},       // level with the camera: not divided
        {"3 72 -250 2", "-1000000 -1000000 0 0\n"},       // behind it
        {"1 72 -199.999 0", "17284087.5 -2000 0 0\n"},    // just in front: projected however far
        {"-24 0 -48 0 --rotate 100", "8800.22727 5069.09091 0 0.247211374\n"},
        {"0 0 36 1.25 --vpan -144", "4087.5 -2000 91.5254237 0\n"},
        {"0 0 0 0 --hpan 5 --zoom -1000", "4173.9 10441.6 0 0.397265414\n"},
    };
    for (const auto& [arguments, printed] : cases) {
        EXPECT_EQ(Project(arguments), Outcome(printed, 0)) << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists("Dorvanta.dat"));
}

TEST_F(ViewLabTest, RefusesBadArgumentsWithStatusTwoAndPrintsNothing) {
    for (const char* arguments : {"", "1 2 3", "1 2 3 x", "1 2 3 4 --zoom", "1 2 3 4 --tilt 5",
                                  "1 2 3 4 --zoom 40000", "1 2 3 4 --vpan 1.5", "nan 0 0 0"}) {
        EXPECT_EQ(Project(arguments), Outcome("", 2)) << '"' << arguments << '"';
    }
}

}  // namespace
}  // namespace dorvanta
