// The skill-level, opponent-level and game-type menus: three radio groups.
// Before the first shot of a game a choice takes effect at once and the game
// goes on; after it, a real change asks first and starts a new game.
#include "core/form_main.h"
#include "core/product.h"
#include "opponent/opponent_aim.h"

namespace dorvanta {

struct MenuGroupRule {
    const char* question;
    // The near rack is drawn only in head-to-head play, so a game-type change
    // without a new game still redraws.
    bool redrawWithoutQuestion;
};

namespace {

constexpr MenuGroupRule kSkillRule{"Do you want to change skill level and start a new game?",
                                   false};
constexpr MenuGroupRule kOpponentRule{
    "Do you want to change opponent skill level and start a new game?", false};
constexpr MenuGroupRule kGameTypeRule{"Do you want to start a new game?", true};

void MoveCheckMark(const MenuItem& group, const MenuItem& item) {
    for (const auto& child : group.Items()) {
        child->SetChecked(child.get() == &item);
    }
}

}  // namespace

void FormMain::ChooseMenuItem(MenuItem& item, MenuItem& group, const MenuGroupRule& rule,
                              void (*setMember)(FormMain&)) {
    // Only a real change in a game already under way costs the game.
    const bool ask = ShotsTaken != 0 && !item.Checked();
    if (!ask) {
        setMember(*this);
        MoveCheckMark(group, item);
        if (rule.redrawWithoutQuestion) {
            DrawScene();
        }
        return;
    }
    if (platform().MessageBox(rule.question, BoxButtons::OkCancel, kProductName) != BoxAnswer::Ok) {
        return;
    }
    // The reset comes first so that the new value is not undone by it; a flight
    // still running further down the stack ends at its next step.
    ResetGame();
    setMember(*this);
    MoveCheckMark(group, item);
    StopFlight = kTrue;
    DrawScene();
    DrawMeters();
}

void FormMain::MenuOptionBeginner_Click() {
    ChooseMenuItem(*MenuOptionBeginner, *MenuSkillLevel, kSkillRule,
                   [](FormMain& m) { m.SkillFactor = kSkillBeginner; });
}

void FormMain::MenuOptionIntermediate_Click() {
    ChooseMenuItem(*MenuOptionIntermediate, *MenuSkillLevel, kSkillRule,
                   [](FormMain& m) { m.SkillFactor = kSkillIntermediate; });
}

void FormMain::MenuOptionExpert_Click() {
    ChooseMenuItem(*MenuOptionExpert, *MenuSkillLevel, kSkillRule,
                   [](FormMain& m) { m.SkillFactor = kSkillExpert; });
}

void FormMain::MenuOptionPro_Click() {
    ChooseMenuItem(*MenuOptionPro, *MenuSkillLevel, kSkillRule,
                   [](FormMain& m) { m.SkillFactor = kSkillPro; });
}

void FormMain::MenuOptionBeginnerOpponent_Click() {
    ChooseMenuItem(*MenuOptionBeginnerOpponent, *MenuOpponentSkillLevel, kOpponentRule,
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentBeginner; });
}

void FormMain::MenuOptionIntermediateOpponent_Click() {
    ChooseMenuItem(*MenuOptionIntermediateOpponent, *MenuOpponentSkillLevel, kOpponentRule,
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentIntermediate; });
}

void FormMain::MenuOptionExpertOpponent_Click() {
    ChooseMenuItem(*MenuOptionExpertOpponent, *MenuOpponentSkillLevel, kOpponentRule,
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentExpert; });
}

void FormMain::MenuOptionProOpponent_Click() {
    ChooseMenuItem(*MenuOptionProOpponent, *MenuOpponentSkillLevel, kOpponentRule,
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentPro; });
}

void FormMain::MenuOptionTrickShooterOpponent_Click() {
    ChooseMenuItem(*MenuOptionTrickShooterOpponent, *MenuOpponentSkillLevel, kOpponentRule,
                   [](FormMain& m) { m.OpponentErrorScale = kOpponentTrickShooter; });
}

void FormMain::MenuOptionIndividual_Click() {
    ChooseMenuItem(*MenuOptionIndividual, *MenuGameType, kGameTypeRule,
                   [](FormMain& m) { m.HeadToHead = kFalse; });
}

void FormMain::MenuOptionHeadToHead_Click() {
    ChooseMenuItem(*MenuOptionHeadToHead, *MenuGameType, kGameTypeRule,
                   [](FormMain& m) { m.HeadToHead = kTrue; });
}

}  // namespace dorvanta
