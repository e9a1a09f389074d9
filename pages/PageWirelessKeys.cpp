// The WEP Key Setting group: key kinds, masks of stored keys, and the handlers of the key
// edit, the three key boxes and the automatic-keys check box.
#include "pages/PageWireless.h"
#include "pages/PageWirelessIds.h"

using namespace wireless_page;

namespace {
constexpr char kKeyValueFormat[] = "Key%d";
constexpr char kWepAutoValue[] = "WepAuto";
constexpr char kDefKeyIdValue[] = "DefKeyID";
constexpr char kWepReqValue[] = "WepReq";

int FormatOfKind(int kind) { return kind == WEP_KEY_HEX_40 || kind == WEP_KEY_HEX_104 ? FORMAT_HEX : FORMAT_ASCII; }

CString KeyValueName(int keyIndex)
{
    CString name;
    name.Format(kKeyValueFormat, keyIndex + 1);
    return name;
}

bool IsKeyIndex(int index) { return index >= 0 && index < WEP_KEY_SLOTS; }
}  // namespace

void CPageWireless::ClearWepSettings() { m_wep = WepSettings{}; }

void CPageWireless::SelectKeyKind(int kind)
{
    m_comboKeyFormat.SetCurSel(FormatOfKind(kind));
    m_comboKeyLength.SetCurSel(kind);
}

void CPageWireless::UpdateKeyControls()
{
    UpdateData(TRUE);
    const int kind = WepKeyKindOfLength(m_strWepKey.GetLength());
    if (m_strWepKey.IsEmpty()) {
        if (m_bDirectSsid) {
            m_btnConnect.EnableWindow(TRUE);
            m_btnConnectWep.EnableWindow(FALSE);
        }
    } else if (kind != WEP_KEY_NONE) {
        m_btnConnectWep.EnableWindow(TRUE);
        SelectKeyKind(kind);
        m_nKeyType = kind;
    } else {
        m_btnConnect.EnableWindow(FALSE);
        m_btnConnectWep.EnableWindow(FALSE);
        m_nKeyType = WEP_KEY_NONE;
    }
    UpdateData(FALSE);
}

int CPageWireless::CollectWepSettings()
{
    int index = m_comboKeyIndex.GetCurSel();
    if (!IsKeyIndex(index))
        index = 0;
    if (m_nKeyType == WEP_KEY_NONE) {
        m_comboKeyIndex.SetCurSel(index);
        m_editWepKey.SetFocus();
        UpdateData(TRUE);
        return index;
    }
    m_wep.nDefaultKey = index;
    m_wep.bAuto = m_bWepAuto ? 1 : 0;
    if (const int kind = WepKeyKindOfLength(m_strWepKey.GetLength()); kind != WEP_KEY_NONE)
        m_nKeyType = kind;
    m_wep.nWepReq = WepRequirementOf(m_nKeyType);
    return index;
}

void CPageWireless::OnChangeWepKey()
{
    UpdateData(TRUE);
    // A network name must be there first.
    if (m_strSsidText.IsEmpty()) {
        m_strWepKey.Empty();
        UpdateData(FALSE);
        m_editSsid.SetFocus();
        return;
    }
    int index = m_comboKeyIndex.GetCurSel();
    const int kind = WepKeyKindOfLength(m_strWepKey.GetLength());
    if (kind != WEP_KEY_NONE) {
        if (IsWepKey104(kind)) {
            // A 104-bit key always lives in slot 1.
            index = 0;
            m_comboKeyIndex.SetCurSel(index);
            m_comboKeyIndex.EnableWindow(FALSE);
        } else {
            m_comboKeyIndex.EnableWindow(TRUE);
        }
        if (IsKeyIndex(index)) {
            m_wep.strKey[index] = m_strWepKey;
            m_wep.nKeyType[index] = kind;
        }
    }
    UpdateKeyControls();
    UpdateData(FALSE);
}

void CPageWireless::EmptyKeyEditAfterFormatChange(int keyIndex)
{
    if (m_strWepKey.IsEmpty())
        return;
    m_strWepKey.Empty();
    if (IsKeyIndex(keyIndex)) {
        m_wep.strKey[keyIndex].Empty();
        m_wep.nKeyType[keyIndex] = WEP_KEY_NONE;
    }
    m_nKeyType = WEP_KEY_NONE;
    m_btnConnectWep.EnableWindow(FALSE);
}

void CPageWireless::OnSelchangeKeyLength()
{
    UpdateData(TRUE);
    const int index = m_comboKeyIndex.GetCurSel();
    const int kind = m_comboKeyLength.GetCurSel();
    m_comboKeyFormat.SetCurSel(FormatOfKind(kind));
    if (IsWepKey104(kind)) {
        ClearWepSettings();
        m_comboKeyIndex.SetCurSel(0);
        m_comboKeyIndex.EnableWindow(FALSE);
    } else {
        m_comboKeyIndex.EnableWindow(TRUE);
    }
    EmptyKeyEditAfterFormatChange(index);
    UpdateData(FALSE);
}

void CPageWireless::OnSelchangeKeyFormat()
{
    UpdateData(TRUE);
    const int index = m_comboKeyIndex.GetCurSel();
    // The key class (40 or 104 bits) stays; only its form changes.
    const bool is104 = IsWepKey104(m_comboKeyLength.GetCurSel());
    if (m_comboKeyFormat.GetCurSel() == FORMAT_ASCII)
        m_comboKeyLength.SetCurSel(is104 ? LENGTH_ASCII_104 : LENGTH_ASCII_40);
    else
        m_comboKeyLength.SetCurSel(is104 ? LENGTH_HEX_104 : LENGTH_HEX_40);
    EmptyKeyEditAfterFormatChange(index);
    UpdateData(FALSE);
}

void CPageWireless::OnSetfocusKeyIndex()
{
    UpdateData(TRUE);
    m_nPrevKeyIndex = m_comboKeyIndex.GetCurSel();
}

void CPageWireless::OnSelchangeKeyIndex()
{
    UpdateData(TRUE);
    // The key being typed is not complete: the index stays.
    if (m_nKeyType == WEP_KEY_NONE) {
        m_comboKeyIndex.SetCurSel(m_nPrevKeyIndex);
        m_editWepKey.SetFocus();
        UpdateData(FALSE);
        return;
    }
    const int index = m_comboKeyIndex.GetCurSel();
    if (!IsKeyIndex(index))
        return;
    if (!m_wep.strKey[index].IsEmpty()) {
        m_strWepKey = WepKeyMask(m_wep.strKey[index].GetLength());
    } else {
        const CString ssid = NetworkSsid();
        m_bProfileExists = ProfileExists(ssid) ? 1 : 0;
        if (m_bProfileExists)
            LoadProfileKey(ssid, index);
        else
            m_strWepKey.Empty();
    }
    UpdateData(FALSE);
    UpdateKeyControls();
}

void CPageWireless::LoadProfileKey(CString ssid, int keyIndex)
{
    if (!IsKeyIndex(keyIndex))
        return;
    CString& key = m_wep.strKey[keyIndex];
    key = ReadProfileString(ssid, KeyValueName(keyIndex));
    m_strWepKey = WepKeyMask(key.GetLength());
    const int kind = WepKeyKindOfLength(key.GetLength());
    if (kind != WEP_KEY_NONE)
        m_nKeyType = kind;
    // The slot's kind is its own key's: a stored text of no valid length is no key, so a
    // connect never takes more bytes from it than it has.
    m_wep.nKeyType[keyIndex] = kind;
}

void CPageWireless::LoadNetworkWepSettings(CString ssid)
{
    ClearWepSettings();
    const auto enableKeyBoxes = [this](BOOL enable) {
        for (CComboBox* box : {&m_comboKeyFormat, &m_comboKeyLength, &m_comboKeyIndex})
            box->EnableWindow(enable);
    };
    const auto selectFirstItems = [this] {
        for (CComboBox* box : {&m_comboKeyFormat, &m_comboKeyLength, &m_comboKeyIndex})
            box->SetCurSel(0);
    };
    const auto noUsableKey = [&] {
        selectFirstItems();
        m_btnConnectWep.EnableWindow(FALSE);
        m_editWepKey.EnableWindow(TRUE);
        enableKeyBoxes(TRUE);
        m_btnWepAuto.EnableWindow(TRUE);
        m_bWepAuto = FALSE;
        m_nKeyType = WEP_KEY_NONE;
    };
    if (!m_bProfileExists) {
        noUsableKey();
        return;
    }
    m_bWepAuto = ReadProfileDword(ssid, kWepAutoValue) == 1;
    if (m_bWepAuto) {
        m_wep.bAuto = 1;
        selectFirstItems();
        m_btnConnectWep.EnableWindow(TRUE);
        m_editWepKey.EnableWindow(FALSE);
        enableKeyBoxes(FALSE);
        m_btnWepAuto.EnableWindow(TRUE);
        m_nKeyType = WEP_KEY_NONE;
        return;
    }
    m_wep.bAuto = 0;
    const DWORD stored = ReadProfileDword(ssid, kDefKeyIdValue);
    // A default key outside the four slots names no key: as if none were stored.
    if (stored >= static_cast<DWORD>(WEP_KEY_SLOTS)) {
        noUsableKey();
        return;
    }
    const int defaultKey = static_cast<int>(stored);
    m_comboKeyIndex.SetCurSel(defaultKey);
    m_wep.nDefaultKey = defaultKey;
    const CString requirement = ReadProfileString(ssid, kWepReqValue);
    if (requirement == "3") {
        for (int i = 0; i < WEP_KEY_SLOTS; ++i) {
            m_wep.strKey[i] = ReadProfileString(ssid, KeyValueName(i));
            m_wep.nKeyType[i] = WepKeyKindOfLength(m_wep.strKey[i].GetLength());
        }
        m_wep.nWepReq = WEP_REQ_40;
    } else if (requirement == "7") {
        m_wep.strKey[0] = ReadProfileString(ssid, KeyValueName(0));
        const int kind = WepKeyKindOfLength(m_wep.strKey[0].GetLength());
        m_wep.nKeyType[0] = IsWepKey104(kind) ? kind : WEP_KEY_NONE;
        m_wep.nWepReq = WEP_REQ_104;
    }
    if (const int kind = m_wep.nKeyType[defaultKey]; kind != WEP_KEY_NONE) {
        m_strWepKey = WepKeyMask(m_wep.strKey[defaultKey].GetLength());
        SelectKeyKind(kind);
        m_nKeyType = kind;
        m_comboKeyIndex.EnableWindow(IsWepKey104(kind) ? FALSE : TRUE);
    }
    m_comboKeyLength.EnableWindow(TRUE);
    m_comboKeyFormat.EnableWindow(TRUE);
    m_btnConnectWep.EnableWindow(TRUE);
    m_btnWepAuto.EnableWindow(TRUE);
    m_editWepKey.EnableWindow(TRUE);
}

void CPageWireless::OnWepAuto()
{
    UpdateData(TRUE);
    if (m_bWepAuto) {
        if (m_bDirectSsid && m_strSsidText.IsEmpty()) {
            m_btnConnectWep.EnableWindow(FALSE);
            m_editSsid.SetFocus();
        } else if (m_bDirectSsid) {
            m_btnConnectWep.EnableWindow(TRUE);
            m_btnConnect.EnableWindow(FALSE);
        } else {
            m_btnConnectWep.EnableWindow(TRUE);
        }
        m_editWepKey.EnableWindow(FALSE);
        for (CComboBox* box : {&m_comboKeyFormat, &m_comboKeyLength, &m_comboKeyIndex})
            box->EnableWindow(FALSE);
    } else {
        if (m_bDirectSsid) {
            if (m_strSsidText.IsEmpty()) {
                m_btnConnectWep.EnableWindow(FALSE);
                m_editSsid.SetFocus();
            } else if (m_strWepKey.IsEmpty()) {
                m_btnConnectWep.EnableWindow(FALSE);
                m_btnConnect.EnableWindow(TRUE);
            } else if (m_nKeyType != WEP_KEY_NONE) {
                m_btnConnectWep.EnableWindow(TRUE);
                m_btnConnect.EnableWindow(FALSE);
            } else {
                m_btnConnectWep.EnableWindow(FALSE);
                m_btnConnect.EnableWindow(TRUE);
            }
        } else {
            m_btnConnectWep.EnableWindow(FALSE);
        }
        m_editWepKey.EnableWindow(TRUE);
        m_comboKeyFormat.EnableWindow(TRUE);
        m_comboKeyLength.EnableWindow(TRUE);
        if (IsWepKey104(WepKeyKindOfLength(m_strWepKey.GetLength()))) {
            m_comboKeyIndex.SetCurSel(0);
            m_comboKeyIndex.EnableWindow(FALSE);
        } else {
            m_comboKeyIndex.EnableWindow(TRUE);
        }
    }
    UpdateData(FALSE);
}
