#pragma once
// Page 3 of the sheet, "Statistics": signal strength, transmit and receive throughput and
// three strip charts, refreshed once a second while the page is active.
//
// The device property pages carry a variant of this page on another template. What differs
// is gathered here: the control ids and the signal chart's caption (StatisticsPageIds), and
// the few tick steps a derived page overrides (the access-point test, reading the signal,
// stopping and restarting the timer around a tick).

#include "controls/OScopeCtrl.h"
#include "framework/CComboBox.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/gdi/CFont.h"
#include "resources/ResourceIds.h"

class CPrtUtil;

struct StatisticsPageIds {
    UINT templateId;
    int title;
    int txMax;
    int rxMax;
    int txRate;
    int rxRate;
    int txUnit;
    int rxUnit;
    int signalDbm;
    int txChart;
    int rxChart;
    int signalChart;
    const char* signalCaption;
};

// The program's page.
inline constexpr StatisticsPageIds kProgramStatisticsIds = {
    zephra::res::IDD_STATISTICS, 1387, 1334, 1333, 1397, 1398, 1399, 1400, 1338, 1402, 1403, 1401, "Signal Strength",
};

class CPageDiagnostics : public CPropertyPage {
    DECLARE_DYNCREATE(CPageDiagnostics)

public:
    CPageDiagnostics();

    DWORD m_prevCounters[6] = {};
    int m_nTxBps = 0;
    int m_nRxBps = 0;
    int m_nSignalLevel = 0;
    CFont m_fontTitle;
    CStatic m_stcTitle;
    CComboBox m_cbTxMax;
    CComboBox m_cbRxMax;
    CString m_strRxRate;
    CString m_strTxRate;
    int m_nSignalDbm = 0;
    CString m_strRxUnit;
    CString m_strTxUnit;
    CString m_strRxMax;
    CString m_strTxMax;
    COScopeCtrl m_chartTx;
    COScopeCtrl m_chartRx;
    COScopeCtrl m_chartSignal;
    CPrtUtil* m_pPrtUtil = nullptr;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* dx) override;

    // Bits of one tick as a number with two decimals and its unit ("bps", "Kbps", "Mbps").
    static void FormatRate(int bits, CString& number, CString& unit);
    // The height the signal chart plots for a signal strength in dBm.
    static int SignalToLevel(int dbm);

protected:
    explicit CPageDiagnostics(const StatisticsPageIds& ids);

    void OnTimer(UINT_PTR nIDEvent);
    void OnSelchangeTxMax();
    void OnSelchangeRxMax();

    // The tick's steps that a variant of the page changes.
    // True when rates and signal are to be read: the adapter has an access point.
    virtual bool HasAccessPoint();
    // Makes the driver-access object's m_nRssi current; the tray's timer already does.
    virtual void RefreshSignal() {}
    virtual void StopTimerForTick();
    virtual void RestartTimerAfterTick();

    // Returns the timer's identifier, 0 when it could not be started.
    UINT_PTR StartTickTimer();
    void StopTickTimer();
    void CreateTitleFont();

    const StatisticsPageIds& m_ids;

    DECLARE_MESSAGE_MAP()

private:
    enum class Direction { Transmit, Receive };
    void BuildRateChart(Direction direction);
    void BuildSignalChart();
    // Destroys the chart's window and creates it again over its placeholder, empty.
    void PlaceChart(COScopeCtrl& chart, int placeholderId);
    void ApplyChartColors(COScopeCtrl& chart);
    void ShowNoLink();
    void ReadRates();
    void AddSamples();

    static BOOL s_bTitleFontCreated;
};
