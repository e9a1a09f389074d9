#pragma once
// The status sheet's Statistics page: the program's page on the library's template 321, with
// the driver-access object taken from the application object, no title font, no access-point
// test, its own signal query each tick and the tick timer kept as the Connection Status page
// keeps it.

#include "pages/PageDiagnostics.h"
#include "resources/PropResourceIds.h"

inline constexpr StatisticsPageIds kPropStatisticsIds = {
    zephra::res::IDD_PROP_STATISTICS, 1387, 1401, 1400, 1402, 1403, 1404, 1405, 1406, 1396, 1397, 1398, "SignalStrength",
};

class CPropPageDiagnostics : public CPageDiagnostics {
public:
    CPropPageDiagnostics();

    // The identifier of the tick timer's last start that was kept; 0 when none is.
    UINT_PTR m_nRefreshTimer = 0;

    BOOL OnInitDialog() override;

protected:
    bool HasAccessPoint() override { return true; }
    void RefreshSignal() override;
    void StopTimerForTick() override;
    void RestartTimerAfterTick() override;

    DECLARE_MESSAGE_MAP()
};
