#include "apps/zephra/StopSignals.h"

#include <csignal>

#include "platform/Time.h"

namespace zephra_app {

namespace {
volatile std::sig_atomic_t g_stop = 0;

extern "C" void OnStopSignal(int)
{
    g_stop = 1;
    platform::WakeWaiter();
}
}  // namespace

void InstallStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool StopRequested() { return g_stop != 0; }
void SetStopRequested(bool requested) { g_stop = requested ? 1 : 0; }

}  // namespace zephra_app
