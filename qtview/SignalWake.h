#pragma once
// Ends the presenter's wait on Qt's events from a signal handler: the handler writes to a
// pipe that Qt's event loop watches.

#include <functional>

class QSocketNotifier;

namespace qtview {

// Safe in a signal handler; does nothing while no SignalWake exists.
void WakeFromSignal();

class SignalWake {
public:
    // `woken` runs in the event loop after a wake.
    explicit SignalWake(std::function<void()> woken);
    ~SignalWake();
    SignalWake(const SignalWake&) = delete;
    SignalWake& operator=(const SignalWake&) = delete;

private:
    int m_read = -1;
    int m_write = -1;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace qtview
