// dorvanta-lab project: where one world point lands in the picture with the
// camera the user would get by moving the named bars after start-up.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "lab_commands.h"
#include "scenarios/arguments.h"
#include "view/camera.h"

namespace dorvanta::lab {

namespace {

constexpr int kPointArguments = 4;  // x, y, z, length

struct ProjectRequest {
    double point[kPointArguments] = {};
    Camera camera = HomeCamera(kFieldWidth);
};

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: dorvanta-lab project X Y Z LENGTH [--vpan V] [--hpan V] [--zoom V] "
                 "[--rotate V]\n");
}

// Moves the bar an option names to `value` (clamped to the bar's range, as a
// scroll bar does) and sets the camera member it moves; false for no bar.
bool MoveBar(const std::string& option, std::int16_t value, Camera& camera) {
    const auto clamped = [value](std::int16_t limit) {
        return std::clamp<std::int16_t>(value, static_cast<std::int16_t>(-limit), limit);
    };
    if (option == "--vpan") {
        camera.CameraY = PannedHeight(clamped(kPanHeightBarLimit), kHomeCameraY);
    } else if (option == "--hpan") {
        camera.CameraX = PannedAcross(clamped(kPanAcrossBarLimit));
    } else if (option == "--zoom") {
        camera.CameraZ = ZoomedDepth(clamped(kZoomBarLimit), kHomeCameraZ);
    } else if (option == "--rotate") {
        camera.CameraRotate = TurnedBy(clamped(kRotateBarLimit), kRotateBarLimit);
    } else {
        return false;
    }
    return true;
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
        const std::optional<std::int16_t> value = WholeArgument<std::int16_t>(args[i + 1]);
        if (!value || !MoveBar(args[i], *value, request.camera)) {
            return std::nullopt;
        }
    }
    return request;
}

void Project(const ProjectRequest& request) {
    const auto& [x, y, z, length] = request.point;
    const ScreenPoint point = ProjectPoint(request.camera, x, y, z, length);
    std::printf("%s %s %s %s\n", NineDigits(point.x).c_str(), NineDigits(point.y).c_str(),
                NineDigits(point.length).c_str(), NineDigits(point.flatness).c_str());
}

}  // namespace

int RunProject(const Arguments& args) {
    const std::optional<ProjectRequest> request = ParseRequest(args);
    if (!request) {
        PrintUsage();
        return 2;
    }
    Project(*request);
    return 0;
}

}  // namespace dorvanta::lab
