#pragma once
// SIGINT and SIGTERM ask the program to close: the handler only notes it and wakes the
// message loop, which closes the main window as a user's close would.

namespace zephra_app {

void InstallStopSignals();
bool StopRequested();
// For tests: as if a stop signal had arrived, or not.
void SetStopRequested(bool requested);

}  // namespace zephra_app
