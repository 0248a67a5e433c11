#pragma once

#include <functional>

namespace vorn {

// Runs `onTerminate` on the user-interface thread when the process is asked
// to end (SIGTERM, SIGINT, SIGHUP), so that the program can close as on a
// logout. Call once, after the application object exists.
void OnTerminationRequest(std::function<void()> onTerminate);

}  // namespace vorn
