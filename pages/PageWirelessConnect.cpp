// Connecting: the plain and the WEP connect sequences, the key record, and direct entry of
// a network name.
#include <algorithm>
#include <cstring>

#include "driver/Oids.h"
#include "driver/PrtUtil.h"
#include "framework/WaitCursor.h"
#include "pages/PageWireless.h"
#include "pages/PageWirelessIds.h"
#include "platform/Time.h"

using namespace wireless_page;

namespace {
constexpr DWORD kKeyRecordLength = 16;
constexpr DWORD kTransmitKeyBit = 0x80000000;
constexpr std::size_t kRecordKeyIndex = 4;
constexpr std::size_t kRecordKeyLength = 8;
constexpr std::size_t kRecordKeyMaterial = 12;
constexpr int kKeyBytes40 = 5;
constexpr int kKeyBytes104 = 13;
// Empty slots get a key of this character at connect time; it is never sent to the adapter.
constexpr char kPlaceholderChar = '0';

constexpr UINT kAfterConnectScanMs = 1000;
constexpr UINT kAfterWepSsidMs = 2000;

void PutDword(BYTE* at, DWORD value) { std::memcpy(at, &value, sizeof value); }

int KeyBytesOf(int kind) { return IsWepKey104(kind) ? kKeyBytes104 : kKeyBytes40; }
}  // namespace

int CPageWireless::ConnectMode(int modeItem)
{
    if (modeItem != MODE_AUTOMATIC)
        return modeItem;
    // A typed name has no list entry to take its mode from.
    if (m_bDirectSsid)
        return MODE_INFRASTRUCTURE;
    const int entry = CurrentEntry();
    if (entry >= 0 && (m_scan[entry].nMode == MODE_AD_HOC || m_scan[entry].nMode == MODE_INFRASTRUCTURE))
        return m_scan[entry].nMode;
    return MODE_AUTOMATIC;
}

void CPageWireless::ApplyModeAndSsid()
{
    UpdateData(TRUE);
    m_pPrtUtil->SetNetworkMode(ConnectMode(m_comboMode.GetCurSel()));
    m_pPrtUtil->SetSsid(NetworkSsid());
}

void CPageWireless::OnConnect()
{
    CWaitCursor wait;
    if (m_pPrtUtil->m_bBound == 0)
        return;
    UpdateData(TRUE);
    m_pPrtUtil->SetWepStatus(0);
    ApplyModeAndSsid();
    UpdateData(FALSE);
    WriteDriverNetworkParams(FALSE);
    m_bDirectSsid = FALSE;
    UpdateData(FALSE);
    m_pPrtUtil->StartScan();
    Sleep(kAfterConnectScanMs);
    ResetPage();
}

void CPageWireless::BuildKeyRecord(BYTE* record, int keyIndex)
{
    const DWORD transmitIndex = kTransmitKeyBit + static_cast<DWORD>(keyIndex);
    m_dwTxKeyIndex = transmitIndex;
    PutDword(record, kKeyRecordLength);
    PutDword(record + kRecordKeyIndex, transmitIndex);
    const int selectedKind = m_wep.nKeyType[keyIndex];
    for (int slot = 0; slot < WEP_KEY_SLOTS; ++slot) {
        const int kind = m_wep.nKeyType[slot];
        const CString& key = m_wep.strKey[slot];
        if (slot == keyIndex && kind != WEP_KEY_NONE) {
            const int keyBytes = KeyBytesOf(kind);
            PutDword(record + kRecordKeyLength, static_cast<DWORD>(keyBytes));
            // Room for the longest hex text and its end; a text that is not hex stays as
            // it is, and only its first bytes are taken.
            char scratch[2 * kKeyBytes104 + 1] = {};
            const int textBytes = std::min(key.GetLength(), 2 * kKeyBytes104);
            std::memcpy(scratch, key.c_str(), static_cast<std::size_t>(textBytes));
            if (kind == WEP_KEY_HEX_40 || kind == WEP_KEY_HEX_104)
                m_pPrtUtil->HexToBytes(scratch, textBytes);
            std::memcpy(record + kRecordKeyMaterial, scratch, static_cast<std::size_t>(keyBytes));
        } else if (kind == WEP_KEY_NONE && selectedKind != WEP_KEY_NONE) {
            const int placeholderKind = IsWepKey104(selectedKind) ? WEP_KEY_ASCII_104 : WEP_KEY_ASCII_40;
            m_wep.strKey[slot] = CString(kPlaceholderChar, KeyBytesOf(placeholderKind));
            m_wep.nKeyType[slot] = placeholderKind;
        }
    }
}

void CPageWireless::OnConnectWep()
{
    CWaitCursor wait;
    if (m_pPrtUtil->m_bBound == 0)
        return;
    UpdateData(TRUE);
    if (m_bWepAuto) {
        m_pPrtUtil->SetWepStatus(1);
    } else {
        BYTE record[WEP_KEY_RECORD_SIZE] = {};
        const int keyIndex = CollectWepSettings();
        BuildKeyRecord(record, keyIndex);
        m_pPrtUtil->SetWepStatus(1);
        m_pPrtUtil->AddWepKey(record);
        m_strWepKey = WepKeyMask(m_wep.strKey[keyIndex].GetLength());
        UpdateData(FALSE);
    }
    ApplyModeAndSsid();
    UpdateData(FALSE);
    Sleep(kAfterWepSsidMs);
    SaveProfile();
    WriteDriverNetworkParams(TRUE);
    m_bDirectSsid = FALSE;
    UpdateData(FALSE);
    m_pPrtUtil->StartScan();
    Sleep(kAfterConnectScanMs);
    ResetPage();
}

void CPageWireless::OnDirectSsid()
{
    UpdateData(TRUE);
    StopSsidTimer();
    if (m_bDirectSsid) {
        ClearWepSettings();
        m_strSsidText.Empty();
        m_editSsid.SetReadOnly(FALSE);
        if (m_comboMode.GetCurSel() == MODE_AUTOMATIC)
            m_comboMode.SetCurSel(MODE_INFRASTRUCTURE);
        m_comboMode.EnableWindow(TRUE);
        DeleteAllRows();
        m_listNetworks.EnableWindow(FALSE);
        m_nTotal = 0;
        m_btnConnect.EnableWindow(FALSE);
        m_btnRefresh.EnableWindow(FALSE);
        ResetKeyEntry();
        UnlockKeyGroup();
        m_editSsid.SetFocus();
    } else {
        ResetPage();
    }
    UpdateData(FALSE);
}

void CPageWireless::OnChangeSsid()
{
    UpdateData(TRUE);
    const int length = m_strSsidText.GetLength();
    const BOOL named = length >= 1 && length <= kMaxSsidChars;
    m_btnConnect.EnableWindow(named && !m_bWepAuto);
    m_btnConnectWep.EnableWindow(named && m_bWepAuto);
}
