// The adapter's driver: its parameters in the driver key, and its restart so that it reads
// them again.

#include "driver/PrtUtil.h"
#include "framework/WaitCursor.h"
#include "pages/PageAdvanced.h"
#include "platform/Time.h"
#include "registry/DriverParams.h"

namespace {
// Lets the closed session settle before the device restarts, and the restarted driver bind
// and come up before the page is used again.
constexpr DWORD kAfterCloseMs = 700;
constexpr DWORD kAfterOpenMs = 1500;
}  // namespace

CString CPageAdvanced::GetDriverParam(LPCSTR name) { return ReadDriverParam(*m_pPrtUtil, name); }

void CPageAdvanced::SetDriverParam(LPCSTR name, LPCSTR value) { WriteDriverParam(*m_pPrtUtil, name, value); }

void CPageAdvanced::OnRestartDriver()
{
    CWaitCursor wait;
    m_btnRestart.EnableWindow(FALSE);
    CPrtUtil& prt = *m_pPrtUtil;
    prt.CloseSession();
    Sleep(kAfterCloseMs);
    prt.RestartDevice();
    prt.OpenSession();
    Sleep(kAfterOpenMs);
    m_btnRestart.EnableWindow(TRUE);
}
