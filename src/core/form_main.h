// The main window: its controls and menus, the procedures of a game, and the
// secondary windows it opens. It owns the game's state (core/game_state.h),
// and its procedures are split by subsystem over core/, flight/, opponent/,
// view/ and records/; this header is where they meet.
#pragma once

#include <cstdint>
#include <memory>

#include "core/game_state.h"
#include "flight/yield_timer.h"
#include "platform/form.h"

namespace dorvanta {

// Main-window size in 1/1440 inch.
constexpr int kMainClientWidth = 11610;
constexpr int kMainClientHeight = 7650;

class FormColors;
class FormCalibrate;
class FormHighScores;
class FormHelp;
class FormAbout;
struct FlightLaunch;
struct MenuGroupRule;

class FormMain : public Form, public SettingsGroup, private GameState {
  public:
    explicit FormMain(Platform& platform);
    ~FormMain() override;

    // --- Public methods ---
    void InitCameraVars();
    void CalibrateToSystem();
    void GetPower();
    void GetAngle();
    void GetAzimuth();
    void DrawScene();
    Picture& Picture1() { return *picture1_; }

    void CloseRequested() override;  // Form_Unload: closing the main window ends the program

    // The game's state as a whole, for the lab's scenarios and the tests, which
    // read and set it by name. The game itself never goes through here.
    GameState& State() { return *this; }

  protected:
    void Form_Load() override;

  private:
    // --- core/: controls, start-up and reset (form_main.cpp) ---
    void DeclareControls();
    void DeclareMenus();
    void WireHandlers();
    void ResetGame();
    void MenuOptionNewGame_Click();
    void MenuOptionExit_Click();

    // --- core/: levels and game types (levels.cpp) ---
    void MenuOptionBeginner_Click();
    void MenuOptionIntermediate_Click();
    void MenuOptionExpert_Click();
    void MenuOptionPro_Click();
    void MenuOptionBeginnerOpponent_Click();
    void MenuOptionIntermediateOpponent_Click();
    void MenuOptionExpertOpponent_Click();
    void MenuOptionProOpponent_Click();
    void MenuOptionTrickShooterOpponent_Click();
    void MenuOptionIndividual_Click();
    void MenuOptionHeadToHead_Click();
    void ChooseMenuItem(MenuItem& item, MenuItem& group, const MenuGroupRule& rule,
                        void (*setMember)(FormMain&));

    // --- core/: shot controls (shot_controls.cpp) ---
    void CommandShoot_MouseDown(int mouseButton);
    void DrawMeters();
    void HScrollHand_Change();
    void TextHandX_KeyPress(char& key);
    void TextHandX_Change();
    void RunGauge(std::int16_t phase, double& value, TextBox& text, const double& delay);

    // --- flight/: ball flight, player turn, game speed ---
    void PlayerShot();
    // The game's flights: the ball's members, the physics members, a redraw
    // and paced yields at every step. The near-rack flight keeps its in-cup
    // flag in `inCup` (the computer's local flag); both return the steps run.
    std::int64_t FlyBallAtFarRack(const FlightLaunch& launch);
    std::int64_t FlyBallAtNearRack(const FlightLaunch& launch, Flag& inCup);
    std::int64_t FlyBallAt(const FlightLaunch& launch, const Rack& rack, bool towardNearRack,
                           Flag& inCup);
    void StartPlayerTurn();
    void ScoreMadePlayerShot();
    void CelebrateWin();
    void RecordHighScore();
    void HandOverAfterPlayerShot();
    void ShowShootingPercentage();
    ShotRecord ThisShot() const;
    void TakeShot(const ShotRecord& shot);
    void MenuOptionCalibrate_Click();
    void MenuOptionAutoCalibrate_Click();
    void CommandSlow_Click();
    void CommandPause_Click();
    void CommandStopLoop_Click();

    // --- opponent/: computer shot, replay, numeric shooting ---
    void OpponentShot();
    void CommandReplay_Click();
    void MenuOptionNumericShooting_Click();
    void CommandCheatShoot_Click();
    void ChooseOpponentShot();
    void RecordOpponentShot();
    void StartOpponentReplay();
    void ScoreOpponentMake();
    void EndOpponentTurn();
    bool NumericShotRefused();

    // --- view/: camera and scene ---
    void CommandResetView_Click();
    void VScrollPan_Change();
    void HScrollPan_Change();
    void HScrollZoom_Change();
    void HScrollRotate_Change();
    void MenuOptionColors_Click();

    // --- records/: secondary windows ---
    void MenuOptionViewHighScores_Click();
    void MenuOptionHelp_Click();
    void MenuOptionAbout3DDV_Click();

    // ===== Controls (owned by the Form; these are handy references) =====
    Button* CommandReplay = nullptr;
    Button* CommandSlow = nullptr;
    Button* CommandShoot = nullptr;
    Button* CommandPause = nullptr;
    Button* CommandStopLoop = nullptr;
    Button* CommandCheatShoot = nullptr;
    Button* CommandResetView = nullptr;
    Picture* Picture2 = nullptr;
    Picture* picture1_ = nullptr;
    TextBox* TextPower = nullptr;
    TextBox* TextAngle = nullptr;
    TextBox* TextAzimuth = nullptr;
    TextBox* TextHandX = nullptr;
    TextBox* TextShotsTaken = nullptr;
    TextBox* TextShotsMade = nullptr;
    TextBox* TextShootingPercentage = nullptr;
    ScrollBar* HScrollHand = nullptr;
    ScrollBar* VScrollPan = nullptr;
    ScrollBar* HScrollPan = nullptr;
    ScrollBar* HScrollZoom = nullptr;
    ScrollBar* HScrollRotate = nullptr;

    // ===== Menus the game touches after declaring them (owned by the Form) =====
    MenuItem* MenuOptionNumericShooting = nullptr;
    MenuItem* MenuSkillLevel = nullptr;
    MenuItem* MenuOptionBeginner = nullptr;
    MenuItem* MenuOptionIntermediate = nullptr;
    MenuItem* MenuOptionExpert = nullptr;
    MenuItem* MenuOptionPro = nullptr;
    MenuItem* MenuOpponentSkillLevel = nullptr;
    MenuItem* MenuOptionBeginnerOpponent = nullptr;
    MenuItem* MenuOptionIntermediateOpponent = nullptr;
    MenuItem* MenuOptionExpertOpponent = nullptr;
    MenuItem* MenuOptionProOpponent = nullptr;
    MenuItem* MenuOptionTrickShooterOpponent = nullptr;
    MenuItem* MenuGameType = nullptr;
    MenuItem* MenuOptionIndividual = nullptr;
    MenuItem* MenuOptionHeadToHead = nullptr;

    // ===== Secondary windows, created on first use =====
    std::unique_ptr<FormColors> formColors_;
    std::unique_ptr<FormCalibrate> formCalibrate_;
    std::unique_ptr<FormHighScores> formHighScores_;
    std::unique_ptr<FormHelp> formHelp_;
    std::unique_ptr<FormAbout> formAbout_;

    // How long a yield takes on this machine, kept current by every paced loop.
    YieldTimer yieldTimer_;
};

}  // namespace dorvanta
