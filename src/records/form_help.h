#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormHelp : public Form {
  public:
    FormHelp(Platform& platform, FormMain& main);

  private:
    FormMain& main_;
};

}  // namespace dorvanta
