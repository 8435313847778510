// The window for typing the calibration factor by hand. It is loaded once and
// then only hidden. Every showing starts from the factor in force, so a text
// left from an earlier visit cannot undo a calibration made since.
#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormCalibrate : public Form {
  public:
    FormCalibrate(Platform& platform, FormMain& main);

    // Shows the window; a hidden one first takes the current factor's text.
    void ShowCurrentFactor();

  private:
    void CommandOkay_Click();
    void CommandCancel_Click();
    void FillCurrentFactor();

    FormMain& main_;
    TextBox* TextCalibrationFactor = nullptr;
};

}  // namespace dorvanta
