// Named access to the main window's private state for tests and the lab's
// scenario runner: members by their names ("CupsLeft", "CupStanding(7)"),
// and pass-throughs to private procedures a test needs to call directly.
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace dorvanta {

class GameStateProbe {
  public:
    explicit GameStateProbe(FormMain& main) : main_(main) {}

    // Numeric members and elements of the per-cup and corner arrays, as doubles.
    // Throws std::out_of_range for an unknown name or index, and Set for a value
    // the member's type cannot hold (a fraction or out of range for an integer).
    double Get(const std::string& name) const;
    void Set(const std::string& name, double value);
    // The four high-score names.
    std::string GetString(const std::string& name) const;
    void SetString(const std::string& name, const std::string& value);
    bool Has(const std::string& name) const;
    // Every numeric name, arrays expanded ("CupX(1)" … "CupX(10)").
    std::vector<std::string> Names() const;

    // Private procedures.
    void ResetGame() { main_.ResetGame(); }
    void DrawMeters() { main_.DrawMeters(); }
    void PlayerShot() { main_.PlayerShot(); }
    // The cup positions of a new game's far or near rack (lays the racks out).
    void NewRackLayout(bool nearRack, CupArray<double>& cupX, CupArray<double>& cupZ) {
        main_.LayOutRacks();
        cupX = nearRack ? main_.OpponentCupX : main_.CupX;
        cupZ = nearRack ? main_.OpponentCupZ : main_.CupZ;
    }
    void OpponentShot() { main_.OpponentShot(); }
    void ProjectPoint(double x, double y, double z, double length, double& screenX, double& screenY,
                      double& screenLength, double& flatness) {
        main_.ProjectPoint(x, y, z, length, main_.CameraTilt, main_.CameraRotate, main_.CameraX,
                           main_.CameraY, main_.CameraZ, screenX, screenY, screenLength, flatness);
    }

    FormMain& Main() { return main_; }
    // A secondary window ("FormCalibrate", "FormHighScores", ...) while it is
    // loaded; nullptr before its first use, after it was unloaded, or for an
    // unknown name.
    Form* SecondaryForm(const std::string& name) const;

  private:
    std::string& NameMember(const std::string& name) const;

    FormMain& main_;
};

}  // namespace dorvanta
