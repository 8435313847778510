#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "records_temp_dir.h"

namespace dorvanta {
namespace {

struct ProjectRun {
    std::string line;  // the first line printed
    int exitCode = -1;
};

class ViewLabTest : public InTempDir {
  protected:
    static ProjectRun Project(const std::string& arguments) {
        const std::string command = "'" DORVANTA_LAB "' project " + arguments + " 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        ProjectRun run;
        char text[256] = {};
        if (std::fgets(text, sizeof text, pipe) != nullptr) {
            run.line = text;
        }
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
};

TEST_F(ViewLabTest, PrintsTheTableCentreAndCornersOfTheHomeView) {
    const struct {
        const char* point;
        const char* printed;
    } cases[] = {
        {"0 0 0 0", "4087.5 4220.8 0 0.219987515\n"},
        {"-24 0 -48 0", "1359.07895 6185.26316 0 0.281624177\n"},
        {"24 0 48 0", "5759.75806 3016.77419 0 0.17988007\n"},
        {"24 0 -48 0", "6815.92105 6185.26316 0 0.281624177\n"},
        {"-24 0 48 0", "2415.24194 3016.77419 0 0.17988007\n"},
        {"0 4 36 2", "4087.5 2978.98305 146.440678 0.178595268\n"},
    };
    for (const auto& c : cases) {
        const ProjectRun run = Project(c.point);
        EXPECT_EQ(run.exitCode, 0) << c.point;
        EXPECT_EQ(run.line, c.printed) << c.point;
    }
    EXPECT_FALSE(std::filesystem::exists("Dorvanta.dat"));
}

TEST_F(ViewLabTest, MovesTheNamedBarsFirst) {
    EXPECT_EQ(Project("-24 0 -48 0 --rotate 100").line, "8800.22727 5069.09091 0 0.247211374\n");
    EXPECT_EQ(Project("0 0 36 1.25 --vpan -144").line, "4087.5 -2000 91.5254237 0\n");
    EXPECT_EQ(Project("0 0 0 0 --hpan 5 --zoom -1000").line, "4173.9 10441.6 0 0.397265414\n");
}

TEST_F(ViewLabTest, RefusesBadArgumentsWithStatusTwo) {
    for (const char* arguments : {"", "1 2 3", "1 2 3 x", "1 2 3 4 --zoom", "1 2 3 4 --tilt 5",
                                  "1 2 3 4 --zoom 40000", "1 2 3 4 --vpan 1.5", "nan 0 0 0"}) {
        const ProjectRun run = Project(arguments);
        EXPECT_EQ(run.exitCode, 2) << '"' << arguments << '"';
        EXPECT_EQ(run.line, "") << '"' << arguments << '"';
    }
}

}  // namespace
}  // namespace dorvanta
