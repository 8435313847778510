// Named access to a running game's state, for the lab's scenarios and the
// tests: every member by the name the game gives it ("CupsLeft",
// "CupStanding(7)", "OpponentRackY", "LastPower", "CameraX"), read and set as
// a number, and the four high-score names as text. Setting refuses a value the
// member's type cannot hold. It goes through the one access the main window
// gives to its state and changes nothing else.
#pragma once

#include <string>
#include <vector>

#include "core/form_main.h"

namespace dorvanta {

class GameStateProbe {
  public:
    explicit GameStateProbe(FormMain& main) : main_(main) {}

    // Numeric members and elements of the per-cup and corner arrays, as doubles.
    // Throws std::out_of_range for an unknown name or a value the member cannot hold.
    double Get(const std::string& name) const;
    void Set(const std::string& name, double value);
    // The four high-score names: NameBeginner, NameIntermediate, NameExpert, NamePro.
    std::string GetString(const std::string& name) const;
    void SetString(const std::string& name, const std::string& value);
    bool Has(const std::string& name) const;
    // Every numeric name, arrays expanded ("CupX(1)" … "CupX(10)").
    std::vector<std::string> Names() const;

  private:
    FormMain& main_;
};

}  // namespace dorvanta
