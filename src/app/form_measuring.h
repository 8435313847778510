// The notice a start shows while it measures the machine for a new player's
// data file: the window cannot answer the player meanwhile, so it says why.
// Any desktop shows it, as it shows the game's own windows.
#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMeasuring : public Form {
  public:
    explicit FormMeasuring(Platform& platform);
};

}  // namespace dorvanta
