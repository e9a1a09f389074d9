// The scan table: the networks of the adapter's last scan, without repeats.
#include <algorithm>
#include <cstring>

#include "driver/PrtRequest.h"
#include "driver/PrtUtil.h"
#include "pages/PageWireless.h"

namespace {
// Where the fields of one scan record lie.
constexpr std::size_t kRecordBssid = 4;
constexpr std::size_t kRecordSsid = 16;
constexpr std::size_t kRecordSsidSize = 32;
constexpr std::size_t kRecordPrivacy = 48;
constexpr std::size_t kRecordRssi = 52;
constexpr std::size_t kRecordFrequency = 72;
constexpr std::size_t kRecordMode = 92;
constexpr std::size_t kListHeader = 4;

constexpr DWORD kChannel1Khz = 2412000;
constexpr DWORD kChannelStepKhz = 5000;

DWORD DwordAt(const BYTE* data)
{
    DWORD value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

struct QualityStep {
    LONG aboveDbm;
    int percent;
};
constexpr QualityStep kQualitySteps[] = {{-42, 100}, {-48, 90}, {-55, 80}, {-62, 70}, {-68, 60},
                                         {-74, 50},  {-81, 40}, {-85, 30}, {-88, 20}, {-91, 10}};
}  // namespace

void CPageWireless::ClearScanTable()
{
    std::fill(std::begin(m_scan), std::end(m_scan), ScanEntry{});
}

int CPageWireless::FrequencyToChannel(DWORD frequencyKhz)
{
    // Unsigned on purpose: a frequency below channel 1 wraps rather than going negative.
    return static_cast<int>((frequencyKhz - kChannel1Khz) / kChannelStepKhz + 1);
}

int CPageWireless::RssiToPercent(LONG rssi)
{
    // Compared unsigned: negative readings order as signed ones do, and any reading of 0
    // or above (no real signal) falls through to 0.
    const auto reading = static_cast<DWORD>(rssi);
    for (const QualityStep& step : kQualitySteps)
        if (reading > static_cast<DWORD>(step.aboveDbm))
            return step.percent;
    return 0;
}

void CPageWireless::ReadScanResults()
{
    if (m_pPrtUtil->m_bBound == 0)
        return;
    m_pPrtUtil->QueryBssidList();
    const BYTE* list = m_pPrtUtil->m_pBssidList;
    // A count beyond what the answer holds is read no further than the answer.
    m_nScanCount = static_cast<int>(std::min<DWORD>(DwordAt(list), BSSID_LIST_MAX_ENTRIES));
    // An empty scan empties the list too: rows of networks no longer found would mislead.
    if (m_listNetworks.GetItemCount() > 0)
        m_listNetworks.DeleteAllItems();
    ClearScanTable();
    m_nInfraCount = m_nAdhocCount = 0;
    for (int i = 0; i < m_nScanCount; ++i) {
        const BYTE* record = list + kListHeader + static_cast<std::size_t>(i) * BSSID_LIST_ENTRY_SIZE;
        const BYTE* mac = record + kRecordBssid;
        const char* ssid = reinterpret_cast<const char*>(record + kRecordSsid);
        ScanEntry& entry = m_scan[i];
        entry.nIndex = i;
        // An unterminated name is taken in full, and nothing past its field.
        entry.strSsid = CString(std::string(ssid, strnlen(ssid, kRecordSsidSize)));
        entry.strBssid.Format("%02X %02X %02X %02X %02X %02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
        entry.strBssidColon.Format("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
        entry.nChannel = FrequencyToChannel(DwordAt(record + kRecordFrequency));
        entry.nSignal = RssiToPercent(static_cast<LONG>(DwordAt(record + kRecordRssi)));
        entry.nPrivacy = static_cast<int>(DwordAt(record + kRecordPrivacy));
        entry.nMode = static_cast<int>(DwordAt(record + kRecordMode));
        if (entry.nMode == MODE_AD_HOC)
            ++m_nAdhocCount;
        else if (entry.nMode == MODE_INFRASTRUCTURE)
            ++m_nInfraCount;
    }
    RemoveDuplicateEntries();
}

void CPageWireless::RemoveDuplicateEntries()
{
    // Marked on the table as read, so a removal never changes what counts as a repeat.
    bool marked[SCAN_TABLE_SIZE] = {};
    for (int i = 0; i < m_nScanCount; ++i)
        for (int j = i + 1; j < m_nScanCount; ++j) {
            const ScanEntry& first = m_scan[i];
            const ScanEntry& later = m_scan[j];
            if ((first.nMode == MODE_INFRASTRUCTURE && first.strBssid == later.strBssid) ||
                (first.nMode == MODE_AD_HOC && first.strSsid == later.strSsid))
                marked[j] = true;
        }
    int i = 0;
    while (i < m_nScanCount) {
        if (!marked[i]) {
            ++i;
            continue;
        }
        if (m_scan[i].nMode == MODE_AD_HOC)
            --m_nAdhocCount;
        else if (m_scan[i].nMode == MODE_INFRASTRUCTURE)
            --m_nInfraCount;
        for (int k = i; k + 1 < SCAN_TABLE_SIZE; ++k) {
            m_scan[k] = m_scan[k + 1];
            if (k + 1 < m_nScanCount)
                m_scan[k].nIndex = k;
            marked[k] = marked[k + 1];
        }
        m_scan[SCAN_TABLE_SIZE - 1] = ScanEntry{};
        marked[SCAN_TABLE_SIZE - 1] = false;
        --m_nScanCount;
    }
}

int CPageWireless::FindEntryByBssid(CString text)
{
    for (int i = 0; i < m_nScanCount; ++i)
        if (CString("  ") + m_scan[i].strBssid == text)
            return i;
    return -1;
}
