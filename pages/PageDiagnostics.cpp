#include "pages/PageDiagnostics.h"

#include <cstring>

#include "driver/PrtUtil.h"
#include "framework/DataExchange.h"
#include "pages/TitleFont.h"
#include "shell/PropSheet.h"

namespace {
constexpr UINT_PTR kTickTimerId = 1;
constexpr UINT kTickPeriodMs = 1000;

constexpr char kNoAccessPoint[] = "00:00:00:00:00:00";
constexpr char kNoRate[] = "0.0";
constexpr int kNoSignalDbm = -200;

// Words of the adapter's traffic counter record.
constexpr int kTxBytesWord = 1;
constexpr int kRxBytesWord = 4;
constexpr int kCounterWords = 6;
constexpr DWORD kBitsPerByte = 8;

// The MAX bps lists: list index to the chart's upper limit and the text kept for it.
struct RateScale {
    double upper;
    const char* text;
};
constexpr RateScale kRateScales[] = {
    {512000, "512K"}, {1000000, "1M"}, {2000000, "2M"}, {5000000, "5M"}, {10000000, "10M"}, {20000000, "20M"}, {50000000, "50M"},
};
constexpr int kRateScaleCount = static_cast<int>(sizeof kRateScales / sizeof kRateScales[0]);
constexpr int kScaleOnActivation = 3;  // "5M"
constexpr int kRateDecimals = 1;

// The signal chart plots a level between "Low" and "High".
constexpr double kSignalLower = 1;
constexpr double kSignalUpper = 60000000;

struct SignalBand {
    int lowestDbm;  // the band holds lowestDbm <= dBm < the band above's lowest (0 for the first)
    int level;
};
constexpr SignalBand kSignalBands[] = {
    {-48, 56000000}, {-56, 48000000}, {-64, 42000000}, {-72, 36000000},
    {-80, 30000000}, {-88, 24000000}, {-100, 18000000}, {-134, 12000000},
};

constexpr COLORREF kChartBack = RGB(0, 0, 64);
constexpr COLORREF kChartFrame = RGB(192, 192, 255);
constexpr COLORREF kChartTrace = RGB(255, 255, 255);
constexpr COLORREF kChartFill = RGB(100, 100, 255);

constexpr float kMega = 1000000.0f;
constexpr float kKilo = 1000.0f;

DWORD CounterWord(const BYTE* record, int word)
{
    DWORD value;
    std::memcpy(&value, record + word * sizeof(DWORD), sizeof value);
    return value;
}

// Counters wrap at 32 bits: the unsigned difference is still the traffic of the tick.
int BitsBetween(DWORD previous, DWORD current)
{
    return static_cast<int>((current - previous) * kBitsPerByte);
}
}  // namespace

BOOL CPageDiagnostics::s_bTitleFontCreated = FALSE;

IMPLEMENT_DYNCREATE(CPageDiagnostics, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageDiagnostics, CPropertyPage)
    ON_WM_TIMER()
    // A variant on other control ids maps its own boxes to the same handlers.
    ON_CBN_SELCHANGE(kProgramStatisticsIds.txMax, OnSelchangeTxMax)
    ON_CBN_SELCHANGE(kProgramStatisticsIds.rxMax, OnSelchangeRxMax)
END_MESSAGE_MAP()

CPageDiagnostics::CPageDiagnostics() : CPageDiagnostics(kProgramStatisticsIds) {}

CPageDiagnostics::CPageDiagnostics(const StatisticsPageIds& ids)
    : CPropertyPage(ids.templateId),
      m_strRxRate(kNoRate),
      m_strTxRate(kNoRate),
      m_strRxUnit("bps"),
      m_strTxUnit("bps"),
      m_ids(ids)
{
}

void CPageDiagnostics::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, m_ids.title, m_stcTitle);
    DDX_Control(dx, m_ids.txMax, m_cbTxMax);
    DDX_Control(dx, m_ids.rxMax, m_cbRxMax);
    DDX_Text(dx, m_ids.rxRate, m_strRxRate);
    DDX_Text(dx, m_ids.txRate, m_strTxRate);
    DDX_Text(dx, m_ids.signalDbm, m_nSignalDbm);
    DDX_Text(dx, m_ids.rxUnit, m_strRxUnit);
    DDX_Text(dx, m_ids.txUnit, m_strTxUnit);
    DDX_CBString(dx, m_ids.rxMax, m_strRxMax);
    DDX_CBString(dx, m_ids.txMax, m_strTxMax);
}

BOOL CPageDiagnostics::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = &static_cast<CPropSheet*>(GetParent())->m_prtUtil;
    CreateTitleFont();
    m_stcTitle.SetFont(&m_fontTitle, FALSE);
    return TRUE;
}

// The page object lives as long as the sheet, so one font serves every opening of it.
void CPageDiagnostics::CreateTitleFont()
{
    if (s_bTitleFontCreated)
        return;
    s_bTitleFontCreated = TRUE;
    CreatePageTitleFont(m_fontTitle);
}

BOOL CPageDiagnostics::OnSetActive()
{
    std::memset(m_prevCounters, 0, sizeof m_prevCounters);
    m_cbTxMax.SetCurSel(kScaleOnActivation);
    m_cbRxMax.SetCurSel(kScaleOnActivation);
    BuildRateChart(Direction::Transmit);
    BuildRateChart(Direction::Receive);
    BuildSignalChart();
    m_nSignalLevel = 0;
    m_nTxBps = 0;
    m_nRxBps = 0;
    m_strTxRate = kNoRate;
    m_strRxRate = kNoRate;
    m_nSignalDbm = kNoSignalDbm;
    UpdateData(FALSE);
    StartTickTimer();
    return CPropertyPage::OnSetActive();
}

BOOL CPageDiagnostics::OnKillActive()
{
    StopTickTimer();
    return CPropertyPage::OnKillActive();
}

void CPageDiagnostics::OnTimer(UINT_PTR nIDEvent)
{
    // Stopped for the tick, so a slow tick never has the next one queued behind it.
    StopTimerForTick();
    if (m_pPrtUtil->m_bBound == 0) {
        ShowNoLink();
    } else {
        if (HasAccessPoint()) {
            ReadRates();
            RefreshSignal();
            m_nSignalDbm = m_pPrtUtil->m_nRssi;
            m_nSignalLevel = SignalToLevel(m_nSignalDbm);
        } else {
            ShowNoLink();
        }
        AddSamples();
    }
    UpdateData(FALSE);
    RestartTimerAfterTick();
    CPropertyPage::OnTimer(nIDEvent);
}

void CPageDiagnostics::OnSelchangeTxMax()
{
    StopTickTimer();
    BuildRateChart(Direction::Transmit);
    StartTickTimer();
}

void CPageDiagnostics::OnSelchangeRxMax()
{
    StopTickTimer();
    BuildRateChart(Direction::Receive);
    StartTickTimer();
}

bool CPageDiagnostics::HasAccessPoint()
{
    m_pPrtUtil->QueryBssid();
    return !(m_pPrtUtil->m_strBssid == kNoAccessPoint);
}

void CPageDiagnostics::StopTimerForTick() { StopTickTimer(); }
void CPageDiagnostics::RestartTimerAfterTick() { StartTickTimer(); }
UINT_PTR CPageDiagnostics::StartTickTimer() { return SetTimer(kTickTimerId, kTickPeriodMs); }
void CPageDiagnostics::StopTickTimer() { KillTimer(kTickTimerId); }

void CPageDiagnostics::ShowNoLink()
{
    m_strTxRate = kNoRate;
    m_strRxRate = kNoRate;
    m_nTxBps = 0;
    m_nRxBps = 0;
    m_nSignalDbm = kNoSignalDbm;
    m_nSignalLevel = 0;
}

// The rate is the traffic of one tick: the tick is taken for a second, not measured.
void CPageDiagnostics::ReadRates()
{
    m_pPrtUtil->QueryStatistics();
    const BYTE* record = m_pPrtUtil->m_pStatistics;
    if (m_prevCounters[kRxBytesWord] != 0) {
        m_nTxBps = BitsBetween(m_prevCounters[kTxBytesWord], CounterWord(record, kTxBytesWord));
        FormatRate(m_nTxBps, m_strTxRate, m_strTxUnit);
        m_nRxBps = BitsBetween(m_prevCounters[kRxBytesWord], CounterWord(record, kRxBytesWord));
        FormatRate(m_nRxBps, m_strRxRate, m_strRxUnit);
    } else {
        m_strTxRate = kNoRate;
        m_strRxRate = kNoRate;
        m_nTxBps = 0;
        m_nRxBps = 0;
    }
    for (int word = 0; word < kCounterWords; ++word)
        m_prevCounters[word] = CounterWord(record, word);
}

void CPageDiagnostics::AddSamples()
{
    m_chartTx.AddSample(m_nTxBps);
    m_chartRx.AddSample(m_nRxBps);
    m_chartSignal.AddSample(m_nSignalLevel);
}

void CPageDiagnostics::FormatRate(int bits, CString& number, CString& unit)
{
    float f = static_cast<float>(bits);
    if (f >= kMega) {
        unit = "Mbps";
        f = f / kMega;
    } else if (f >= kKilo) {
        unit = "Kbps";
        f = f / kKilo;
    } else {
        unit = "bps";
    }
    number.Format("%.2f", static_cast<double>(f));
}

int CPageDiagnostics::SignalToLevel(int dbm)
{
    if (dbm >= 0)
        return 0;
    for (const SignalBand& band : kSignalBands)
        if (dbm >= band.lowestDbm)
            return band.level;
    return 0;
}

void CPageDiagnostics::BuildRateChart(Direction direction)
{
    const bool transmit = direction == Direction::Transmit;
    COScopeCtrl& chart = transmit ? m_chartTx : m_chartRx;
    CComboBox& box = transmit ? m_cbTxMax : m_cbRxMax;
    CString& maxText = transmit ? m_strTxMax : m_strRxMax;

    UpdateData(TRUE);
    PlaceChart(chart, transmit ? m_ids.txChart : m_ids.rxChart);
    const int selection = box.GetCurSel();
    if (selection >= 0 && selection < kRateScaleCount) {
        chart.SetScale(0, kRateScales[selection].upper, kRateDecimals);
        maxText = kRateScales[selection].text;
    }
    chart.SetYLabel("");
    chart.SetXLabel(transmit ? "Tx" : "Rx");
    ApplyChartColors(chart);
    (transmit ? m_nTxBps : m_nRxBps) = 0;
}

void CPageDiagnostics::BuildSignalChart()
{
    UpdateData(TRUE);
    PlaceChart(m_chartSignal, m_ids.signalChart);
    m_chartSignal.SetScale(kSignalLower, kSignalUpper, kRateDecimals);
    m_chartSignal.SetYLabel("");
    m_chartSignal.SetXLabel(m_ids.signalCaption);
    ApplyChartColors(m_chartSignal);
    m_nSignalLevel = 0;
}

void CPageDiagnostics::PlaceChart(COScopeCtrl& chart, int placeholderId)
{
    chart.DestroyWindow();
    CRect rect;
    if (CWnd* placeholder = GetDlgItem(placeholderId)) {
        placeholder->GetWindowRect(rect);
        ScreenToClient(rect);
    }
    chart.Create(WS_CHILD | WS_VISIBLE, rect, this, 0);
}

void CPageDiagnostics::ApplyChartColors(COScopeCtrl& chart)
{
    chart.SetBackColor(kChartBack);
    chart.SetFrameColor(kChartFrame);
    chart.SetTraceColor(kChartTrace);
    chart.SetFillColor(kChartFill);
}
