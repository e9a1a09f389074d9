#include "propprovider/PropPageDiagnostics.h"

#include "driver/PrtUtil.h"
#include "propprovider/ZephraPropApp.h"

BEGIN_MESSAGE_MAP(CPropPageDiagnostics, CPageDiagnostics)
    ON_CBN_SELCHANGE(kPropStatisticsIds.txMax, OnSelchangeTxMax)
    ON_CBN_SELCHANGE(kPropStatisticsIds.rxMax, OnSelchangeRxMax)
END_MESSAGE_MAP()

CPropPageDiagnostics::CPropPageDiagnostics() : CPageDiagnostics(kPropStatisticsIds) {}

BOOL CPropPageDiagnostics::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = ThePropApp().m_pPrtUtil;
    return TRUE;
}

void CPropPageDiagnostics::RefreshSignal() { m_pPrtUtil->QueryRssi(); }

// Activation starts the timer without keeping its identifier, so the first tick leaves it
// running and only later ticks stop it.
void CPropPageDiagnostics::StopTimerForTick()
{
    if (m_nRefreshTimer == 0)
        return;
    StopTickTimer();
    m_nRefreshTimer = 0;
}

void CPropPageDiagnostics::RestartTimerAfterTick()
{
    if (m_nRefreshTimer == 0)
        m_nRefreshTimer = StartTickTimer();
}
