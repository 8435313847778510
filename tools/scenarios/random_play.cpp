#include "scenarios/random_play.h"

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "flight/rack_forming.h"
#include "opponent/opponent_aim.h"
#include "platform/scripted/scripted_platform.h"
#include "scenarios/game_invariants.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta::lab {

namespace {

constexpr int kLongestNestedDelay = 400;  // yields until the next action arrives
constexpr double kEndingChance = 0.02;    // of keeping a chosen Exit or close
constexpr double kResetChance = 0.1;      // of keeping a chosen New Game or level
constexpr int kMainWindowPercent = 75;
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

// Unwinds every loop of the game once an invariant is broken.
struct InvariantBroken {
    std::string what;
};

class RandomPlayer {
  public:
    explicit RandomPlayer(unsigned seed) : random_(seed) {}

    RandomPlayOutcome Play(int budget) {
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
        } catch (const InvariantBroken& broken) {
            return {actions_, broken.what};
        }
        return {actions_, {}};
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
        if (std::string broken = BrokenInvariant(*main_); !broken.empty()) {
            throw InvariantBroken{std::move(broken)};
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
                const bool homeRack = Get("CupsLeft") > kThreeRowRackCups;
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
    double Get(const std::string& name) const { return probe_->Get(name); }

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

    std::mt19937 random_;
    std::unique_ptr<MonkeyDesktop> platform_;
    std::unique_ptr<FormMain> main_;
    std::unique_ptr<GameStateProbe> probe_;
    int budget_ = 0;
    int actions_ = 0;
};

}  // namespace

RandomPlayOutcome PlayRandomly(int actions, unsigned seed) {
    return RandomPlayer(seed).Play(actions);
}

}  // namespace dorvanta::lab
