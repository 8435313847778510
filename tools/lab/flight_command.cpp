// dorvanta-lab flight: one ball flown with the game's own flight, without
// pacing or drawing, printing every contact. The rack is the new-game layout,
// optionally with cups removed or moved along the table.
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

#include "core/rack.h"
#include "flight/fly_ball.h"
#include "lab_commands.h"
#include "scenarios/arguments.h"

namespace dorvanta::lab {

namespace {

constexpr std::int64_t kDefaultMaxSteps = 20000;

struct FlightOptions {
    double power = 0, angle = 0, azimuth = 0;
    double handX = 0;
    bool opponent = false;
    CupArray<Flag> standing{};
    std::optional<double> rackZ;
    std::int64_t maxSteps = kDefaultMaxSteps;
};

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: dorvanta-lab flight --power P --angle A --azimuth Z [--hand-x X] "
                 "[--opponent] [--standing LIST] [--rack-z Z] [--max-steps N]\n");
}

// "1,5,8" → cups 1, 5 and 8 standing; an empty list stands none.
bool ParseStanding(const std::string& list, CupArray<Flag>& standing) {
    standing.fill(kFalse);
    std::istringstream parts(list);
    for (std::string part; std::getline(parts, part, ',');) {
        const std::optional<double> cup = WholeArgument<double>(part);
        if (!cup || *cup < 1 || *cup > kCupCount || *cup != static_cast<int>(*cup)) {
            return false;
        }
        standing[static_cast<int>(*cup)] = kTrue;
    }
    return true;
}

bool ParseOption(const std::string& name, const std::string& value, FlightOptions& options,
                 int& required) {
    if (name == "--standing") {
        return ParseStanding(value, options.standing);
    }
    const std::optional<double> number = WholeArgument<double>(value);
    if (!number) {
        return false;
    }
    if (name == "--power" || name == "--angle" || name == "--azimuth") {
        double& target = name == "--power"   ? options.power
                         : name == "--angle" ? options.angle
                                             : options.azimuth;
        target = *number;
        ++required;
    } else if (name == "--hand-x") {
        options.handX = *number;
    } else if (name == "--rack-z") {
        options.rackZ = *number;
    } else if (name == "--max-steps" && *number >= 1 && *number <= 1e15) {
        options.maxSteps = static_cast<std::int64_t>(*number);
    } else {
        return false;
    }
    return true;
}

std::optional<FlightOptions> ParseArguments(const Arguments& args) {
    FlightOptions options;
    options.standing.fill(kTrue);
    int required = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--opponent") {
            options.opponent = true;
        } else if (i + 1 >= args.size() || !ParseOption(args[i], args[i + 1], options, required)) {
            return std::nullopt;
        } else {
            ++i;
        }
    }
    if (required != 3) {
        return std::nullopt;
    }
    return options;
}

// " x y z" in nine digits each.
std::string Position(double x, double y, double z) {
    return " " + NineDigits(x) + " " + NineDigits(y) + " " + NineDigits(z);
}

const char* EventName(FlightEventKind kind) {
    switch (kind) {
        case FlightEventKind::Bounce:
            return "bounce";
        case FlightEventKind::Wall:
            return "wall";
        case FlightEventKind::Rim:
            return "rim";
        case FlightEventKind::Side:
            return "side";
        case FlightEventKind::Cup:
            return "cup";
    }
    return "?";
}

// Prints the events and stops a flight that would never end, as End Turn
// would, after the step limit.
class PrintingHooks : public FlightHooks {
  public:
    PrintingHooks(std::int64_t maxSteps, Flag& stopFlight)
        : maxSteps_(maxSteps), stopFlight_(stopFlight) {}

    void Pace() override {
        if (++steps_ >= maxSteps_) {
            stopFlight_ = kTrue;
        }
    }
    void OnEvent(const FlightEvent& event) override {
        std::printf("%s %lld", EventName(event.kind), static_cast<long long>(event.step));
        if (event.kind != FlightEventKind::Bounce && event.kind != FlightEventKind::Side) {
            std::printf(" %d", event.cup);
        }
        std::printf("%s\n", Position(event.x, event.y, event.z).c_str());
    }

  private:
    std::int64_t maxSteps_;
    std::int64_t steps_ = 0;
    Flag& stopFlight_;
};

int Fly(FlightOptions& options) {
    const RackEnd end = options.opponent ? RackEnd::Near : RackEnd::Far;
    Rack rack = NewRack(end, kCupRadius);
    rack.CupStanding = options.standing;
    rack.RackZ = options.rackZ.value_or(rack.RackZ);
    const double handZ = options.opponent ? kOpponentHandZ : kPlayerHandZ;
    double x = 0, y = 0, z = 0;
    Flag inCup = kFalse, stopFlight = kFalse, paused = kFalse;
    std::int16_t nearestCup = 0;

    const FlightLaunch launch = LaunchFromShot(options.power, options.angle, options.azimuth,
                                               options.handX, kHandHeight, handZ);
    const FlightEnds ends{
        options.opponent ? FlightHeading::TowardNearRack : FlightHeading::TowardFarRack, handZ};
    PrintingHooks hooks(options.maxSteps, stopFlight);
    const std::int64_t steps =
        FlyBall(launch, rack, ends, FlightBall{x, y, z, inCup, stopFlight, paused, nearestCup},
                FlightPhysics{}, hooks);
    std::printf("end %lld %d%s\n", static_cast<long long>(steps), inCup != kFalse ? nearestCup : 0,
                Position(x, y, z).c_str());
    return 0;
}

}  // namespace

int RunFlight(const Arguments& args) {
    std::optional<FlightOptions> options = ParseArguments(args);
    if (!options) {
        PrintUsage();
        return 2;
    }
    return Fly(*options);
}

}  // namespace dorvanta::lab
