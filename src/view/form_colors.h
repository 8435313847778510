// The colour options window: six rows of eleven swatches, one row per thing
// that can be recoloured (the field background, ball, table, both racks, the
// hand cross). A click applies its colour at once and redraws; there is no
// confirmation, no undo and nothing is remembered beyond the run.
#pragma once

#include "core/game_state.h"
#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormColors : public Form {
  public:
    FormColors(Platform& platform, FormMain& main);

  private:
    // Every swatch runs this one handler with its own target and colour; the
    // target is the main window's colour member, or none for the background.
    void Swatch_Click(Color SettingsGroup::*target, Color color);

    FormMain& main_;
};

}  // namespace dorvanta
