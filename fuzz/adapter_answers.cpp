// The adapter's answers to the status queries as the pages read them: link, access point,
// modes, channel, name, station address, versions, signal and the traffic counters. The
// input is a run of answers in the order of kOids, each a length byte and that many bytes.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "driver/Oids.h"
#include "driver/PrtUtil.h"
#include "pages/PageConnection.h"
#include "pages/PageDiagnostics.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

namespace {

constexpr DWORD kOids[] = {
    OID_PRT_LINK_STATUS, OID_802_11_BSSID,         OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_POWER_MODE,
    OID_802_11_WEP_STATUS, OID_PRT_CHANNEL,        OID_802_11_SSID,                OID_802_3_PERMANENT_ADDRESS,
    OID_PRT_FIRMWARE_VERSION, OID_PRT_DRIVER_VERSION, OID_PRT_EEPROM_VERSION,      OID_802_11_AUTHENTICATION_MODE,
    OID_802_11_RSSI,       OID_PRT_STATISTICS,
};

// The pages' ticks, reached without their windows.
class ConnectionTick : public CPageConnection {
public:
    using CPageConnection::RefreshTexts;
};
class StatisticsTick : public CPageDiagnostics {
public:
    void Tick() { OnTimer(0); }
};

struct BoundSession {
    BoundSession()
    {
        fixture.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
        prt.OpenSession();
        connection.m_pPrtUtil = &prt;
        statistics.m_pPrtUtil = &prt;
    }

    zephra_test::MachineFixture fixture;
    zephra_test::ScriptedAdapter::Shared adapter;
    CPrtUtil prt;
    ConnectionTick connection;
    StatisticsTick statistics;
};

// Splits the input into one answer per identifier; those past its end are not answered.
void SetAnswers(zephra_test::ScriptedAdapter::Shared& adapter, const std::uint8_t* data, std::size_t size)
{
    adapter.answers.clear();
    std::size_t at = 0;
    for (DWORD oid : kOids) {
        if (at >= size)
            break;
        const std::size_t wanted = data[at++];
        const std::size_t length = std::min(wanted, size - at);
        adapter.answers[oid] = std::vector<std::uint8_t>(data + at, data + at + length);
        at += length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static BoundSession* session = new BoundSession;  // one session for the run, as the program keeps it
    SetAnswers(session->adapter, data, size);
    session->connection.RefreshTexts();
    session->prt.QueryFirmwareVersion();
    session->prt.QueryDriverVersion();
    session->prt.QueryEepromVersion();
    session->prt.QueryAuthMode();
    // Two ticks, so that a rate is computed from two counter answers.
    session->statistics.Tick();
    session->statistics.Tick();
    session->fixture.machine.clear_request_log();
    return 0;
}
