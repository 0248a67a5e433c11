#pragma once

namespace vorn {

// Whether the session has a bus: named in the environment, as desktops do,
// or the user's bus in the runtime folder. Where there is neither, the first
// use of the bus makes the bus library start a bus daemon of its own for the
// X display (autolaunch), which outlives the game and takes longer than the
// rest of its start.
bool SessionBusRunning();

// Whether starting the accessibility bridge would first start a bus daemon:
// where accessibility goes over the session bus (Linux and other Unix
// desktops) and the session has no bus.
bool AccessibilityWouldStartABus();

}  // namespace vorn
