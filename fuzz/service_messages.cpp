// The machine service's messages as a client's bytes arrive on its socket: cut into frames,
// each request served on a fresh machine and its answer framed again. The machine's shell only
// records, so no request can start a program.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "machine/Clock.h"
#include "machine/Scenario.h"
#include "machine/Machine.h"
#include "machine/service/MachineService.h"
#include "machine/service/Wire.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::ostringstream log;
    static machine::service::MachineService service(log);
    log.str({});

    machine::VirtualClock clock;
    machine::Machine machine(machine::with_recording_shell(machine::default_scenario()), clock);
    machine::service::FrameReader reader;
    reader.append(data, size);
    nlohmann::json message;
    for (;;) {
        const auto status = reader.next(message);
        if (status == machine::service::FrameReader::Status::Incomplete ||
            status == machine::service::FrameReader::Status::Oversized)
            break;
        if (status == machine::service::FrameReader::Status::Message)
            machine::service::frame(service.handle(machine, message));
    }
    return 0;
}
