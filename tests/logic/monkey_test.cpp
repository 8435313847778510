// Random play: seeded actions on every control, menu item and window a player
// can reach, many of them arriving inside the yields of whatever loop runs
// (gauges, flights, pauses, waits), every box answered at random. After each
// action the game's invariants must hold. DORVANTA_MONKEY_ACTIONS sets the
// number of actions and DORVANTA_MONKEY_SEED the seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "opponent/opponent_aim.h"
#include "platform/scripted/scripted_platform.h"
#include "records_temp_dir.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta {
namespace {

constexpr int kDefaultActions = 5000;
constexpr unsigned kDefaultSeed = 20261207;
constexpr int kLongestNestedDelay = 400;  // yields until the next action arrives
constexpr double kEndingChance = 0.02;    // of keeping a chosen Exit or close
constexpr double kResetChance = 0.1;      // of keeping a chosen New Game or level
constexpr int kMainWindowPercent = 75;
constexpr int kReRackAtSix = 6;  // cups left when the rack moves a row back
constexpr int kShootPercent = 30;
constexpr int kAimedShotPercent = 12;

const char* const kSecondaryForms[] = {"FormColors", "FormCalibrate", "FormHighScores", "FormHelp",
                                       "FormAbout"};
// What a player might type or paste into a box, hostile texts among them.
const std::vector<std::string> kTexts = {"",
                                         "0",
                                         "5",
                                         "-",
                                         ".",
                                         "-.",
                                         "0.25",
                                         "12.5",
                                         "24",
                                         "-30",
                                         "1250",
                                         "45",
                                         "-7.95",
                                         "1100.5",
                                         "1e309",
                                         "1e308",
                                         "-1e308",
                                         std::string(400, '9'),
                                         "abc",
                                         "1,5",
                                         "100000",
                                         "1000000000",
                                         "1000000000000",
                                         "3"};
const std::vector<std::string> kNames = {"", "Ann", std::string(200, 'x'), "日本語", "Zoë"};

int FromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

// The desktop answers every box at random and plays random draws.
class MonkeyDesktop : public ScriptedPlatform {
  public:
    explicit MonkeyDesktop(std::mt19937& random) : random_(random) {}

    BoxAnswer MessageBox(const std::string&, BoxButtons buttons, const std::string&) override {
        const bool first = random_() % 2 == 0;
        switch (buttons) {
            case BoxButtons::OkCancel:
                return first ? BoxAnswer::Ok : BoxAnswer::Cancel;
            case BoxButtons::YesNo:
                return first ? BoxAnswer::Yes : BoxAnswer::No;
            case BoxButtons::Ok:
                break;
        }
        return BoxAnswer::Ok;
    }
    std::string InputBox(const std::string&, const std::string&) override {
        return kNames[random_() % kNames.size()];
    }
    float Random() override { return static_cast<float>(random_() >> 8) / (1u << 24); }

  private:
    std::mt19937& random_;
};

// Unwinds every loop of the game once an invariant has failed.
struct InvariantBroken {};

class Monkey : public InTempDir {
  protected:
    void Play(int budget) {
        budget_ = budget;
        Start();
        try {
            while (actions_ < budget_) {
                try {
                    Act();
                } catch (const QuitRequested&) {
                    Start();  // the player ended the game: start it again
                }
            }
        } catch (const InvariantBroken&) {
        }
    }

  private:
    void Start() {
        probe_.reset();
        main_.reset();
        platform_ = std::make_unique<MonkeyDesktop>(random_);
        main_ = std::make_unique<FormMain>(*platform_);
        probe_ = std::make_unique<GameStateProbe>(*main_);
        main_->Show();
        ScheduleNested();
    }

    // There is always one action waiting for a yield; once the budget is
    // spent it is New Game, which ends every gauge and flight.
    void ScheduleNested() {
        platform_->AtYield(Uniform(1, kLongestNestedDelay), [this] {
            ScheduleNested();  // first: this action may start a loop of its own
            if (actions_ < budget_) {
                Act();
            } else {
                main_->FindMenuItem("MenuOptionNewGame")->Click();
            }
        });
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
    }
    bool Rarely() { return std::bernoulli_distribution(kEndingChance)(random_); }
    // A game must last for a win or a loss to come up: what ends it is picked
    // less often.
    bool Keeps(const MenuItem& item) {
        if (item.Name() == "MenuOptionExit") {
            return Rarely();
        }
        const bool endsTheGame =
            item.Name() == "MenuOptionNewGame" || item.Name().starts_with("MenuOptionBeginner") ||
            item.Name().ends_with("Opponent") || item.Name() == "MenuOptionIndividual" ||
            item.Name() == "MenuOptionHeadToHead" || item.Name() == "MenuOptionIntermediate" ||
            item.Name() == "MenuOptionExpert" || item.Name() == "MenuOptionPro";
        return !endsTheGame || std::bernoulli_distribution(kResetChance)(random_);
    }

    // One action on a window the player can see, the main one most often.
    void Act() {
        ++actions_;
        std::vector<Form*> shown;
        for (const char* name : kSecondaryForms) {
            Form* form = platform_->LoadedForm(name);
            if (form != nullptr && form->Visible()) {
                shown.push_back(form);
            }
        }
        const int roll = Uniform(0, 99);
        if (shown.empty() || roll < kMainWindowPercent) {
            ActOnMainWindow(roll);
        } else {
            ActOn(*Pick(shown));
        }
        CheckInvariants();
        if (HasFatalFailure()) {
            throw InvariantBroken{};
        }
    }

    // A shot takes four presses of Shoot in a row, and a made cup an aimed
    // throw, so both come up more often than a plain pick would give them.
    void ActOnMainWindow(int roll) {
        if (roll < kShootPercent) {
            dynamic_cast<Button&>(*main_->FindControl("CommandShoot"))
                .PressMouse(Uniform(0, 1) == 0 ? kLeftButton : kRightButton);
        } else if (roll < kShootPercent + kAimedShotPercent) {
            AimedNumericShot();
        } else {
            ActOn(*main_);
        }
    }

    // Any control, menu item or the close control of the window.
    void ActOn(Form& form) {
        std::vector<MenuItem*> items;
        for (const auto& menu : form.MenuBar()) {
            for (const auto& item : menu->Items()) {
                items.push_back(item.get());
            }
        }
        const auto controls = static_cast<int>(form.Controls().size());
        const int choice = Uniform(0, controls + static_cast<int>(items.size()));
        if (choice < controls) {
            Use(*form.Controls()[static_cast<std::size_t>(choice)]);
        } else if (choice < controls + static_cast<int>(items.size())) {
            MenuItem& item = *items[static_cast<std::size_t>(choice - controls)];
            if (Keeps(item)) {
                item.Click();
            }
        } else if (&form != main_.get() || Rarely()) {
            form.CloseRequested();
        }
    }

    // The computer's own aim at the first standing cup, typed in, when numeric
    // shooting is on: the straight way to a cleared rack.
    void AimedNumericShot() {
        for (const AimRow& row : kAimRows) {
            if (Get("CupStanding(" + std::to_string(row.cup) + ")") != kFalse) {
                const bool homeRack = Get("CupsLeft") > kReRackAtSix;
                Box("TextPower")
                    .SetText(NumberText(homeRack ? row.powerMoreThanSix : row.powerSixOrFewer));
                Box("TextAngle").SetText("45");
                Box("TextAzimuth").SetText("0");
                Box("TextHandX").SetText(NumberText(row.handX));
                break;
            }
        }
        dynamic_cast<Button&>(*main_->FindControl("CommandCheatShoot")).Click();
    }
    TextBox& Box(const char* name) { return dynamic_cast<TextBox&>(*main_->FindControl(name)); }

    void Use(Control& control) {
        if (auto* button = dynamic_cast<Button*>(&control)) {
            if (button->onMouseDown) {
                button->PressMouse(Uniform(0, 1) == 0 ? kLeftButton : kRightButton);
            } else {
                button->Click();
            }
        } else if (auto* box = dynamic_cast<TextBox*>(&control)) {
            Type(*box);
        } else if (auto* bar = dynamic_cast<ScrollBar*>(&control)) {
            const auto value = static_cast<std::int16_t>(Uniform(bar->Min() - 5, bar->Max() + 5));
            Uniform(0, 1) == 0 ? bar->UserChange(value) : bar->UserScroll(value);
        } else if (auto* picture = dynamic_cast<Picture*>(&control)) {
            picture->Click();
        }
    }

    // Keys one at a time at a random caret, or a whole text pasted.
    void Type(TextBox& box) {
        if (Uniform(0, 1) == 0 && !box.ReadOnly()) {
            box.SetText(Pick(kTexts));
            return;
        }
        static const std::string kKeys = "0123456789.-e,\b";
        box.SetSelection(Uniform(0, static_cast<int>(box.Text().size())), Uniform(0, 2));
        for (int keys = Uniform(1, 4); keys > 0; --keys) {
            box.TypeKey(kKeys[static_cast<std::size_t>(Uniform(0, kKeys.size() - 1))]);
        }
    }

    // --- Invariants ---

    double Get(const std::string& name) const { return probe_->Get(name); }
    std::string Text(const char* box) const {
        return dynamic_cast<const TextBox&>(*main_->FindControl(box)).Text();
    }
    int Standing(const std::string& rack) const {
        int standing = 0;
        for (int cup = 1; cup <= kCupCount; ++cup) {
            standing += Get(rack + "(" + std::to_string(cup) + ")") != kFalse ? 1 : 0;
        }
        return standing;
    }

    void CheckInvariants() {
        SCOPED_TRACE("after action " + std::to_string(actions_));
        const bool shotRunning = Get("ShotsRunning") != 0;
        ASSERT_LE(Get("ShotsRunning"), 1) << "a shot inside a shot";
        ASSERT_TRUE(Get("Replaying") == kFalse || shotRunning);
        for (const char* axis : {"BallX", "BallY", "BallZ"}) {
            ASSERT_TRUE(std::isfinite(Get(axis))) << axis;
        }
        CheckRacks();
        CheckShootButton(shotRunning);
        CheckStatistics(shotRunning);
        CheckMenus();
    }

    // A replay flies against the rack from before the shot; the current one is parked.
    void CheckRacks() {
        const bool replaying = Get("Replaying") != kFalse;
        const bool computersReplay = replaying && Get("ShotPhase") == kPhaseOpponentFlight;
        const bool playersReplay = replaying && !computersReplay;
        ASSERT_EQ(Standing(playersReplay ? "ParkedCupStanding" : "CupStanding"), Get("CupsLeft"));
        ASSERT_EQ(Standing(computersReplay ? "ParkedOpponentCupStanding" : "OpponentCupStanding"),
                  Get("OpponentCupsLeft"));
    }

    // Barred for a whole shot; between shots the caption names the phase.
    void CheckShootButton(bool shotRunning) {
        const auto& shoot = dynamic_cast<const Button&>(*main_->FindControl("CommandShoot"));
        ASSERT_EQ(shoot.Enabled(), !shotRunning);
        if (shotRunning) {
            return;
        }
        const char* const kCaptions[] = {
            "Shoot", "Power", "Vertical Angle", "Horizontal Angle", nullptr, "Opponent's Shot"};
        const int phase = static_cast<int>(Get("ShotPhase"));
        ASSERT_TRUE(phase >= kPhaseReady && phase <= kPhaseOpponentToShoot &&
                    phase != kPhasePlayerFlight)
            << phase;
        ASSERT_EQ(shoot.Caption(), kCaptions[phase]);
    }

    // The percentage catches up at the end of each shot.
    void CheckStatistics(bool shotRunning) {
        const double taken = Get("ShotsTaken");
        const double made = kCupCount - Get("CupsLeft");
        ASSERT_EQ(Text("TextShotsTaken"), NumberText(taken));
        ASSERT_EQ(Text("TextShotsMade"), NumberText(made));
        if (!shotRunning) {
            ASSERT_EQ(Text("TextShootingPercentage"),
                      NumberText(taken == 0 ? 0 : made / taken * 100));
        }
    }

    // One check mark a group, on the item of the member's value.
    void CheckMenus() {
        const struct {
            const char* item;
            const char* member;
            double value;
        } kChoices[] = {{"MenuOptionBeginner", "SkillFactor", 1.0},
                        {"MenuOptionIntermediate", "SkillFactor", 0.5},
                        {"MenuOptionExpert", "SkillFactor", 0.2},
                        {"MenuOptionPro", "SkillFactor", 0.1},
                        {"MenuOptionBeginnerOpponent", "OpponentErrorScale", 1.0},
                        {"MenuOptionIntermediateOpponent", "OpponentErrorScale", 0.5},
                        {"MenuOptionExpertOpponent", "OpponentErrorScale", 0.2},
                        {"MenuOptionProOpponent", "OpponentErrorScale", 0.16},
                        {"MenuOptionTrickShooterOpponent", "OpponentErrorScale", 0},
                        {"MenuOptionIndividual", "HeadToHead", kFalse},
                        {"MenuOptionHeadToHead", "HeadToHead", kTrue}};
        for (const auto& choice : kChoices) {
            ASSERT_EQ(main_->FindMenuItem(choice.item)->Checked(),
                      Get(choice.member) == choice.value)
                << choice.item;
        }
        ASSERT_EQ(main_->FindMenuItem("MenuOptionNumericShooting")->Checked(),
                  main_->FindControl("CommandCheatShoot")->Visible());
    }

    std::mt19937 random_{
        static_cast<unsigned>(FromEnvironment("DORVANTA_MONKEY_SEED", kDefaultSeed))};
    std::unique_ptr<MonkeyDesktop> platform_;
    std::unique_ptr<FormMain> main_;
    std::unique_ptr<GameStateProbe> probe_;
    int budget_ = 0;
    int actions_ = 0;
};

TEST_F(Monkey, RandomPlayKeepsEveryInvariant) {
    Play(FromEnvironment("DORVANTA_MONKEY_ACTIONS", kDefaultActions));
}

}  // namespace
}  // namespace dorvanta
