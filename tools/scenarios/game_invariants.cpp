#include "scenarios/game_invariants.h"

#include <cmath>
#include <sstream>

#include "core/number_text.h"
#include "opponent/opponent_aim.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta::lab {

namespace {

// Unwinds the checks at the first invariant that does not hold.
struct Broken {
    std::string what;
};

void Require(bool holds, const std::string& what) {
    if (!holds) {
        throw Broken{what};
    }
}

class Checks {
  public:
    explicit Checks(FormMain& main) : main_(main), probe_(main) {}

    void All() {
        const bool shotRunning = Get("ShotsRunning") != 0;
        Require(Get("ShotsRunning") <= 1, "a shot runs inside a shot");
        Require(Get("Replaying") == kFalse || shotRunning, "a replay runs outside a shot");
        for (const char* axis : {"BallX", "BallY", "BallZ"}) {
            Require(std::isfinite(Get(axis)), std::string(axis) + " is not a finite number");
        }
        Racks();
        ShootButton(shotRunning);
        Statistics(shotRunning);
        Menus();
    }

  private:
    double Get(const std::string& name) const { return probe_.Get(name); }
    std::string Text(const char* box) const {
        return dynamic_cast<const TextBox&>(*main_.FindControl(box)).Text();
    }
    int Standing(const std::string& rack) const {
        int standing = 0;
        for (int cup = 1; cup <= kCupCount; ++cup) {
            standing += Get(rack + "(" + std::to_string(cup) + ")") != kFalse ? 1 : 0;
        }
        return standing;
    }
    void Equal(const std::string& seen, const std::string& expected, const std::string& what) {
        Require(seen == expected, what + " is " + seen + ", not " + expected);
    }

    // A replay flies against the rack from before the shot; the current one is parked.
    void Racks() {
        const bool replaying = Get("Replaying") != kFalse;
        const bool computersReplay = replaying && Get("ShotPhase") == kPhaseOpponentFlight;
        const bool playersReplay = replaying && !computersReplay;
        Equal(NumberText(Standing(playersReplay ? "ParkedCupStanding" : "CupStanding")),
              NumberText(Get("CupsLeft")), "the far rack's standing cups");
        Equal(NumberText(
                  Standing(computersReplay ? "ParkedOpponentCupStanding" : "OpponentCupStanding")),
              NumberText(Get("OpponentCupsLeft")), "the near rack's standing cups");
    }

    // Barred for a whole shot; between shots the caption names the phase.
    void ShootButton(bool shotRunning) {
        const auto& shoot = dynamic_cast<const Button&>(*main_.FindControl("CommandShoot"));
        Require(shoot.Enabled() == !shotRunning, "Shoot is barred only during a shot");
        if (shotRunning) {
            return;
        }
        const int phase = static_cast<int>(Get("ShotPhase"));
        Require(
            phase >= kPhaseReady && phase <= kPhaseOpponentToShoot && phase != kPhasePlayerFlight,
            "phase " + NumberText(phase) + " between shots");
        Equal(shoot.Caption(), ShootCaption(static_cast<std::int16_t>(phase)),
              "Shoot's caption in phase " + NumberText(phase));
    }

    // The percentage catches up at the end of each shot.
    void Statistics(bool shotRunning) {
        const double taken = Get("ShotsTaken");
        const double made = kCupCount - Get("CupsLeft");
        Equal(Text("TextShotsTaken"), NumberText(taken), "the shots taken box");
        Equal(Text("TextShotsMade"), NumberText(made), "the shots made box");
        if (!shotRunning) {
            Equal(Text("TextShootingPercentage"), NumberText(taken == 0 ? 0 : made / taken * 100),
                  "the percentage box");
        }
    }

    // One check mark a group, on the item of the member's value.
    void Menus() {
        const struct {
            const char* item;
            const char* member;
            double value;
        } kChoices[] = {
            {"MenuOptionBeginner", "SkillFactor", kSkillBeginner},
            {"MenuOptionIntermediate", "SkillFactor", kSkillIntermediate},
            {"MenuOptionExpert", "SkillFactor", kSkillExpert},
            {"MenuOptionPro", "SkillFactor", kSkillPro},
            {"MenuOptionBeginnerOpponent", "OpponentErrorScale", kOpponentBeginner},
            {"MenuOptionIntermediateOpponent", "OpponentErrorScale", kOpponentIntermediate},
            {"MenuOptionExpertOpponent", "OpponentErrorScale", kOpponentExpert},
            {"MenuOptionProOpponent", "OpponentErrorScale", kOpponentPro},
            {"MenuOptionTrickShooterOpponent", "OpponentErrorScale", kOpponentTrickShooter},
            {"MenuOptionIndividual", "HeadToHead", kFalse},
            {"MenuOptionHeadToHead", "HeadToHead", kTrue}};
        for (const auto& choice : kChoices) {
            Require(
                main_.FindMenuItem(choice.item)->Checked() == (Get(choice.member) == choice.value),
                std::string(choice.item) + "'s check mark");
        }
        Require(main_.FindMenuItem("MenuOptionNumericShooting")->Checked() ==
                    main_.FindControl("CommandCheatShoot")->Visible(),
                "the numeric-shot button shown as its menu item is checked");
    }

    FormMain& main_;
    GameStateProbe probe_;
};

}  // namespace

std::string BrokenInvariant(FormMain& main) {
    try {
        Checks(main).All();
        return {};
    } catch (const Broken& broken) {
        return broken.what;
    }
}

}  // namespace dorvanta::lab
