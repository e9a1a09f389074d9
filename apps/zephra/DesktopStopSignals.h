#pragma once
// A stop signal wakes the program's loop through the platform; on the desktop the loop
// sleeps in Qt's event wait instead, so the handlers installed at start are chained with
// one that wakes that wait too. Call once the program has installed its handlers.

namespace zephra_app {

void ChainStopSignalsToDesktop();

}  // namespace zephra_app
