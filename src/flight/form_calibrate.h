// The window for typing the calibration factor by hand. It is loaded once and
// then only hidden, so a later showing keeps the text the box last held.
#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormCalibrate : public Form {
  public:
    FormCalibrate(Platform& platform, FormMain& main);

  protected:
    void Form_Load() override;

  private:
    void CommandOkay_Click();
    void CommandCancel_Click();
    void ShowCurrentFactor();

    FormMain& main_;
    TextBox* TextCalibrationFactor = nullptr;
};

}  // namespace dorvanta
