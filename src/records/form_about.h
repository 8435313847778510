#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormAbout : public Form {
  public:
    FormAbout(Platform& platform, FormMain& main);

  private:
    FormMain& main_;
};

}  // namespace dorvanta
