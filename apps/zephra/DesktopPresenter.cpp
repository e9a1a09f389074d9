#include "apps/zephra/DesktopPresenter.h"

#include "apps/zephra/DesktopStopSignals.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/WinUser.h"
#include "resources/ResourceIds.h"

namespace zephra_app {

void DesktopPresenter::wait_for_events(std::uint64_t deadline_ms)
{
    ChainStopSignalsToDesktop();
    if (m_open_at_start) {
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr) {
            m_open_at_start = false;
            // As the tray menu's Show would: the window is wanted now, not a second later.
            ::PostMessage(main->m_hWnd, WM_COMMAND, zephra::res::ID_TRAY_SHOW, 0);
            return;
        }
    }
    ForwardingPresenter::wait_for_events(deadline_ms);
}

}  // namespace zephra_app
