#pragma once
// The message queue of the one user-interface thread: posted messages first, then paint
// requests, then due timers; while none is ready the loop waits on the presenter, or on the
// platform's clock when headless.

#include <cstdint>
#include <deque>
#include <functional>

#include "framework/Messages.h"
#include "framework/TimerTable.h"

namespace fw {

class MessageLoop {
public:
    static MessageLoop& instance();

    void post(const MSG& msg);
    void post_quit(int exit_code);
    // The next message, waiting for one; false for the quit request (its code in wParam).
    bool get(MSG& out);
    // The next message without waiting, taken from the queue when `remove` is set.
    bool peek(MSG& out, bool remove);
    // Dispatches one message, letting the windows it passes translate it first.
    void dispatch(const MSG& msg);

    TimerTable& timers() { return m_timers; }
    // Drops what is queued for a destroyed window.
    void forget(HWND window);
    void invalidate(HWND window);
    // Resets everything: for a test that starts a fresh program in the same process.
    void reset();

private:
    bool take_ready(MSG& out);

    std::deque<MSG> m_posted;
    std::deque<HWND> m_paint;
    TimerTable m_timers;
    bool m_quit = false;
    int m_exit_code = 0;
};

// Runs messages until `done()` holds. Returns false when a quit request ended it early; the
// request is then posted again for the loop outside, as the platform's modal loops do.
bool RunModalLoop(const std::function<bool()>& done);
// Runs every message and timer due up to the tick count `until_ms`, then sets the clock
// there. For tests that drive a loop without a presenter (a virtual clock is installed).
void RunMessagesUntil(std::uint64_t until_ms);

}  // namespace fw
