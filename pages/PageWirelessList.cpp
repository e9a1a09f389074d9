// The page itself: template, controls, activation, the SSID timer, and the network list
// with its refresh, filter and clicks.
#include <iterator>

#include "driver/PrtUtil.h"
#include "framework/DataExchange.h"
#include "framework/Icon.h"
#include "framework/WaitCursor.h"
#include "pages/PageWireless.h"
#include "pages/PageWirelessIds.h"
#include "platform/Time.h"
#include "resources/ResourceIds.h"
#include "shell/PropSheet.h"

using namespace wireless_page;

namespace {
constexpr int kImageSize = 16;
constexpr int kImageCount = 4;
// A column width unit is the list's client width divided by this.
constexpr int kWidthUnits = 70;
constexpr UINT kScanWaitMs = 3000;
constexpr UINT kFillPauseMs = 300;

struct ColumnSpec {
    const char* heading;
    int format;
    int units;
};
constexpr ColumnSpec kColumns[] = {
    {"              SSID", LVCFMT_CENTER, 23},
    {"           BSSID", LVCFMT_LEFT, 22},
    {" Ch", LVCFMT_LEFT, 7},
    {"Signal", LVCFMT_CENTER, 9},
    {" WEP", LVCFMT_CENTER, 9},
};
enum Column { COLUMN_SSID = 0, COLUMN_BSSID = 1, COLUMN_CHANNEL = 2, COLUMN_SIGNAL = 3, COLUMN_WEP = 4 };
}  // namespace

IMPLEMENT_DYNCREATE(CPageWireless, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageWireless, CPropertyPage)
    ON_BN_CLICKED(IDC_CONNECT, OnConnect)
    ON_BN_CLICKED(IDC_REFRESH, OnRefresh)
    ON_WM_CTLCOLOR()
    ON_CBN_SELCHANGE(IDC_NETWORK_MODE, OnSelchangeNetworkMode)
    ON_NOTIFY(NM_DBLCLK, IDC_NETWORK_LIST, OnDblclkNetworkList)
    ON_NOTIFY(NM_CLICK, IDC_NETWORK_LIST, OnClickNetworkList)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_NETWORK_LIST, OnItemchangedNetworkList)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_WEP_AUTO, OnWepAuto)
    ON_EN_CHANGE(IDC_WEP_KEY, OnChangeWepKey)
    ON_BN_CLICKED(IDC_CONNECT_WEP, OnConnectWep)
    ON_CBN_SELCHANGE(IDC_KEY_INDEX, OnSelchangeKeyIndex)
    ON_CBN_SETFOCUS(IDC_KEY_INDEX, OnSetfocusKeyIndex)
    ON_CBN_SELCHANGE(IDC_KEY_FORMAT, OnSelchangeKeyFormat)
    ON_CBN_SELCHANGE(IDC_KEY_LENGTH, OnSelchangeKeyLength)
    ON_BN_CLICKED(IDC_DIRECT_SSID, OnDirectSsid)
    ON_EN_CHANGE(IDC_SSID, OnChangeSsid)
END_MESSAGE_MAP()

CPageWireless::CPageWireless() : CPropertyPage(zephra::res::IDD_WIRELESS)
{
    m_imageList.Create(kImageSize, kImageSize, ILC_COLOR, kImageCount, 0);
    const auto add = [this](int id) { return m_imageList.Add(::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(id))); };
    m_nImageApCurrent = add(zephra::res::IDI_AP_CURRENT);
    m_nImageStationCurrent = add(zephra::res::IDI_STATION_CURRENT);
    m_nImageAp = add(zephra::res::IDI_AP);
    m_nImageStation = add(zephra::res::IDI_STATION);
}

CPageWireless::~CPageWireless() = default;

void CPageWireless::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONNECT_WEP, m_btnConnectWep);
    DDX_Control(dx, IDC_SSID, m_editSsid);
    DDX_Control(dx, IDC_WEP_KEY, m_editWepKey);
    DDX_Control(dx, IDC_NETWORK_LIST, m_listNetworks);
    DDX_Control(dx, IDC_NETWORK_MODE, m_comboMode);
    DDX_Control(dx, IDC_KEY_LENGTH, m_comboKeyLength);
    DDX_Control(dx, IDC_KEY_FORMAT, m_comboKeyFormat);
    DDX_Control(dx, IDC_KEY_INDEX, m_comboKeyIndex);
    DDX_Control(dx, IDC_WEP_AUTO, m_btnWepAuto);
    DDX_Control(dx, IDC_REFRESH, m_btnRefresh);
    DDX_Control(dx, IDC_CONNECT, m_btnConnect);
    DDX_Check(dx, IDC_WEP_AUTO, m_bWepAuto);
    DDX_Text(dx, IDC_WEP_KEY, m_strWepKey);
    DDV_MaxChars(dx, m_strWepKey, kMaxWepKeyChars);
    DDX_Text(dx, IDC_SSID, m_strSsidText);
    // Only a typed name is held to 32 characters: the current network's name, which the
    // page shows after a space, may have 32 of its own.
    if ((m_editSsid.GetStyle() & ES_READONLY) == 0)
        DDV_MaxChars(dx, m_strSsidText, kMaxSsidChars);
    DDX_Text(dx, IDC_TOTAL, m_nTotal);
    DDV_MinMaxInt(dx, m_nTotal, 0, kMaxTotal);
    DDX_Check(dx, IDC_DIRECT_SSID, m_bDirectSsid);
}

BOOL CPageWireless::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = &static_cast<CPropSheet*>(GetParent())->m_prtUtil;
    return TRUE;
}

BOOL CPageWireless::OnSetActive()
{
    m_bDirectSsid = FALSE;
    UpdateData(FALSE);
    ResetPage();
    return CPropertyPage::OnSetActive();
}

BOOL CPageWireless::OnKillActive()
{
    DeleteAllRows();
    while (m_listNetworks.DeleteColumn(0)) {
    }
    StopSsidTimer();
    return CPropertyPage::OnKillActive();
}

void CPageWireless::ResetPage()
{
    UpdateData(TRUE);
    if (m_pPrtUtil->m_bBound != 0) {
        StartSsidTimer();
        m_editSsid.SetReadOnly(TRUE);
        m_comboMode.SetCurSel(MODE_AUTOMATIC);
        m_comboMode.EnableWindow(TRUE);
        DeleteAllRows();
        while (m_listNetworks.DeleteColumn(0)) {
        }
        SetupListColumns();
        ReadScanResults();
        FillNetworkList(MODE_AUTOMATIC);
        m_listNetworks.EnableWindow(TRUE);
        m_bHiddenSsid = FALSE;
        m_btnConnect.EnableWindow(FALSE);
        m_btnRefresh.EnableWindow(TRUE);
        ResetKeyEntry();
        LockKeyGroup();
    }
    UpdateData(FALSE);
}

void CPageWireless::StartSsidTimer()
{
    if (m_pPrtUtil->m_bBound != 0) {
        m_pPrtUtil->QuerySsid();
        m_strSsidText = m_pPrtUtil->m_strSsid;
    }
    SetTimer(kSsidTimer, kSsidTimerPeriodMs);
    m_bTimerOn = TRUE;
}

void CPageWireless::StopSsidTimer()
{
    KillTimer(kSsidTimer);
    m_bTimerOn = FALSE;
}

void CPageWireless::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kSsidTimer && m_pPrtUtil->m_bBound != 0) {
        m_pPrtUtil->QuerySsid();
        m_strSsidText = m_pPrtUtil->m_strSsid;
        UpdateData(FALSE);
    }
    CPropertyPage::OnTimer(nIDEvent);
}

void CPageWireless::SetupListColumns()
{
    CRect client;
    m_listNetworks.GetClientRect(&client);
    const int unit = client.Width() / kWidthUnits;
    m_listNetworks.SetExtendedStyle(m_listNetworks.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c)
        m_listNetworks.InsertColumn(c, kColumns[c].heading, kColumns[c].format, kColumns[c].units * unit);
    m_nScanCount = m_nInfraCount = m_nAdhocCount = 0;
}

void CPageWireless::DeleteAllRows()
{
    m_listNetworks.DeleteAllItems();
    // The rows are gone, so no row is current any more.
    m_nCurRow = -1;
}

int CPageWireless::GetNetworkImage(CString bssidColon, int mode)
{
    m_pPrtUtil->QueryBssid();
    const bool current = bssidColon == m_pPrtUtil->m_strBssid;
    if (mode == MODE_AD_HOC)
        return current ? m_nImageStationCurrent : m_nImageStation;
    if (mode == MODE_INFRASTRUCTURE)
        return current ? m_nImageApCurrent : m_nImageAp;
    return m_nImageAp;
}

void CPageWireless::FillNetworkList(int filter)
{
    if (m_pPrtUtil->m_bBound == 0) {
        UpdateData(FALSE);
        return;
    }
    m_nTotal = filter == MODE_AUTOMATIC ? m_nScanCount : (filter == MODE_INFRASTRUCTURE ? m_nInfraCount : m_nAdhocCount);
    m_listNetworks.SetImageList(&m_imageList, LVSIL_SMALL);
    int row = 0;
    for (int i = 0; i < m_nScanCount; ++i) {
        const ScanEntry& entry = m_scan[i];
        if (filter != MODE_AUTOMATIC && entry.nMode != filter)
            continue;
        m_listNetworks.InsertItem(row, entry.strSsid, GetNetworkImage(entry.strBssidColon, entry.nMode));
        m_listNetworks.SetItemText(row, COLUMN_BSSID, CString("  ") + entry.strBssid);
        CString text;
        text.Format("  %d", entry.nChannel);
        m_listNetworks.SetItemText(row, COLUMN_CHANNEL, text);
        text.Format("%u", static_cast<unsigned>(entry.nSignal));
        m_listNetworks.SetItemText(row, COLUMN_SIGNAL, text);
        m_listNetworks.SetItemText(row, COLUMN_WEP, entry.nPrivacy == 1 ? kWepOn : kWepOff);
        ++row;
    }
    Sleep(kFillPauseMs);
    UpdateData(FALSE);
}

void CPageWireless::OnRefresh()
{
    CWaitCursor wait;
    m_btnConnect.EnableWindow(FALSE);
    m_btnRefresh.EnableWindow(FALSE);
    ResetKeyEntry();
    LockKeyGroup();
    if (m_pPrtUtil->m_bBound != 0) {
        m_pPrtUtil->StartScan();
        Sleep(kScanWaitMs);
    }
    ReadScanResults();
    FillNetworkList(MODE_AUTOMATIC);
    m_comboMode.SetCurSel(MODE_AUTOMATIC);
    m_btnRefresh.EnableWindow(TRUE);
    UpdateData(FALSE);
}

void CPageWireless::OnSelchangeNetworkMode()
{
    UpdateData(TRUE);
    // In the direct state the mode only matters for the next connect.
    if (m_bDirectSsid)
        return;
    ReadScanResults();
    FillNetworkList(m_comboMode.GetCurSel());
    m_btnConnect.EnableWindow(FALSE);
    m_btnRefresh.EnableWindow(TRUE);
    ResetKeyEntry();
    LockKeyGroup();
    UpdateData(FALSE);
}

void CPageWireless::OnItemchangedNetworkList(NMHDR* header, LRESULT* result)
{
    m_nCurRow = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
    *result = 0;
}

void CPageWireless::OnClickNetworkList(NMHDR*, LRESULT* result)
{
    *result = 0;
    UpdateData(TRUE);
    // A click that leaves no row current (none was ever chosen) changes nothing.
    if (!HasCurrentRow())
        return;
    const int entry = CurrentEntry();
    if (entry >= 0 && (m_scan[entry].nMode == MODE_AD_HOC || m_scan[entry].nMode == MODE_INFRASTRUCTURE))
        m_comboMode.SetCurSel(m_scan[entry].nMode);
    const CString ssid = CurrentRowText(COLUMN_SSID);
    const CString wep = CurrentRowText(COLUMN_WEP);
    if (ssid.IsEmpty() || ssid == kHiddenName) {
        m_bHiddenSsid = TRUE;
        if (m_bTimerOn) {
            StopSsidTimer();
            m_strSsidText.Empty();
            m_editSsid.SetReadOnly(FALSE);
        }
        if (wep == kWepOn)
            UnlockKeyGroup();
        else
            LockKeyGroup();
        ResetKeyEntry();
        m_btnConnect.EnableWindow(FALSE);
        m_btnRefresh.EnableWindow(TRUE);
    } else {
        m_bHiddenSsid = FALSE;
        if (!m_bTimerOn) {
            StartSsidTimer();
            m_editSsid.SetReadOnly(TRUE);
        }
        if (wep == kWepOn) {
            m_bProfileExists = ProfileExists(ssid) ? 1 : 0;
            LoadNetworkWepSettings(ssid);
            m_btnConnect.EnableWindow(FALSE);
            m_btnRefresh.EnableWindow(TRUE);
        } else if (wep == kWepOff) {
            ResetKeyEntry();
            LockKeyGroup();
            m_btnConnect.EnableWindow(TRUE);
            m_btnRefresh.EnableWindow(TRUE);
        }
    }
    UpdateData(FALSE);
}

void CPageWireless::OnDblclkNetworkList(NMHDR*, LRESULT* result)
{
    *result = 0;
    UpdateData(TRUE);
    // The click before the double-click has set the row up already.
    const CString ssid = CurrentRowText(COLUMN_SSID);
    if (CurrentRowText(COLUMN_WEP) == kWepOff && !m_bDirectSsid && !ssid.IsEmpty() && !(ssid == kHiddenName))
        OnConnect();
}

HBRUSH CPageWireless::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) { return CPropertyPage::OnCtlColor(dc, wnd, ctlColor); }

bool CPageWireless::HasCurrentRow() { return m_nCurRow >= 0 && m_nCurRow < m_listNetworks.GetItemCount(); }

CString CPageWireless::CurrentRowText(int column)
{
    return HasCurrentRow() ? m_listNetworks.GetItemText(m_nCurRow, column) : CString();
}

int CPageWireless::CurrentEntry()
{
    if (!HasCurrentRow())
        return -1;
    const int entry = FindEntryByBssid(CurrentRowText(COLUMN_BSSID));
    if (entry >= 0)
        return entry;
    return m_nCurRow < m_nScanCount ? m_nCurRow : -1;
}

CString CPageWireless::NetworkSsid()
{
    return m_bDirectSsid || m_bHiddenSsid ? m_strSsidText : CurrentRowText(COLUMN_SSID);
}

void CPageWireless::ResetKeyEntry()
{
    ClearWepSettings();
    m_strWepKey.Empty();
    m_bWepAuto = FALSE;
    m_nKeyType = WEP_KEY_NONE;
    m_comboKeyFormat.SetCurSel(0);
    m_comboKeyLength.SetCurSel(0);
    m_comboKeyIndex.SetCurSel(0);
}

void CPageWireless::LockKeyGroup()
{
    for (CWnd* control : {static_cast<CWnd*>(&m_btnWepAuto), static_cast<CWnd*>(&m_editWepKey), static_cast<CWnd*>(&m_comboKeyFormat),
                          static_cast<CWnd*>(&m_comboKeyLength), static_cast<CWnd*>(&m_comboKeyIndex), static_cast<CWnd*>(&m_btnConnectWep)})
        control->EnableWindow(FALSE);
}

void CPageWireless::UnlockKeyGroup()
{
    for (CWnd* control : {static_cast<CWnd*>(&m_btnWepAuto), static_cast<CWnd*>(&m_editWepKey), static_cast<CWnd*>(&m_comboKeyFormat),
                          static_cast<CWnd*>(&m_comboKeyLength), static_cast<CWnd*>(&m_comboKeyIndex)})
        control->EnableWindow(TRUE);
    m_btnConnectWep.EnableWindow(FALSE);
}
