#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormColors : public Form {
  public:
    FormColors(Platform& platform, FormMain& main);

  private:
    FormMain& main_;
};

}  // namespace dorvanta
