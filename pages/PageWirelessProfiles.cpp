// Stored settings: a profile of keys per WEP network under the program's own key, and the
// network parameters in the adapter driver's key.
#include <cstring>

#include "driver/PrtUtil.h"
#include "pages/PageWireless.h"
#include "pages/PageWirelessIds.h"
#include "platform/Registry.h"
#include "registry/DriverParams.h"
#include "registry/Registry.h"

using namespace wireless_page;

namespace {
constexpr char kProductKey[] = "Software\\Norvel\\KX710\\";
constexpr char kProfilesKey[] = "Software\\Norvel\\KX710\\Profiles\\";
// The product key and its sub-keys, created in this order before a profile is saved.
constexpr const char* kProductKeys[] = {kProductKey, "Software\\Norvel\\KX710\\Language\\",
                                        "Software\\Norvel\\KX710\\WindowPos\\", kProfilesKey,
                                        "Software\\Norvel\\KX710\\Options\\"};

constexpr char kEssidValue[] = "ESSID";
constexpr char kDefKeyIdValue[] = "DefKeyID";
constexpr char kWepReqValue[] = "WepReq";
constexpr char kWepAutoValue[] = "WepAuto";
constexpr char kNetworkModeValue[] = "NetworkMode";
constexpr char kDefaultKeyIdValue[] = "DefaultKeyId";
constexpr char kDefaultKeysValue[] = "DefaultKeys";
constexpr char kKeyValueFormat[] = "Key%d";
constexpr int kAsciiKey40 = 5;
constexpr int kLongestAsciiKey = 13;

CString ProfilePath(const CString& ssid) { return CString(kProfilesKey) + ssid; }

// The driver takes a key of characters as hex digits: a key of `asciiLength` characters is
// turned into twice as many, any other key goes in as it was typed.
CString DriverKeyText(CPrtUtil& prtUtil, const CString& key, int asciiLength)
{
    if (key.GetLength() != asciiLength)
        return key;
    char buffer[2 * kLongestAsciiKey + 1] = {};
    std::memcpy(buffer, key.c_str(), static_cast<std::size_t>(asciiLength));
    prtUtil.BytesToHex(buffer, asciiLength);
    return CString(buffer);
}

CString Decimal(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}
}  // namespace

void CPageWireless::EnsureRegistryKeys(CString profilePath)
{
    CRegistry registry;
    const auto ensure = [&registry](LPCSTR path) {
        if (!registry.Open(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS))
            registry.CreateKey(HKEY_LOCAL_MACHINE, path);
        registry.CloseKey();
    };
    for (const char* path : kProductKeys)
        ensure(path);
    ensure(profilePath);
}

BOOL CPageWireless::ProfileExists(CString ssid)
{
    CRegistry registry;
    const DWORD count = registry.CountSubKeys(HKEY_LOCAL_MACHINE, kProfilesKey);
    for (DWORD i = 0; i < count; ++i)
        if (registry.SubKeyName(HKEY_LOCAL_MACHINE, kProfilesKey, i) == ssid)
            return TRUE;
    return FALSE;
}

DWORD CPageWireless::ReadProfileDword(CString ssid, CString valueName)
{
    DWORD value = 0;
    CRegistry registry;
    if (registry.OpenKey(HKEY_LOCAL_MACHINE, ProfilePath(ssid), KEY_ALL_ACCESS)) {
        registry.ReadDword(valueName, value);
        registry.CloseKey();
    }
    return value;
}

CString CPageWireless::ReadProfileString(CString ssid, CString valueName)
{
    CString value;
    CRegistry registry;
    if (registry.OpenKey(HKEY_LOCAL_MACHINE, ProfilePath(ssid), KEY_ALL_ACCESS)) {
        registry.ReadString(valueName, value);
        registry.CloseKey();
    }
    return value;
}

void CPageWireless::SaveProfile()
{
    UpdateData(TRUE);
    const CString ssid = NetworkSsid();
    const CString path = ProfilePath(ssid);
    EnsureRegistryKeys(path);
    CRegistry registry;
    if (!registry.OpenKey(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS))
        return;
    registry.WriteString(kEssidValue, ssid);
    if (!m_bWepAuto) {
        registry.WriteDword(kDefKeyIdValue, static_cast<DWORD>(m_wep.nDefaultKey));
        for (int i = 0; i < WEP_KEY_SLOTS; ++i) {
            CString name;
            name.Format(kKeyValueFormat, i + 1);
            registry.WriteString(name, m_wep.strKey[i]);
        }
        registry.WriteString(kWepReqValue, Decimal(m_wep.nWepReq));
    }
    registry.WriteDword(kWepAutoValue, m_bWepAuto ? 1 : 0);
    registry.CloseKey();
}

void CPageWireless::WriteDriverNetworkParams(BOOL withKeys)
{
    UpdateData(TRUE);
    // No driver key of this adapter: nothing is written, least of all into the class key.
    const CString path = DriverKeyPath(*m_pPrtUtil);
    if (path.IsEmpty())
        return;
    CRegistry registry;
    if (!registry.OpenKey(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS))
        return;
    registry.WriteString(kEssidValue, NetworkSsid());
    registry.WriteString(kNetworkModeValue, ConnectMode(m_comboMode.GetCurSel()) == MODE_AD_HOC ? "0" : "1");
    registry.WriteString(kWepReqValue, Decimal(m_wep.nWepReq));
    if (withKeys && !m_bWepAuto) {
        registry.WriteString(kDefaultKeyIdValue, Decimal(m_wep.nDefaultKey));
        if (m_wep.nWepReq == WEP_REQ_40 || m_wep.nWepReq == WEP_REQ_104) {
            const bool is40 = m_wep.nWepReq == WEP_REQ_40;
            CString keys;
            for (int i = 0; i < (is40 ? WEP_KEY_SLOTS : 1); ++i)
                keys += DriverKeyText(*m_pPrtUtil, m_wep.strKey[i], is40 ? kAsciiKey40 : kLongestAsciiKey);
            registry.WriteString(kDefaultKeysValue, keys);
        }
    }
    registry.CloseKey();
}
