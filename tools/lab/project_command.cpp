// dorvanta-lab project: where one world point lands in the picture with the
// camera the user would get by moving the named bars after start-up. The game
// starts in a scratch folder, so no data file appears where the lab is run.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "lab_arguments.h"
#include "lab_commands.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta::lab {

namespace {

constexpr int kPointArguments = 4;  // x, y, z, length

struct ProjectRequest {
    double point[kPointArguments] = {};
    std::vector<std::pair<std::string, std::int16_t>> bars;  // control name, value
};

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: dorvanta-lab project X Y Z LENGTH [--vpan V] [--hpan V] [--zoom V] "
                 "[--rotate V]\n");
}

std::optional<std::string> BarOfOption(const std::string& option) {
    const std::pair<const char*, const char*> options[] = {{"--vpan", "VScrollPan"},
                                                           {"--hpan", "HScrollPan"},
                                                           {"--zoom", "HScrollZoom"},
                                                           {"--rotate", "HScrollRotate"}};
    for (const auto& [name, bar] : options) {
        if (option == name) {
            return bar;
        }
    }
    return std::nullopt;
}

std::optional<ProjectRequest> ParseRequest(const Arguments& args) {
    ProjectRequest request;
    if (args.size() < kPointArguments || (args.size() - kPointArguments) % 2 != 0) {
        return std::nullopt;
    }
    for (int i = 0; i < kPointArguments; ++i) {
        const std::optional<double> value = WholeArgument<double>(args[i]);
        if (!value || !std::isfinite(*value)) {
            return std::nullopt;
        }
        request.point[i] = *value;
    }
    for (std::size_t i = kPointArguments; i < args.size(); i += 2) {
        const std::optional<std::string> bar = BarOfOption(args[i]);
        const std::optional<std::int16_t> value = WholeArgument<std::int16_t>(args[i + 1]);
        if (!bar || !value) {
            return std::nullopt;
        }
        request.bars.emplace_back(*bar, *value);
    }
    return request;
}

// The working directory for the run: made empty, left and removed at the end.
class ScratchDirectory {
  public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "dorvanta-lab-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error(
                "cannot make a scratch directory", pattern,
                std::error_code(errno, std::generic_category()));
        }
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

void Project(const ProjectRequest& request) {
    const ScratchDirectory scratch;
    ScriptedPlatform platform;
    FormMain main(platform);
    main.Load();
    for (const auto& [name, value] : request.bars) {
        dynamic_cast<ScrollBar&>(*main.FindControl(name)).UserChange(value);
    }
    double screenX = 0, screenY = 0, screenLength = 0, flatness = 0;
    const auto& [x, y, z, length] = request.point;
    GameStateProbe(main).ProjectPoint(x, y, z, length, screenX, screenY, screenLength, flatness);
    std::printf("%s %s %s %s\n", NineDigits(screenX).c_str(), NineDigits(screenY).c_str(),
                NineDigits(screenLength).c_str(), NineDigits(flatness).c_str());
}

}  // namespace

int RunProject(const Arguments& args) {
    const std::optional<ProjectRequest> request = ParseRequest(args);
    if (!request) {
        PrintUsage();
        return 2;
    }
    try {
        Project(*request);
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "dorvanta-lab project: %s\n", fault.what());
        return 1;
    }
    return 0;
}

}  // namespace dorvanta::lab
