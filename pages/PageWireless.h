#pragma once
// Page 1 of the sheet: the networks the adapter's last scan found, rescanning, filtering by
// operating mode, connecting with or without WEP keys, and the per-network settings kept
// in the registry. Split by concern: PageWirelessList (page, list, states, timer),
// PageWirelessScan (the scan table), PageWirelessConnect (the connect sequences and direct
// entry), PageWirelessKeys (the WEP key controls), PageWirelessProfiles (stored settings).

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CImageList.h"
#include "framework/CListCtrl.h"
#include "framework/CPropertyPage.h"
#include "framework/CString.h"
#include "pages/ScanEntry.h"
#include "pages/WepSettings.h"

class CPrtUtil;

// The scan table's size; one scan answer holds at most 28 networks.
constexpr int SCAN_TABLE_SIZE = 30;

// Items of the operating-mode box 1342; as a list filter, "Automatic" shows every network.
enum NetworkModeItem { MODE_AD_HOC = 0, MODE_INFRASTRUCTURE = 1, MODE_AUTOMATIC = 2 };

class CPageWireless : public CPropertyPage {
    DECLARE_DYNCREATE(CPageWireless)

public:
    CPageWireless();
    ~CPageWireless() override;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    CButton m_btnConnectWep;
    CEdit m_editSsid;
    CEdit m_editWepKey;
    CListCtrl m_listNetworks;
    CComboBox m_comboMode;
    CComboBox m_comboKeyLength;
    CComboBox m_comboKeyFormat;
    CComboBox m_comboKeyIndex;
    CButton m_btnWepAuto;
    CButton m_btnRefresh;
    CButton m_btnConnect;
    BOOL m_bWepAuto = FALSE;
    CString m_strWepKey;
    CString m_strSsidText;
    int m_nTotal = 0;
    BOOL m_bDirectSsid = FALSE;
    CPrtUtil* m_pPrtUtil = nullptr;
    ScanEntry m_scan[SCAN_TABLE_SIZE];
    WepSettings m_wep;
    int m_nScanCount = 0;
    int m_nInfraCount = 0;
    int m_nAdhocCount = 0;
    int m_nImageAp = -1;
    int m_nImageApCurrent = -1;
    int m_nImageStation = -1;
    int m_nImageStationCurrent = -1;
    // No row was ever current: -1, which reads as no row at all.
    int m_nCurRow = -1;
    BYTE m_bProfileExists = 0;
    int m_nKeyType = WEP_KEY_NONE;
    DWORD m_dwTxKeyIndex = 0;
    int m_nPrevKeyIndex = 0;
    BOOL m_bTimerOn = FALSE;
    BOOL m_bHiddenSsid = FALSE;
    CImageList m_imageList;

    // The page and its list.
    void ResetPage();
    void StartSsidTimer();
    void SetupListColumns();
    void FillNetworkList(int filter);
    int GetNetworkImage(CString bssidColon, int mode);

    // The scan table.
    void ClearScanTable();
    void ReadScanResults();
    void RemoveDuplicateEntries();
    int FindEntryByBssid(CString text);
    static int FrequencyToChannel(DWORD frequencyKhz);
    static int RssiToPercent(LONG rssi);

    // Connecting and keys.
    void ApplyModeAndSsid();
    void ClearWepSettings();
    void UpdateKeyControls();
    void LoadNetworkWepSettings(CString ssid);
    void LoadProfileKey(CString ssid, int keyIndex);
    int CollectWepSettings();

    // Stored settings.
    void EnsureRegistryKeys(CString profilePath);
    BOOL ProfileExists(CString ssid);
    DWORD ReadProfileDword(CString ssid, CString valueName);
    CString ReadProfileString(CString ssid, CString valueName);
    void SaveProfile();
    void WriteDriverNetworkParams(BOOL withKeys);

protected:
    void OnConnect();
    void OnRefresh();
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    void OnSelchangeNetworkMode();
    void OnDblclkNetworkList(NMHDR* header, LRESULT* result);
    void OnClickNetworkList(NMHDR* header, LRESULT* result);
    void OnItemchangedNetworkList(NMHDR* header, LRESULT* result);
    void OnTimer(UINT_PTR nIDEvent);
    void OnWepAuto();
    void OnChangeWepKey();
    void OnConnectWep();
    void OnSelchangeKeyIndex();
    void OnSetfocusKeyIndex();
    void OnSelchangeKeyFormat();
    void OnSelchangeKeyLength();
    void OnDirectSsid();
    void OnChangeSsid();

    DECLARE_MESSAGE_MAP()

private:
    // The named step groups of the key controls.
    void ResetKeyEntry();
    void LockKeyGroup();
    void UnlockKeyGroup();
    void StopSsidTimer();
    void DeleteAllRows();
    // A row is current: the last one an item-changed notice named, and still in the list.
    bool HasCurrentRow();
    // The current row's text in `column`; "" when no row is current.
    CString CurrentRowText(int column);
    // The table entry behind the current row: found by its BSSID column, else the entry
    // at the row number; -1 when neither names a valid entry.
    int CurrentEntry();
    // The SSID a connect or a profile is for.
    CString NetworkSsid();
    void EmptyKeyEditAfterFormatChange(int keyIndex);
    // Selects the format and length items of a key kind (0..3).
    void SelectKeyKind(int kind);
    // The mode a connect sends and stores for the mode box's selection.
    int ConnectMode(int modeItem);
    // Builds the 42-byte record of the selected key, filling empty slots with placeholders.
    void BuildKeyRecord(BYTE* record, int keyIndex);
};
