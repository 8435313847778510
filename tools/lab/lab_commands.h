// The subcommands of dorvanta-lab. Each returns the process exit status:
// 0 on success, 1 on a failed expectation, 2 on bad arguments.
#pragma once

#include <string>
#include <vector>

namespace dorvanta::lab {

using Arguments = std::vector<std::string>;

int RunProject(const Arguments& args);
int RunFlight(const Arguments& args);
int RunScenario(const Arguments& args);
int RunMonkey(const Arguments& args);
int RunStore(const Arguments& args);

}  // namespace dorvanta::lab
