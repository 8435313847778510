#include "scenarios/game_state_probe.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "core/number_text.h"

namespace dorvanta {

namespace {

// A member seen as a double: how to read it and how to write it.
struct MemberAccess {
    std::function<double(FormMain&)> get;
    std::function<void(FormMain&, double)> set;
};

using MemberTable = std::map<std::string, MemberAccess>;

// The value in the member's type: an integer member takes only whole numbers
// in its range, so that no value is cut or wrapped on its way in.
template <class T>
T Fitted(const std::string& name, double value) {
    if constexpr (std::is_integral_v<T>) {
        constexpr auto kLowest = std::numeric_limits<T>::min();
        constexpr auto kHighest = std::numeric_limits<T>::max();
        if (value != std::trunc(value) || value < kLowest || value > kHighest) {
            throw std::out_of_range(name + " takes a whole number from " + std::to_string(kLowest) +
                                    " to " + std::to_string(kHighest) + ", not " +
                                    NumberText(value));
        }
    }
    return static_cast<T>(value);
}

// `member` finds the member in the game: a function from the main window to a reference.
template <class Member>
void Add(MemberTable& table, const std::string& name, Member member) {
    using T = std::remove_reference_t<decltype(member(std::declval<FormMain&>()))>;
    table[name] = {
        [member](FormMain& main) { return static_cast<double>(member(main)); },
        [member, name](FormMain& main, double value) { member(main) = Fitted<T>(name, value); }};
}

// Per-cup arrays are named from 1; the corner arrays of the drawing too.
template <class Array>
void AddArray(MemberTable& table, const std::string& name, Array array) {
    using A = std::remove_reference_t<decltype(array(std::declval<FormMain&>()))>;
    for (std::size_t i = 1; i < std::tuple_size_v<A>; ++i) {
        Add(
            table, name + "(" + std::to_string(i) + ")",
            [ array, i ](FormMain & main) -> auto& { return array(main)[i]; });
    }
}

// A member of the game state, or of the settings group the window shows openly.
template <class T, class Owner>
auto Of(T Owner::*member) {
    return [member](FormMain& main) -> T& {
        if constexpr (std::is_same_v<Owner, GameState>) {
            return main.State().*member;
        } else {
            return main.*member;
        }
    };
}

// A group's member within a member of the game state.
template <class Group, class T>
auto Within(Group GameState::*group, T Group::*member) {
    return [group, member](FormMain& main) -> T& { return main.State().*group.*member; };
}

// A rack's members under the names the game gives them: far-rack names plain,
// near-rack names after "Opponent", whose base height is "RackY".
void AddRack(MemberTable& table, const std::string& prefix, Rack GameState::*rack, bool nearRack) {
    const std::string base = nearRack ? prefix + "Opponent" : prefix;
    AddArray(table, base + "CupStanding", Within(rack, &Rack::CupStanding));
    AddArray(table, base + "CupX", Within(rack, &Rack::CupX));
    AddArray(table, base + "CupZ", Within(rack, &Rack::CupZ));
    Add(table, base + "RackZ", Within(rack, &Rack::RackZ));
    Add(table, base + "RackHomeZ", Within(rack, &Rack::RackHomeZ));
    Add(table, base + (nearRack ? "RackY" : "RackBaseY"), Within(rack, &Rack::RackBaseY));
}

void AddShot(MemberTable& table, const std::string& prefix, ShotRecord GameState::*shot) {
    const std::pair<const char*, double ShotRecord::*> fields[] = {
        {"Power", &ShotRecord::Power},     {"Angle", &ShotRecord::Angle},
        {"Azimuth", &ShotRecord::Azimuth}, {"HandX", &ShotRecord::HandX},
        {"HandY", &ShotRecord::HandY},     {"HandZ", &ShotRecord::HandZ}};
    for (const auto& [name, field] : fields) {
        Add(table, prefix + name, Within(shot, field));
    }
}

void AddCamera(MemberTable& table) {
    const std::pair<const char*, double Camera::*> fields[] = {
        {"ViewCenterX", &Camera::ViewCenterX}, {"ViewCenterY", &Camera::ViewCenterY},
        {"FocalLength", &Camera::FocalLength}, {"CameraX", &Camera::CameraX},
        {"CameraY", &Camera::CameraY},         {"CameraZ", &Camera::CameraZ},
        {"CameraTilt", &Camera::CameraTilt},   {"CameraRotate", &Camera::CameraRotate}};
    for (const auto& [name, field] : fields) {
        Add(table, name, Within(&GameState::View, field));
    }
}

// The suffixes of the high-score members, Beginner first.
constexpr std::array<const char*, kLevelCount> kLevelNames = {"Beginner", "Intermediate", "Expert",
                                                              "Pro"};

void AddSettings(MemberTable& table) {
    Add(table, "CalibrationFactor", Of(&SettingsGroup::CalibrationFactor));
    Add(table, "ColorCups", Of(&SettingsGroup::ColorCups));
    Add(table, "ColorCupsOpponent", Of(&SettingsGroup::ColorCupsOpponent));
    Add(table, "ColorTable", Of(&SettingsGroup::ColorTable));
    Add(table, "ColorBall", Of(&SettingsGroup::ColorBall));
    Add(table, "ColorHand", Of(&SettingsGroup::ColorHand));
    for (std::size_t level = 0; level < kLevelCount; ++level) {
        Add(
            table,
            std::string("HighScore") + kLevelNames[level], [level](FormMain & main) -> auto& {
                return main.HighScores[level].Score;
            });
    }
}

MemberTable Build() {
    MemberTable table;
    Add(table, "SkillFactor", Of(&GameState::SkillFactor));
    Add(table, "OpponentErrorScale", Of(&GameState::OpponentErrorScale));
    Add(table, "HeadToHead", Of(&GameState::HeadToHead));
    Add(table, "ShotPhase", Of(&GameState::ShotPhase));
    Add(table, "Power", Of(&GameState::Power));
    Add(table, "Angle", Of(&GameState::Angle));
    Add(table, "Azimuth", Of(&GameState::Azimuth));
    Add(table, "PowerMeterDelay", Of(&GameState::PowerMeterDelay));
    Add(table, "AngleMeterDelay", Of(&GameState::AngleMeterDelay));
    Add(table, "AzimuthMeterDelay", Of(&GameState::AzimuthMeterDelay));
    Add(table, "HandX", Of(&GameState::HandX));
    Add(table, "HandY", Of(&GameState::HandY));
    Add(table, "HandZ", Of(&GameState::HandZ));
    Add(table, "HandSize", Of(&GameState::HandSize));
    Add(table, "ShotsTaken", Of(&GameState::ShotsTaken));
    Add(table, "GameRestarted", Of(&GameState::GameRestarted));
    Add(table, "StopFlight", Of(&GameState::StopFlight));
    Add(table, "Paused", Of(&GameState::Paused));
    Add(table, "Replaying", Of(&GameState::Replaying));
    Add(table, "NumericShotUsed", Of(&GameState::NumericShotUsed));
    Add(table, "ShotsRunning", Of(&GameState::ShotsRunning));
    AddArray(table, "TableCornerX", Of(&GameState::TableCornerX));
    AddArray(table, "TableCornerY", Of(&GameState::TableCornerY));
    AddArray(table, "TableCornerZ", Of(&GameState::TableCornerZ));
    AddArray(table, "TableCornerScreenX", Of(&GameState::TableCornerScreenX));
    AddArray(table, "TableCornerScreenY", Of(&GameState::TableCornerScreenY));
    Add(table, "CupRadius", Of(&GameState::CupRadius));
    Add(table, "CupHeight", Of(&GameState::CupHeight));
    Add(table, "CupBaseRadius", Of(&GameState::CupBaseRadius));
    Add(table, "BallX", Of(&GameState::BallX));
    Add(table, "BallY", Of(&GameState::BallY));
    Add(table, "BallZ", Of(&GameState::BallZ));
    Add(table, "BallRadius", Of(&GameState::BallRadius));
    Add(table, "TableBounce", Of(&GameState::TableBounce));
    Add(table, "RimBounce", Of(&GameState::RimBounce));
    Add(table, "WallBounce", Of(&GameState::WallBounce));
    Add(table, "FlightDelay", Of(&GameState::FlightDelay));
    Add(table, "SlowFactor", Of(&GameState::SlowFactor));
    Add(table, "BallInCup", Of(&GameState::BallInCup));
    Add(table, "NearestCup", Of(&GameState::NearestCup));
    Add(table, "CupsLeft", Of(&GameState::CupsLeft));
    AddRack(table, "", &GameState::FarRack, false);
    Add(table, "OpponentCupsLeft", Of(&GameState::OpponentCupsLeft));
    AddRack(table, "", &GameState::NearRack, true);
    Add(table, "OpponentHandX", Of(&GameState::OpponentHandX));
    Add(table, "OpponentHandY", Of(&GameState::OpponentHandY));
    Add(table, "OpponentHandZ", Of(&GameState::OpponentHandZ));
    Add(table, "OpponentPowerSpread", Of(&GameState::OpponentPowerSpread));
    Add(table, "OpponentAngleSpread", Of(&GameState::OpponentAngleSpread));
    Add(table, "OpponentAzimuthSpread", Of(&GameState::OpponentAzimuthSpread));
    AddShot(table, "Last", &GameState::LastShot);
    AddRack(table, "PreShot", &GameState::PreShotFarRack, false);
    AddRack(table, "Parked", &GameState::ParkedFarRack, false);
    AddShot(table, "LastOpponent", &GameState::LastOpponentShot);
    AddRack(table, "PreShot", &GameState::PreShotNearRack, true);
    AddRack(table, "Parked", &GameState::ParkedNearRack, true);
    AddCamera(table);
    Add(table, "CameraHomeX", Of(&GameState::CameraHomeX));
    Add(table, "CameraHomeY", Of(&GameState::CameraHomeY));
    Add(table, "CameraHomeZ", Of(&GameState::CameraHomeZ));
    AddSettings(table);
    return table;
}

const MemberTable& Members() {
    static const MemberTable table = Build();
    return table;
}

const MemberAccess& Find(const std::string& name) {
    const auto found = Members().find(name);
    if (found == Members().end()) {
        throw std::out_of_range("no member named " + name);
    }
    return found->second;
}

// The high-score name of the level `name` ends with.
std::string& NameMember(FormMain& main, const std::string& name) {
    for (std::size_t level = 0; level < kLevelCount; ++level) {
        if (name == std::string("Name") + kLevelNames[level]) {
            return main.HighScores[level].Name;
        }
    }
    throw std::out_of_range("no name member " + name);
}

}  // namespace

double GameStateProbe::Get(const std::string& name) const {
    return Find(name).get(main_);
}

void GameStateProbe::Set(const std::string& name, double value) {
    Find(name).set(main_, value);
}

std::string GameStateProbe::GetString(const std::string& name) const {
    return NameMember(main_, name);
}

void GameStateProbe::SetString(const std::string& name, const std::string& value) {
    NameMember(main_, name) = value;
}

bool GameStateProbe::Has(const std::string& name) const {
    if (Members().count(name) != 0) {
        return true;
    }
    try {
        NameMember(main_, name);
        return true;
    } catch (const std::out_of_range&) {
        return false;
    }
}

std::vector<std::string> GameStateProbe::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, access] : Members()) {
        names.push_back(name);
    }
    return names;
}

}  // namespace dorvanta
