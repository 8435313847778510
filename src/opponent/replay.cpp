// Replay of the last shot of either side, and shots entered as numbers. A
// replay flies the recorded shot again against the rack as it stood before it,
// scores nothing and then puts the table back. A numeric shot is an ordinary
// player shot whose values come from the text boxes instead of the gauges; it
// costs the high score of the game it is fired in.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/form_main.h"
#include "core/number_text.h"
#include "core/product.h"

namespace dorvanta {

void FormMain::CommandReplay_Click() {
    if (ShotsTaken < 1 || Replaying || ShotsRunning != 0) {
        return;
    }
    // Waiting for the computer: the player's shot. After the computer's turn:
    // its shot in head-to-head play, else the player's. One press, one replay.
    if (ShotPhase == kPhaseOpponentToShoot) {
        Replaying = kTrue;
        PlayerShot();
    } else if (ShotPhase == kPhaseReady) {
        Replaying = kTrue;
        if (HeadToHead) {
            OpponentShot();
        } else {
            PlayerShot();
        }
    }
}

// The current near rack is parked and the one from before the recorded shot
// comes back, with the recorded launch point.
void FormMain::StartOpponentReplay() {
    ParkedNearRack = std::exchange(NearRack, PreShotNearRack);
    OpponentHandX = LastOpponentShot.HandX;
    OpponentHandY = LastOpponentShot.HandY;
    OpponentHandZ = LastOpponentShot.HandZ;
}

void FormMain::MenuOptionNumericShooting_Click() {
    MenuItem& item = *MenuOptionNumericShooting;
    if (item.Checked()) {
        item.SetChecked(false);
        CommandCheatShoot->SetVisible(false);
        return;
    }
    if (platform().MessageBox("Are you sure?  If you shoot numerically, you will no longer be "
                              "able to set a high score.",
                              BoxButtons::OkCancel, "") == BoxAnswer::Ok) {
        item.SetChecked(true);
        CommandCheatShoot->SetVisible(true);
    }
}

void FormMain::CommandCheatShoot_Click() {
    // The button is never barred, so a press during a shot or a replay must
    // not start a second shot inside the running one, also after a reset
    // under it has put the phase back to 0.
    if (ShotsRunning != 0) {
        return;
    }
    if (ShotPhase == kPhaseOpponentToShoot) {
        OpponentShot();
        return;
    }
    if (NumericShotRefused()) {
        return;
    }

    ShotPhase = kPhasePlayerFlight;
    NumericShotUsed = kTrue;
    Power = WholeNumber(TextPower->Text()).value();
    Angle = WholeNumber(TextAngle->Text()).value();
    Azimuth = WholeNumber(TextAzimuth->Text()).value();
    const double handX = WholeNumber(TextHandX->Text()).value();
    // The hand goes through its scroll bar, whose change handler moves it only
    // when the value really changes; halves round to the even neighbour.
    const double scrollValue = std::nearbyint(handX / kTableHalfWidth * HScrollHand->Max());
    const double lowest = HScrollHand->Min();
    const double highest = HScrollHand->Max();
    HScrollHand->SetValue(static_cast<std::int16_t>(std::clamp(scrollValue, lowest, highest)));
    DrawMeters();
    PlayerShot();
}

// A text that is not a number refuses the shot before anything changes, with
// a message naming the box.
bool FormMain::NumericShotRefused() {
    const std::array<std::pair<const TextBox*, const char*>, 4> entries = {{
        {TextPower, "The power is not a number."},
        {TextAngle, "The vertical angle is not a number."},
        {TextAzimuth, "The horizontal angle is not a number."},
        {TextHandX, "The hand position is not a number."},
    }};
    for (const auto& [box, refusal] : entries) {
        if (!WholeNumber(box->Text())) {
            platform().MessageBox(refusal, BoxButtons::Ok, kProductName);
            return true;
        }
    }
    return false;
}

}  // namespace dorvanta
