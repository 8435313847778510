// The shot controls: one button that steps through three moving gauges and then
// throws, the gauge panel, and the sideways hand position set by a scroll bar or
// typed. A gauge is a triangle wave counted in whole steps, so its values are
// exact (1100.5, 0.05, -7.95). A gauge runs inside the press that started it;
// how the next press reaches it: doc/how_it_runs.md.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "core/form_main.h"
#include "core/number_text.h"
#include "flight/pacing.h"

namespace dorvanta {

namespace {

// A gauge counts whole steps over [low, high]; its value is count / perUnit.
struct GaugeRange {
    int low, high, perUnit;
    double Low() const { return static_cast<double>(low) / perUnit; }
    double High() const { return static_cast<double>(high) / perUnit; }
};
constexpr GaugeRange kPowerRange{2200, 2900, 2};    // 1100 to 1450 by 0.5
constexpr GaugeRange kAngleRange{10, 170, 2};       // 5 to 85 degrees by 0.5
constexpr GaugeRange kAzimuthRange{-160, 160, 20};  // -8 to 8 degrees by 0.05

// The gauge panel, in Picture2 units.
struct Box {
    double x1, y1, x2, y2;
};
constexpr Box kPowerFrame{100, 300, 400, 2100};
constexpr Box kPowerField{120, 320, 390, 2090};
constexpr Box kAzimuthFrame{600, 1800, 2400, 2100};
constexpr Box kAzimuthField{620, 1820, 2380, 2090};
constexpr Box kAngleFrame{1350, 300, 1650, 1700};
constexpr Box kAngleField{1370, 320, 1630, 1680};
constexpr double kAzimuthBarMiddle = 1500;
constexpr double kAzimuthBarHalfLength = 885;  // at 8 degrees

// The hand moves across the whole table.
constexpr double kHandReach = kTableHalfWidth;

void Fill(Picture& picture, const Box& box, Color color) {
    picture.FillBox(static_cast<float>(box.x1), static_cast<float>(box.y1),
                    static_cast<float>(box.x2), static_cast<float>(box.y2), color);
}

bool IsDigit(char key) {
    return key >= '0' && key <= '9';
}

}  // namespace

void FormMain::CommandShoot_MouseDown(int /*mouseButton*/) {
    // The button is barred for a whole shot, but a reset under the shot has
    // put the phase back to 0: the next shot waits until this one is over.
    if (ShotsRunning != 0) {
        return;
    }
    switch (ShotPhase) {
        case kPhaseReady:
            Azimuth = 0;
            Angle = kAngleRange.Low();
            ShotPhase = kPhasePowerGauge;
            GetPower();
            break;
        case kPhasePowerGauge:
            ShotPhase = kPhaseAngleGauge;
            GetAngle();
            break;
        case kPhaseAngleGauge:
            ShotPhase = kPhaseAzimuthGauge;
            GetAzimuth();
            break;
        case kPhaseAzimuthGauge:
            ShotPhase = kPhasePlayerFlight;
            PlayerShot();
            break;
        case kPhaseOpponentToShoot:
            OpponentShot();
            break;
        default:
            break;
    }
}

void FormMain::GetPower() {
    CommandShoot->SetCaption(ShootCaption(kPhasePowerGauge));
    Power = kPowerRange.Low();
    RunGauge(kPhasePowerGauge, Power, *TextPower, PowerMeterDelay);
}

void FormMain::GetAngle() {
    CommandShoot->SetCaption(ShootCaption(kPhaseAngleGauge));
    RunGauge(kPhaseAngleGauge, Angle, *TextAngle, AngleMeterDelay);
}

void FormMain::GetAzimuth() {
    CommandShoot->SetCaption(ShootCaption(kPhaseAzimuthGauge));
    RunGauge(kPhaseAzimuthGauge, Azimuth, *TextAzimuth, AzimuthMeterDelay);
}

// Moves one gauge until a press (or a reset) changes the phase. The delay is
// read at every step, so a level chosen meanwhile takes effect at once.
void FormMain::RunGauge(std::int16_t phase, double& value, TextBox& text, const double& delay) {
    const GaugeRange& range = phase == kPhasePowerGauge   ? kPowerRange
                              : phase == kPhaseAngleGauge ? kAngleRange
                                                          : kAzimuthRange;
    auto count = static_cast<int>(std::lround(value * range.perUnit));
    int step = 1;
    GaugeSchedule schedule(platform(), yieldTimer_);
    while (ShotPhase == phase) {
        count += step;
        value = static_cast<double>(count) / range.perUnit;
        if (count >= range.high) {
            step = -1;
        }
        if (count <= range.low) {
            step = 1;
        }
        DrawMeters();
        text.SetText(NumberText(value));
        schedule.HoldStep(delay * SkillFactor * CalibrationFactor,
                          [this, phase] { return ShotPhase == phase; });
    }
}

void FormMain::DrawMeters() {
    Picture2->Cls();
    Fill(*Picture2, kPowerFrame, kBlack);
    Fill(*Picture2, kPowerField, kWhite);
    Fill(*Picture2, kAzimuthFrame, kBlack);
    Fill(*Picture2, kAzimuthField, kWhite);
    Fill(*Picture2, kAngleFrame, kBlack);
    Fill(*Picture2, kAngleField, kWhite);
    // The bars: power and angle grow up from the bottom, azimuth from the middle.
    const double powerTop = (kPowerRange.Low() - Power) * (kPowerField.y2 - kPowerField.y1) /
                                (kPowerRange.High() - kPowerRange.Low()) +
                            kPowerField.y2;
    const double angleTop = (kAngleRange.Low() - Angle) * (kAngleField.y2 - kAngleField.y1) /
                                (kAngleRange.High() - kAngleRange.Low()) +
                            kAngleField.y2;
    const double azimuthEnd =
        Azimuth * kAzimuthBarHalfLength / kAzimuthRange.High() + kAzimuthBarMiddle;
    Fill(*Picture2, {kPowerField.x1, powerTop, kPowerField.x2, kPowerField.y2}, kBlue);
    Fill(*Picture2, {kAngleField.x1, angleTop, kAngleField.x2, kAngleField.y2}, kBlue);
    Fill(*Picture2, {azimuthEnd, kAzimuthField.y1, kAzimuthBarMiddle, kAzimuthField.y2}, kBlue);
    Picture2->Present();
}

void FormMain::HScrollHand_Change() {
    HandX = static_cast<double>(HScrollHand->Value()) / HScrollHand->Max() * kHandReach;
    TextHandX->SetText(NumberText(HandX));
    DrawScene();
}

void FormMain::TextHandX_KeyPress(char& key) {
    const std::string& text = TextHandX->Text();
    const bool hasPoint = text.find('.') != std::string::npos;
    const bool hasMinus = text.find('-') != std::string::npos;
    if (IsDigit(key) || key == kBackspace) {
        return;
    }
    if (key == '.' && !hasPoint) {
        return;
    }
    if (key == '-' && !hasMinus) {
        // The minus lands in front of the number: the text is rewritten as its
        // value and the caret goes to the start, even when the text stays the same.
        TextHandX->SetText(NumberText(LeadingValue(text)));
        TextHandX->SetSelection(0, 0);
        return;
    }
    key = 0;
}

void FormMain::TextHandX_Change() {
    const std::string text = TextHandX->Text();
    // Still being typed.
    if (text == "-" || text.empty() || text == ".") {
        return;
    }
    const double value = LeadingValue(text);
    // Tidy the text. Below 0, a text that does not read as a whole number
    // ("-.", "5-") is an unfinished entry and stays.
    const std::optional<double> whole = WholeNumber(text);
    const bool tidy = value > 0 ? text.back() != '.' : whole.has_value() && *whole != value;
    if (tidy && text != NumberText(value)) {
        TextHandX->SetText(NumberText(value));
        return;
    }
    // Keep to the table.
    if (value > kHandReach || value < -kHandReach) {
        TextHandX->SetText(NumberText(value > 0 ? kHandReach : -kHandReach));
        return;
    }
    // Halves go to the even neighbour (the default rounding mode).
    HScrollHand->SetValue(
        static_cast<std::int16_t>(std::nearbyint(value / kHandReach * HScrollHand->Max())));
}

}  // namespace dorvanta
