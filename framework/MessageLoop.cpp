#include "framework/MessageLoop.h"

#include <algorithm>
#include <limits>

#include "framework/Presenter.h"
#include "framework/Window.h"
#include "framework/WinUser.h"
#include "platform/Time.h"

namespace fw {

MessageLoop& MessageLoop::instance()
{
    static MessageLoop loop;
    return loop;
}

void MessageLoop::post(const MSG& msg)
{
    m_posted.push_back(msg);
    platform::WakeWaiter();
}

void MessageLoop::post_quit(int exit_code)
{
    m_quit = true;
    m_exit_code = exit_code;
    platform::WakeWaiter();
}

void MessageLoop::invalidate(HWND window)
{
    if (std::find(m_paint.begin(), m_paint.end(), window) == m_paint.end())
        m_paint.push_back(window);
}

void MessageLoop::forget(HWND window)
{
    std::erase_if(m_posted, [&](const MSG& m) { return m.hwnd == window; });
    std::erase(m_paint, window);
    m_timers.kill_all(window);
}

void MessageLoop::reset()
{
    m_posted.clear();
    m_paint.clear();
    m_timers = TimerTable();
    m_quit = false;
    m_exit_code = 0;
}

bool MessageLoop::take_ready(MSG& out)
{
    if (!m_posted.empty()) {
        out = m_posted.front();
        m_posted.pop_front();
        return true;
    }
    if (m_quit) {
        out = MSG{};
        out.message = WM_QUIT;
        out.wParam = static_cast<WPARAM>(m_exit_code);
        return true;
    }
    while (!m_paint.empty()) {
        HWND window = m_paint.front();
        m_paint.pop_front();
        if (FromHandle(window) != nullptr) {
            out = MSG{};
            out.hwnd = window;
            out.message = WM_PAINT;
            return true;
        }
    }
    if (auto timer = m_timers.take_due(GetTickCount64())) {
        out = *timer;
        return true;
    }
    return false;
}

bool MessageLoop::peek(MSG& out, bool remove)
{
    if (remove) {
        if (!take_ready(out))
            return false;
        if (out.message == WM_QUIT)
            m_quit = false;
        return true;
    }
    std::deque<MSG> saved_posted = m_posted;
    std::deque<HWND> saved_paint = m_paint;
    TimerTable saved_timers = m_timers;
    const bool found = take_ready(out);
    m_posted = std::move(saved_posted);
    m_paint = std::move(saved_paint);
    m_timers = std::move(saved_timers);
    return found;
}

bool MessageLoop::get(MSG& out)
{
    if (!take_ready(out)) {
        const std::uint64_t deadline = m_timers.next_due().value_or(std::numeric_limits<std::uint64_t>::max());
        if (Presenter* presenter = CurrentPresenter())
            presenter->wait_for_events(deadline);
        else
            platform::WaitUntil(deadline);
        // Input fed in during the wait may have ended a modal loop without queueing anything:
        // an empty message lets the caller look at its condition again.
        if (!take_ready(out)) {
            out = MSG{};
            out.message = WM_NULL;
        }
    }
    if (out.message == WM_QUIT) {
        m_quit = false;
        return false;
    }
    return true;
}

void MessageLoop::dispatch(const MSG& msg)
{
    if (!PreTranslateMessage(msg))
        DispatchMessage(&msg);
}

bool RunModalLoop(const std::function<bool()>& done)
{
    MessageLoop& loop = MessageLoop::instance();
    while (!done()) {
        MSG msg;
        if (!loop.get(msg)) {
            loop.post_quit(static_cast<int>(msg.wParam));
            return false;
        }
        loop.dispatch(msg);
    }
    return true;
}

void RunMessagesUntil(std::uint64_t until_ms)
{
    MessageLoop& loop = MessageLoop::instance();
    for (;;) {
        MSG msg;
        while (loop.peek(msg, false) && msg.message != WM_QUIT) {
            loop.peek(msg, true);
            loop.dispatch(msg);
        }
        const auto due = loop.timers().next_due();
        if (!due || *due > until_ms)
            break;
        platform::WaitUntil(std::max<std::uint64_t>(*due, GetTickCount64()));
    }
    if (GetTickCount64() < until_ms)
        platform::WaitUntil(until_ms);
}

}  // namespace fw
