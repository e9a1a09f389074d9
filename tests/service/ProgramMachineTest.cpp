// A program beside a service it cannot use: it runs on a machine of its own, and leaves alone
// the state a live service keeps.
#include "tests/service/ServiceHarness.h"

#include <sstream>

#include "apps/zephra/ProgramMachine.h"
#include "machine/Scenario.h"
#include "tests/service/OlderService.h"

namespace service_test {
namespace {

class ProgramMachine : public ServiceHarness {
protected:
    void SetUp() override
    {
        ServiceHarness::SetUp();
        ASSERT_EQ(machine::service::prepare_runtime_folder(machine::service::runtime_folder()), "");
    }
};

TEST_F(ProgramMachine, AProgramBesideALiveServiceOfAnotherVersionLeavesThatServicesStateAlone)
{
    struct Row {
        const char* name;
        bool service_alive;
        bool state_written;
    };
    const Row rows[] = {
        {"the older service still runs: its state is not written beside it", true, false},
        {"no service is alive: the program keeps the state itself", false, true},
    };
    OlderService older(m_endpoint.socket);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::error_code ignored;
        fs::remove_all(m_machine_dir, ignored);
        fs::remove(m_endpoint.lock, ignored);
        if (row.service_alive)
            std::ofstream(m_endpoint.lock) << getpid() << "\n";  // every service names itself in its lock
        zephra_app::Options options;
        options.machine_dir = m_machine_dir;
        std::ostringstream err;
        {
            zephra_app::ProgramMachine computer(options, machine::default_scenario(), "zephra", err);
            machine::MachinePort& port = computer.port();
            EXPECT_EQ(port.registry_create_key(machine::RegistryRoot::LocalMachine, "Software\\Probe", true).error,
                      machine::kRegistryOk);
            port.registry_changed_key_closed();
        }
        EXPECT_NE(err.str().find("speaks protocol version 1, not 2"), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find("keeps nothing") != std::string::npos, !row.state_written) << err.str();
        EXPECT_EQ(fs::exists(m_machine_dir) && !fs::is_empty(m_machine_dir), row.state_written);
    }
}

}  // namespace
}  // namespace service_test
