#pragma once
// Page 0 of the sheet: the adapter, its IP configuration and its link, refreshed once a
// second while the page is active.

#include "framework/CPropertyPage.h"
#include "framework/CString.h"

class CPrtUtil;

class CPageConnection : public CPropertyPage {
    DECLARE_DYNCREATE(CPageConnection)

public:
    CPageConnection();

    UINT_PTR m_nRefreshTimer = 0;
    CString m_txtStation;
    CString m_txtAdapter;
    CString m_txtChannel;
    CString m_txtEncryption;
    CString m_txtGateway;
    CString m_txtIp;
    CString m_txtLink;
    CString m_txtSsid;
    CString m_txtDns;
    CString m_txtMode;
    CString m_txtPower;
    CString m_txtMask;
    CPrtUtil* m_pPrtUtil = nullptr;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    // Where the page finds the driver-access object it shares: the sheet's. The device
    // property-page library's status sheet takes it from its application object instead.
    virtual CPrtUtil* SharedPrtUtil();
    void OnTimer(UINT_PTR nIDEvent);
    void RefreshTexts();

    DECLARE_MESSAGE_MAP()

private:
    void ShowConnected();
    void ShowNotConnected();
    void ShowIpBlock();
    void StartRefreshTimer();
    void StopRefreshTimer();
};
