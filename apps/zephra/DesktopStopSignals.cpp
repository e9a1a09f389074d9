#include "apps/zephra/DesktopStopSignals.h"

#include <csignal>

#include "qtview/SignalWake.h"

namespace zephra_app {

namespace {
struct sigaction g_interrupt_before = {};
struct sigaction g_terminate_before = {};

extern "C" void OnDesktopStopSignal(int signal_number)
{
    const struct sigaction& before = signal_number == SIGINT ? g_interrupt_before : g_terminate_before;
    if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN && before.sa_handler != nullptr)
        before.sa_handler(signal_number);
    qtview::WakeFromSignal();
}

void Chain(int signal_number, struct sigaction& before)
{
    struct sigaction action = {};
    action.sa_handler = OnDesktopStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(signal_number, &action, &before);
}
}  // namespace

void ChainStopSignalsToDesktop()
{
    static bool chained = false;
    if (chained)
        return;
    chained = true;
    Chain(SIGINT, g_interrupt_before);
    Chain(SIGTERM, g_terminate_before);
}

}  // namespace zephra_app
