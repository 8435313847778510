// The about window: the product's name, version and web address (if the maker
// gave one) beside a small drawn icon. It reads no game state; OK unloads it, so the next About
// builds a fresh one.
#pragma once

#include "core/product.h"
#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormAbout : public Form {
  public:
    // The main window is not used: every secondary window is built the same way.
    FormAbout(Platform& platform, FormMain& main, MakerAddresses addresses = {});

  protected:
    void Form_Load() override;

  private:
    void DrawIcon();
    void cmdOK_Click();

    Picture* picIcon_ = nullptr;
};

}  // namespace dorvanta
