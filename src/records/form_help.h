// The help window: a few fixed notes for a new player and where to ask for
// more. It reads no game state; OK hides it and the next Help shows it again.
#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormHelp : public Form {
  public:
    // The main window is not used: every secondary window is built the same way.
    FormHelp(Platform& platform, FormMain& main);

  private:
    void CommandOkay_Click();
};

}  // namespace dorvanta
