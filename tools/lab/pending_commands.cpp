// SCAFFOLDING: subcommands not landed yet; each is deleted here when it lands.
#include "lab_commands.h"

namespace dorvanta::lab {


}  // namespace dorvanta::lab
