// SCAFFOLDING: subcommands not landed yet; each is deleted here when it lands.
#include "lab_commands.h"

namespace dorvanta::lab {

int RunProject(const Arguments&) {
    return 2;
}

}  // namespace dorvanta::lab
