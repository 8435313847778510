#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormCalibrate : public Form {
  public:
    FormCalibrate(Platform& platform, FormMain& main);

  private:
    FormMain& main_;
};

}  // namespace dorvanta
