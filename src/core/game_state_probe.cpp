#include "core/game_state_probe.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <type_traits>

#include "core/number_text.h"
#include "flight/form_calibrate.h"
#include "records/form_about.h"
#include "records/form_help.h"
#include "records/form_high_scores.h"
#include "view/form_colors.h"

namespace dorvanta {

namespace {

// A member seen as a double: how to read it and how to write it.
struct MemberAccess {
    std::function<double(const FormMain&)> get;
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

template <class T>
void AddScalar(MemberTable& table, const std::string& name, T FormMain::*member) {
    table[name] = {
        [member](const FormMain& main) { return static_cast<double>(main.*member); },
        [member, name](FormMain& main, double value) { main.*member = Fitted<T>(name, value); }};
}

// Per-cup arrays are named from 1; the corner arrays of the drawing too.
template <class A>
void AddArray(MemberTable& table, const std::string& name, A FormMain::*member) {
    using T = typename A::value_type;
    for (std::size_t i = 1; i < std::tuple_size_v<A>; ++i) {
        const std::string element = name + "(" + std::to_string(i) + ")";
        table[element] = {
            [member, i](const FormMain& main) { return static_cast<double>((main.*member)[i]); },
            [member, i, element](FormMain& main, double value) {
                (main.*member)[i] = Fitted<T>(element, value);
            }};
    }
}

}  // namespace

// Pointers to private members can only be formed by a friend of the main window.
struct GameStateProbeAccess {
    static MemberTable Build() {
        MemberTable table;
        AddScalar(table, "SkillFactor", &FormMain::SkillFactor);
        AddScalar(table, "OpponentErrorScale", &FormMain::OpponentErrorScale);
        AddScalar(table, "HeadToHead", &FormMain::HeadToHead);
        AddScalar(table, "ShotPhase", &FormMain::ShotPhase);
        AddScalar(table, "Power", &FormMain::Power);
        AddScalar(table, "Angle", &FormMain::Angle);
        AddScalar(table, "Azimuth", &FormMain::Azimuth);
        AddScalar(table, "PowerMeterDelay", &FormMain::PowerMeterDelay);
        AddScalar(table, "AngleMeterDelay", &FormMain::AngleMeterDelay);
        AddScalar(table, "AzimuthMeterDelay", &FormMain::AzimuthMeterDelay);
        AddScalar(table, "HandX", &FormMain::HandX);
        AddScalar(table, "HandY", &FormMain::HandY);
        AddScalar(table, "HandZ", &FormMain::HandZ);
        AddScalar(table, "HandSize", &FormMain::HandSize);
        AddScalar(table, "ShotsTaken", &FormMain::ShotsTaken);
        AddScalar(table, "GameRestarted", &FormMain::GameRestarted);
        AddScalar(table, "StopFlight", &FormMain::StopFlight);
        AddScalar(table, "Paused", &FormMain::Paused);
        AddScalar(table, "Replaying", &FormMain::Replaying);
        AddScalar(table, "NumericShotUsed", &FormMain::NumericShotUsed);
        AddScalar(table, "ShotsRunning", &FormMain::ShotsRunning);
        AddScalar(table, "CupRadius", &FormMain::CupRadius);
        AddScalar(table, "CupHeight", &FormMain::CupHeight);
        AddScalar(table, "CupBaseRadius", &FormMain::CupBaseRadius);
        AddScalar(table, "BallX", &FormMain::BallX);
        AddScalar(table, "BallY", &FormMain::BallY);
        AddScalar(table, "BallZ", &FormMain::BallZ);
        AddScalar(table, "BallRadius", &FormMain::BallRadius);
        AddScalar(table, "TableBounce", &FormMain::TableBounce);
        AddScalar(table, "RimBounce", &FormMain::RimBounce);
        AddScalar(table, "WallBounce", &FormMain::WallBounce);
        AddScalar(table, "FlightDelay", &FormMain::FlightDelay);
        AddScalar(table, "SlowFactor", &FormMain::SlowFactor);
        AddScalar(table, "BallInCup", &FormMain::BallInCup);
        AddScalar(table, "NearestCup", &FormMain::NearestCup);
        AddScalar(table, "CupsLeft", &FormMain::CupsLeft);
        AddScalar(table, "RackZ", &FormMain::RackZ);
        AddScalar(table, "RackHomeZ", &FormMain::RackHomeZ);
        AddScalar(table, "RackBaseY", &FormMain::RackBaseY);
        AddScalar(table, "OpponentCupsLeft", &FormMain::OpponentCupsLeft);
        AddScalar(table, "OpponentRackZ", &FormMain::OpponentRackZ);
        AddScalar(table, "OpponentRackHomeZ", &FormMain::OpponentRackHomeZ);
        AddScalar(table, "OpponentRackY", &FormMain::OpponentRackY);
        AddScalar(table, "OpponentHandX", &FormMain::OpponentHandX);
        AddScalar(table, "OpponentHandY", &FormMain::OpponentHandY);
        AddScalar(table, "OpponentHandZ", &FormMain::OpponentHandZ);
        AddScalar(table, "OpponentPowerSpread", &FormMain::OpponentPowerSpread);
        AddScalar(table, "OpponentAngleSpread", &FormMain::OpponentAngleSpread);
        AddScalar(table, "OpponentAzimuthSpread", &FormMain::OpponentAzimuthSpread);
        AddScalar(table, "LastPower", &FormMain::LastPower);
        AddScalar(table, "LastAngle", &FormMain::LastAngle);
        AddScalar(table, "LastAzimuth", &FormMain::LastAzimuth);
        AddScalar(table, "LastHandX", &FormMain::LastHandX);
        AddScalar(table, "LastHandY", &FormMain::LastHandY);
        AddScalar(table, "LastHandZ", &FormMain::LastHandZ);
        AddScalar(table, "PreShotRackZ", &FormMain::PreShotRackZ);
        AddScalar(table, "PreShotRackHomeZ", &FormMain::PreShotRackHomeZ);
        AddScalar(table, "PreShotRackBaseY", &FormMain::PreShotRackBaseY);
        AddScalar(table, "ParkedRackZ", &FormMain::ParkedRackZ);
        AddScalar(table, "ParkedRackHomeZ", &FormMain::ParkedRackHomeZ);
        AddScalar(table, "ParkedRackBaseY", &FormMain::ParkedRackBaseY);
        AddScalar(table, "LastOpponentPower", &FormMain::LastOpponentPower);
        AddScalar(table, "LastOpponentAngle", &FormMain::LastOpponentAngle);
        AddScalar(table, "LastOpponentAzimuth", &FormMain::LastOpponentAzimuth);
        AddScalar(table, "LastOpponentHandX", &FormMain::LastOpponentHandX);
        AddScalar(table, "LastOpponentHandY", &FormMain::LastOpponentHandY);
        AddScalar(table, "LastOpponentHandZ", &FormMain::LastOpponentHandZ);
        AddScalar(table, "PreShotOpponentRackZ", &FormMain::PreShotOpponentRackZ);
        AddScalar(table, "PreShotOpponentRackHomeZ", &FormMain::PreShotOpponentRackHomeZ);
        AddScalar(table, "PreShotOpponentRackY", &FormMain::PreShotOpponentRackY);
        AddScalar(table, "ParkedOpponentRackZ", &FormMain::ParkedOpponentRackZ);
        AddScalar(table, "ParkedOpponentRackHomeZ", &FormMain::ParkedOpponentRackHomeZ);
        AddScalar(table, "ParkedOpponentRackY", &FormMain::ParkedOpponentRackY);
        AddScalar(table, "ViewCenterX", &FormMain::ViewCenterX);
        AddScalar(table, "ViewCenterY", &FormMain::ViewCenterY);
        AddScalar(table, "FocalLength", &FormMain::FocalLength);
        AddScalar(table, "CameraX", &FormMain::CameraX);
        AddScalar(table, "CameraY", &FormMain::CameraY);
        AddScalar(table, "CameraZ", &FormMain::CameraZ);
        AddScalar(table, "CameraHomeX", &FormMain::CameraHomeX);
        AddScalar(table, "CameraHomeY", &FormMain::CameraHomeY);
        AddScalar(table, "CameraHomeZ", &FormMain::CameraHomeZ);
        AddScalar(table, "CameraTilt", &FormMain::CameraTilt);
        AddScalar(table, "CameraRotate", &FormMain::CameraRotate);
        AddScalar(table, "HighScoreBeginner", &FormMain::HighScoreBeginner);
        AddScalar(table, "HighScoreIntermediate", &FormMain::HighScoreIntermediate);
        AddScalar(table, "HighScoreExpert", &FormMain::HighScoreExpert);
        AddScalar(table, "HighScorePro", &FormMain::HighScorePro);
        AddScalar(table, "ColorCups", &FormMain::ColorCups);
        AddScalar(table, "ColorCupsOpponent", &FormMain::ColorCupsOpponent);
        AddScalar(table, "ColorTable", &FormMain::ColorTable);
        AddScalar(table, "ColorBall", &FormMain::ColorBall);
        AddScalar(table, "ColorHand", &FormMain::ColorHand);
        AddScalar(table, "CalibrationFactor", &FormMain::CalibrationFactor);
        AddArray(table, "TableCornerX", &FormMain::TableCornerX);
        AddArray(table, "TableCornerY", &FormMain::TableCornerY);
        AddArray(table, "TableCornerZ", &FormMain::TableCornerZ);
        AddArray(table, "TableCornerScreenX", &FormMain::TableCornerScreenX);
        AddArray(table, "TableCornerScreenY", &FormMain::TableCornerScreenY);
        AddArray(table, "CupStanding", &FormMain::CupStanding);
        AddArray(table, "CupX", &FormMain::CupX);
        AddArray(table, "CupZ", &FormMain::CupZ);
        AddArray(table, "OpponentCupStanding", &FormMain::OpponentCupStanding);
        AddArray(table, "OpponentCupX", &FormMain::OpponentCupX);
        AddArray(table, "OpponentCupZ", &FormMain::OpponentCupZ);
        AddArray(table, "PreShotCupStanding", &FormMain::PreShotCupStanding);
        AddArray(table, "PreShotCupX", &FormMain::PreShotCupX);
        AddArray(table, "PreShotCupZ", &FormMain::PreShotCupZ);
        AddArray(table, "ParkedCupStanding", &FormMain::ParkedCupStanding);
        AddArray(table, "ParkedCupX", &FormMain::ParkedCupX);
        AddArray(table, "ParkedCupZ", &FormMain::ParkedCupZ);
        AddArray(table, "PreShotOpponentCupStanding", &FormMain::PreShotOpponentCupStanding);
        AddArray(table, "PreShotOpponentCupX", &FormMain::PreShotOpponentCupX);
        AddArray(table, "PreShotOpponentCupZ", &FormMain::PreShotOpponentCupZ);
        AddArray(table, "ParkedOpponentCupStanding", &FormMain::ParkedOpponentCupStanding);
        AddArray(table, "ParkedOpponentCupX", &FormMain::ParkedOpponentCupX);
        AddArray(table, "ParkedOpponentCupZ", &FormMain::ParkedOpponentCupZ);
        return table;
    }
};

namespace {

const MemberTable& Members() {
    static const MemberTable table = GameStateProbeAccess::Build();
    return table;
}

const MemberAccess& Find(const std::string& name) {
    const auto found = Members().find(name);
    if (found == Members().end()) {
        throw std::out_of_range("no member named " + name);
    }
    return found->second;
}

}  // namespace

double GameStateProbe::Get(const std::string& name) const {
    return Find(name).get(main_);
}

void GameStateProbe::Set(const std::string& name, double value) {
    Find(name).set(main_, value);
}

bool GameStateProbe::Has(const std::string& name) const {
    return Members().count(name) != 0 || name == "NameBeginner" || name == "NameIntermediate" ||
           name == "NameExpert" || name == "NamePro";
}

std::vector<std::string> GameStateProbe::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, access] : Members()) {
        names.push_back(name);
    }
    return names;
}

std::string& GameStateProbe::NameMember(const std::string& name) const {
    if (name == "NameBeginner") {
        return main_.NameBeginner;
    }
    if (name == "NameIntermediate") {
        return main_.NameIntermediate;
    }
    if (name == "NameExpert") {
        return main_.NameExpert;
    }
    if (name == "NamePro") {
        return main_.NamePro;
    }
    throw std::out_of_range("no name member " + name);
}

std::string GameStateProbe::GetString(const std::string& name) const {
    return NameMember(name);
}

namespace {

template <class F>
Form* IfLoaded(const std::unique_ptr<F>& slot) {
    return slot && slot->Loaded() && !slot->Unloaded() ? slot.get() : nullptr;
}

}  // namespace

Form* GameStateProbe::SecondaryForm(const std::string& name) const {
    if (name == "FormColors") {
        return IfLoaded(main_.formColors_);
    }
    if (name == "FormCalibrate") {
        return IfLoaded(main_.formCalibrate_);
    }
    if (name == "FormHighScores") {
        return IfLoaded(main_.formHighScores_);
    }
    if (name == "FormHelp") {
        return IfLoaded(main_.formHelp_);
    }
    if (name == "FormAbout") {
        return IfLoaded(main_.formAbout_);
    }
    return nullptr;
}

void GameStateProbe::SetString(const std::string& name, const std::string& value) {
    NameMember(name) = value;
}

}  // namespace dorvanta
