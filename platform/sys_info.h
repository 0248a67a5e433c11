#pragma once

#include <string>
#include <vector>

namespace vorn {

// Starts the system's information viewer, detached, in a window of its own.
// False when there is none or it cannot be started.
bool StartSystemInformationViewer();

// The viewers looked for on the PATH where there is no registry, best first.
const std::vector<std::string>& KnownInformationViewers();

}  // namespace vorn
