// The help window: a few fixed notes for a new player and where to ask for
// more, if the maker gave an address. It reads no game state; OK hides it and
// the next Help shows it again.
#pragma once

#include "core/product.h"
#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormHelp : public Form {
  public:
    // The main window is not used: every secondary window is built the same way.
    FormHelp(Platform& platform, FormMain& main, MakerAddresses addresses = {});

  private:
    void CommandOkay_Click();
};

}  // namespace dorvanta
