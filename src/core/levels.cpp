// The skill-level, opponent-level and game-type menus: three radio groups.
// Before the first shot of a game a choice takes effect at once and the game
// goes on; after it, a real change asks first and starts a new game.
#include <array>

#include "core/form_main.h"
#include "core/product.h"

namespace dorvanta {

namespace {

// Scales of the computer's aiming errors; zero selects the fixed trick shots.
constexpr double kOpponentBeginner = 1.0;
constexpr double kOpponentIntermediate = 0.5;
constexpr double kOpponentExpert = 0.2;
constexpr double kOpponentPro = 0.16;
constexpr double kOpponentTrickShooter = 0;

struct MenuGroup {
    const char* menuName;
    const char* question;
    // The near rack is drawn only in head-to-head play, so a game-type change
    // without a new game still redraws.
    bool redrawWithoutQuestion;
};

constexpr std::array<MenuGroup, 3> kGroups = {{
    {"MenuSkillLevel", "Do you want to change skill level and start a new game?", false},
    {"MenuOpponentSkillLevel", "Do you want to change opponent skill level and start a new game?",
     false},
    {"MenuGameType", "Do you want to start a new game?", true},
}};

bool Holds(const MenuItem& group, const MenuItem& item) {
    for (const auto& child : group.Items()) {
        if (child.get() == &item) {
            return true;
        }
    }
    return false;
}

void MoveCheckMark(const MenuItem& group, const MenuItem& item) {
    for (const auto& child : group.Items()) {
        child->SetChecked(child.get() == &item);
    }
}

}  // namespace

void FormMain::ChooseMenuItem(const char* itemName, void (*setMember)(FormMain&)) {
    MenuItem& item = *FindMenuItem(itemName);
    const MenuGroup* group = nullptr;
    for (const MenuGroup& candidate : kGroups) {
        if (Holds(*FindMenuItem(candidate.menuName), item)) {
            group = &candidate;
        }
    }
    const MenuItem& groupMenu = *FindMenuItem(group->menuName);

    // Only a real change in a game already under way costs the game.
    const bool ask = ShotsTaken != 0 && !item.Checked();
    if (!ask) {
        setMember(*this);
        MoveCheckMark(groupMenu, item);
        if (group->redrawWithoutQuestion) {
            DrawScene();
        }
        return;
    }
    if (platform().MessageBox(group->question, BoxButtons::OkCancel, kProductName) !=
        BoxAnswer::Ok) {
        return;
    }
    // The reset comes first so that the new value is not undone by it; a flight
    // still running further down the stack ends at its next step.
    ResetGame();
    setMember(*this);
    MoveCheckMark(groupMenu, item);
    StopFlight = kTrue;
    DrawScene();
    DrawMeters();
}

void FormMain::MenuOptionBeginner_Click() {
    ChooseMenuItem("MenuOptionBeginner", [](FormMain& m) { m.SkillFactor = kSkillBeginner; });
}

void FormMain::MenuOptionIntermediate_Click() {
    ChooseMenuItem("MenuOptionIntermediate",
                   [](FormMain& m) { m.SkillFactor = kSkillIntermediate; });
}

void FormMain::MenuOptionExpert_Click() {
    ChooseMenuItem("MenuOptionExpert", [](FormMain& m) { m.SkillFactor = kSkillExpert; });
}

void FormMain::MenuOptionPro_Click() {
    ChooseMenuItem("MenuOptionPro", [](FormMain& m) { m.SkillFactor = kSkillPro; });
}

void FormMain::MenuOptionBeginnerOpponent_Click() {
    ChooseMenuItem("MenuOptionBeginnerOpponent",
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentBeginner; });
}

void FormMain::MenuOptionIntermediateOpponent_Click() {
    ChooseMenuItem("MenuOptionIntermediateOpponent",
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentIntermediate; });
}

void FormMain::MenuOptionExpertOpponent_Click() {
    ChooseMenuItem("MenuOptionExpertOpponent",
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentExpert; });
}

void FormMain::MenuOptionProOpponent_Click() {
    ChooseMenuItem("MenuOptionProOpponent",
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentPro; });
}

void FormMain::MenuOptionTrickShooterOpponent_Click() {
    ChooseMenuItem("MenuOptionTrickShooterOpponent",
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentTrickShooter; });
}

void FormMain::MenuOptionIndividual_Click() {
    ChooseMenuItem("MenuOptionIndividual", [](FormMain& m) { m.HeadToHead = kFalse; });
}

void FormMain::MenuOptionHeadToHead_Click() {
    ChooseMenuItem("MenuOptionHeadToHead", [](FormMain& m) { m.HeadToHead = kTrue; });
}

}  // namespace dorvanta
