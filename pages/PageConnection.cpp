#include "pages/PageConnection.h"

#include "driver/PrtUtil.h"
#include "framework/DataExchange.h"
#include "resources/ResourceIds.h"
#include "shell/PropSheet.h"

namespace {
constexpr UINT_PTR kRefreshTimerId = 2;
constexpr UINT kRefreshPeriodMs = 1000;

constexpr int IDC_STATION = 1088;
constexpr int IDC_CHANNEL = 1094;
constexpr int IDC_MODE = 1100;
constexpr int IDC_LINK = 1101;
constexpr int IDC_ADAPTER = 1102;
constexpr int IDC_IP = 1103;
constexpr int IDC_SSID = 1104;
constexpr int IDC_MASK = 1105;
constexpr int IDC_GATEWAY = 1106;
constexpr int IDC_DNS = 1107;
constexpr int IDC_ENCRYPTION = 1108;
constexpr int IDC_POWER = 1109;

constexpr char kConnected[] = " Connected ";
constexpr char kNoAccessPoint[] = "00:00:00:00:00:00";
constexpr char kNotBound[] = " NOT BOUND ";
}  // namespace

IMPLEMENT_DYNCREATE(CPageConnection, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageConnection, CPropertyPage)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CPageConnection::CPageConnection() : CPropertyPage(zephra::res::IDD_CONNECTION) {}

void CPageConnection::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Text(dx, IDC_STATION, m_txtStation);
    DDX_Text(dx, IDC_ADAPTER, m_txtAdapter);
    DDX_Text(dx, IDC_CHANNEL, m_txtChannel);
    DDX_Text(dx, IDC_ENCRYPTION, m_txtEncryption);
    DDX_Text(dx, IDC_GATEWAY, m_txtGateway);
    DDX_Text(dx, IDC_IP, m_txtIp);
    DDX_Text(dx, IDC_LINK, m_txtLink);
    DDX_Text(dx, IDC_SSID, m_txtSsid);
    DDX_Text(dx, IDC_DNS, m_txtDns);
    DDX_Text(dx, IDC_MODE, m_txtMode);
    DDX_Text(dx, IDC_POWER, m_txtPower);
    DDX_Text(dx, IDC_MASK, m_txtMask);
}

BOOL CPageConnection::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = SharedPrtUtil();
    return TRUE;
}

CPrtUtil* CPageConnection::SharedPrtUtil() { return &static_cast<CPropSheet*>(GetParent())->m_prtUtil; }

BOOL CPageConnection::OnSetActive()
{
    RefreshTexts();
    UpdateData(FALSE);
    if (m_nRefreshTimer == 0)
        StartRefreshTimer();
    return CPropertyPage::OnSetActive();
}

BOOL CPageConnection::OnKillActive()
{
    StopRefreshTimer();
    return CPropertyPage::OnKillActive();
}

void CPageConnection::OnTimer(UINT_PTR nIDEvent)
{
    // Stopped for the tick, so a slow tick never overlaps the next one.
    StopRefreshTimer();
    m_pPrtUtil->RefreshBinding();
    RefreshTexts();
    UpdateData(FALSE);
    if (m_nRefreshTimer == 0)
        StartRefreshTimer();
    CPropertyPage::OnTimer(nIDEvent);
}

void CPageConnection::StartRefreshTimer() { m_nRefreshTimer = SetTimer(kRefreshTimerId, kRefreshPeriodMs); }

void CPageConnection::StopRefreshTimer()
{
    if (m_nRefreshTimer != 0)
        KillTimer(kRefreshTimerId);
    m_nRefreshTimer = 0;
}

void CPageConnection::RefreshTexts()
{
    CPrtUtil& prt = *m_pPrtUtil;
    if (prt.m_bBound == 0) {
        m_txtLink = kNotBound;
        for (CString* text : {&m_txtStation, &m_txtAdapter, &m_txtChannel, &m_txtEncryption, &m_txtGateway, &m_txtIp,
                              &m_txtSsid, &m_txtDns, &m_txtMode, &m_txtPower, &m_txtMask})
            text->Empty();
        return;
    }
    prt.QueryLinkStatus();
    prt.QueryBssid();
    if (prt.m_strLinkStatus == kConnected && !(prt.m_strBssid == kNoAccessPoint))
        ShowConnected();
    else
        ShowNotConnected();
    ShowIpBlock();
}

void CPageConnection::ShowConnected()
{
    CPrtUtil& prt = *m_pPrtUtil;
    prt.QueryNetworkMode();
    m_txtMode = prt.m_strNetworkMode;
    prt.QueryPowerMode();
    m_txtPower = prt.m_strPowerMode;
    prt.QueryEncryption();
    m_txtEncryption = prt.m_strEncryption;
    prt.QueryChannel();
    m_txtChannel = prt.m_strChannel;
    prt.QuerySsid();
    m_txtSsid = prt.m_strSsid;
    m_txtLink = prt.m_strLinkStatus + "(" + prt.m_strBssid + ")";
    prt.QueryMacAddress();
    m_txtStation = prt.m_strMacAddress;
    m_txtAdapter = prt.m_strAdapterDesc;
}

void CPageConnection::ShowNotConnected()
{
    CPrtUtil& prt = *m_pPrtUtil;
    m_txtAdapter = prt.m_strAdapterDesc;
    prt.QueryMacAddress();
    m_txtStation = prt.m_strMacAddress;
    m_txtLink = prt.m_strLinkStatus;
    for (CString* text : {&m_txtMode, &m_txtPower, &m_txtEncryption, &m_txtChannel, &m_txtSsid})
        text->Empty();
}

void CPageConnection::ShowIpBlock()
{
    CPrtUtil& prt = *m_pPrtUtil;
    prt.QueryIpConfig();
    m_txtIp = prt.m_strIpAddress;
    m_txtMask = prt.m_strSubnetMask;
    m_txtGateway = prt.m_strGateway;
    m_txtDns = prt.m_strDns[1].IsEmpty() ? prt.m_strDns[0] : prt.m_strDns[0] + " ; " + prt.m_strDns[1];
}
