// The main window and the whole state of a running game. One object owns
// everything: the shot phase and values, the levels, both racks, the ball, the
// flight flags, the replay snapshots, the camera, the colours and the settings.
// Handlers of the controls run on the one UI thread and nest inside the yields
// of the gauge, flight and wait loops; they talk to those loops only through
// the members (ShotPhase, StopFlight, Paused, SlowFactor, GameRestarted).
// The procedures are split by subsystem over core/, flight/, opponent/,
// view/ and records/; this header is their one meeting point.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/form.h"

namespace dorvanta {

// A 16-bit flag: true is all bits set.
using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

constexpr int kCupCount = 10;
// Per-cup arrays are indexed by cup number 1..10; element 0 is unused.
template <class T>
using CupArray = std::array<T, kCupCount + 1>;

// Angles are turned into radians with this value of pi, not the exact one.
constexpr double kPi = 3.141592653592;
constexpr double kHalfPi = 1.570796326796;

// Gauge delay multipliers of the player's levels (a smaller one is a faster
// gauge); each also names the level's high-score slot.
constexpr double kSkillBeginner = 1.0;
constexpr double kSkillIntermediate = 0.5;
constexpr double kSkillExpert = 0.2;
constexpr double kSkillPro = 0.1;

// The phases of the Shoot button (ShotPhase).
constexpr std::int16_t kPhaseReady = 0;
constexpr std::int16_t kPhasePowerGauge = 1;
constexpr std::int16_t kPhaseAngleGauge = 2;
constexpr std::int16_t kPhaseAzimuthGauge = 3;
constexpr std::int16_t kPhasePlayerFlight = 4;
constexpr std::int16_t kPhaseOpponentToShoot = 5;
constexpr std::int16_t kPhaseOpponentFlight = 6;

// Main-window size in 1/1440 inch.
constexpr int kMainClientWidth = 11610;
constexpr int kMainClientHeight = 7650;

class FormColors;
class FormCalibrate;
class FormHighScores;
class FormHelp;
class FormAbout;
class GameStateProbe;
struct GameStateProbeAccess;
struct FlightLaunch;
struct FlightRack;

// Counts a turn as running for as long as it lives, also when the end of the
// program unwinds it.
class RunningShot {
  public:
    explicit RunningShot(std::int16_t& count) : count_(count) { ++count_; }
    ~RunningShot() { --count_; }
    RunningShot(const RunningShot&) = delete;
    RunningShot& operator=(const RunningShot&) = delete;

  private:
    std::int16_t& count_;
};

class FormMain : public Form {
  public:
    explicit FormMain(Platform& platform);
    ~FormMain() override;

    // --- Settings group: read and set by the secondary windows ---
    std::string NameBeginner, NameIntermediate, NameExpert, NamePro;
    std::int16_t HighScoreBeginner = 0, HighScoreIntermediate = 0, HighScoreExpert = 0,
                 HighScorePro = 0;
    Color ColorCups = 0, ColorCupsOpponent = 0, ColorTable = 0, ColorBall = 0, ColorHand = 0;
    double CalibrationFactor = 0;

    // --- Public methods ---
    void InitCameraVars();
    void CalibrateToSystem();
    void GetPower();
    void GetAngle();
    void GetAzimuth();
    void DrawScene();
    Picture& Picture1() { return *picture1_; }

    void CloseRequested() override;  // Form_Unload: closing the main window ends the program

  protected:
    void Form_Load() override;

  private:
    friend class GameStateProbe;
    friend struct GameStateProbeAccess;

    // --- core/: controls, start-up and reset (form_main.cpp) ---
    void DeclareControls();
    void DeclareMenus();
    void WireHandlers();
    void ResetGame();
    void LayOutRacks();
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
    void ChooseMenuItem(const char* itemName, void (*setMember)(FormMain&));

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
    std::int64_t FlyBallAt(const FlightLaunch& launch, const FlightRack& rack, bool towardNearRack,
                           Flag& inCup);
    void StartPlayerTurn();
    void ScoreMadePlayerShot();
    void CelebrateWin();
    void RecordHighScore();
    void HandOverAfterPlayerShot();
    void ShowShootingPercentage();
    void ParkFarRack();
    void RestoreParkedFarRack();
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
    void RestoreParkedNearRack();
    void ScoreOpponentMake();
    void EndOpponentTurn();
    bool NumericShotRefused();

    // --- view/: camera, projection, scene ---
    void ProjectPoint(const double& x, const double& y, const double& z, const double& length,
                      const double& tilt, const double& turn, const double& camX,
                      const double& camY, const double& camZ, double& screenX, double& screenY,
                      double& screenLength, double& flatness);
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

    // ===== Members =====

    // Levels and game type
    double SkillFactor = 0;
    double OpponentErrorScale = 0;
    Flag HeadToHead = kFalse;

    // Shot input
    std::int16_t ShotPhase = 0;
    double Power = 0, Angle = 0, Azimuth = 0;
    double PowerMeterDelay = 0, AngleMeterDelay = 0, AzimuthMeterDelay = 0;
    double HandX = 0, HandY = 0, HandZ = 0;
    double HandSize = 0;

    // Turn flow and statistics
    std::int16_t ShotsTaken = 0;
    Flag GameRestarted = kFalse;
    Flag StopFlight = kFalse;
    Flag Paused = kFalse;
    Flag Replaying = kFalse;
    Flag NumericShotUsed = kFalse;
    // Turns of either side under way, from the throw to the hand-over. A reset
    // does not end them, so the phase alone cannot tell; more than one would
    // be a ball thrown inside another's flight.
    std::int16_t ShotsRunning = 0;

    // Table, cups and ball
    std::array<double, 5> TableCornerX{}, TableCornerY{}, TableCornerZ{};
    std::array<double, 5> TableCornerScreenX{}, TableCornerScreenY{};
    double CupRadius = 0, CupHeight = 0, CupBaseRadius = 0;
    double BallX = 0, BallY = 0, BallZ = 0;
    double BallRadius = 0;
    double TableBounce = 0, RimBounce = 0, WallBounce = 0;
    double FlightDelay = 0;
    double SlowFactor = 0;
    Flag BallInCup = kFalse;
    std::int16_t NearestCup = 0;

    // Far rack: the player's target
    std::int16_t CupsLeft = 0;
    CupArray<Flag> CupStanding{};
    CupArray<double> CupX{}, CupZ{};
    double RackZ = 0, RackHomeZ = 0, RackBaseY = 0;

    // Near rack: the opponent's target
    std::int16_t OpponentCupsLeft = 0;
    CupArray<Flag> OpponentCupStanding{};
    CupArray<double> OpponentCupX{}, OpponentCupZ{};
    double OpponentRackZ = 0, OpponentRackHomeZ = 0, OpponentRackY = 0;

    // Opponent
    double OpponentHandX = 0, OpponentHandY = 0, OpponentHandZ = 0;
    double OpponentPowerSpread = 0, OpponentAngleSpread = 0, OpponentAzimuthSpread = 0;

    // Replay records
    double LastPower = 0, LastAngle = 0, LastAzimuth = 0;
    double LastHandX = 0, LastHandY = 0, LastHandZ = 0;
    CupArray<Flag> PreShotCupStanding{};
    CupArray<double> PreShotCupX{}, PreShotCupZ{};
    double PreShotRackZ = 0, PreShotRackHomeZ = 0, PreShotRackBaseY = 0;
    CupArray<Flag> ParkedCupStanding{};
    CupArray<double> ParkedCupX{}, ParkedCupZ{};
    double ParkedRackZ = 0, ParkedRackHomeZ = 0, ParkedRackBaseY = 0;
    double LastOpponentPower = 0, LastOpponentAngle = 0, LastOpponentAzimuth = 0;
    double LastOpponentHandX = 0, LastOpponentHandY = 0, LastOpponentHandZ = 0;
    CupArray<Flag> PreShotOpponentCupStanding{};
    CupArray<double> PreShotOpponentCupX{}, PreShotOpponentCupZ{};
    double PreShotOpponentRackZ = 0, PreShotOpponentRackHomeZ = 0, PreShotOpponentRackY = 0;
    CupArray<Flag> ParkedOpponentCupStanding{};
    CupArray<double> ParkedOpponentCupX{}, ParkedOpponentCupZ{};
    double ParkedOpponentRackZ = 0, ParkedOpponentRackHomeZ = 0, ParkedOpponentRackY = 0;

    // Camera
    double ViewCenterX = 0, ViewCenterY = 0;
    double FocalLength = 0;
    double CameraX = 0, CameraY = 0, CameraZ = 0;
    double CameraHomeX = 0, CameraHomeY = 0, CameraHomeZ = 0;
    double CameraTilt = 0, CameraRotate = 0;

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

    // ===== Secondary windows, created on first use =====
    std::unique_ptr<FormColors> formColors_;
    std::unique_ptr<FormCalibrate> formCalibrate_;
    std::unique_ptr<FormHighScores> formHighScores_;
    std::unique_ptr<FormHelp> formHelp_;
    std::unique_ptr<FormAbout> formAbout_;
};

}  // namespace dorvanta
