#include "apps/zephra/ProgramPresenter.h"

#include <malloc.h>

#include "apps/zephra/MeasureMarks.h"
#include "apps/zephra/StopSignals.h"
#include "framework/CWnd.h"
#include "framework/WinUser.h"

namespace zephra_app {

void ProgramPresenter::window_created(HWND window)
{
    m_directory.publish(window);
    m_display.window_created(window);
}

void ProgramPresenter::window_destroyed(HWND window)
{
    m_directory.withdraw(window);
    m_display.window_destroyed(window);
}

void ProgramPresenter::window_changed(HWND window, fw::Change what)
{
    if (what == fw::Change::Text)
        m_directory.publish(window);
    m_display.window_changed(window, what);
}

void ProgramPresenter::wait_for_events(std::uint64_t deadline_ms)
{
    // The loop is idle: from here on the program answers the user at once.
    MeasureMark("answers");
    if (!m_startHeapReturned) {
        // Start-up reads whole documents (the language library, the machine's scenario) and
        // drops them again; their free pages would otherwise stay with a program that idles
        // in the tray for days.
        m_startHeapReturned = true;
        malloc_trim(0);
    }
    m_display.wait_for_events(deadline_ms);
    if (!StopRequested() || m_closeSent)
        return;
    m_closeSent = true;
    // Closed as a user's close would: the frame removes its icon and closes the session.
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr)
        ::PostMessage(main->m_hWnd, WM_CLOSE, 0, 0);
    else
        ::PostQuitMessage(0);
}

}  // namespace zephra_app
