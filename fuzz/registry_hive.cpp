// The registry hive file as the machine reads it from its state directory. What parses
// must be written back as text that reads as the same hive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "machine/registry/HiveText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const machine::HiveParse parsed = machine::parse_hive(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.hive)
        return 0;
    const machine::HiveParse again = machine::parse_hive(machine::format_hive(*parsed.hive));
    if (!again.hive || !(*again.hive == *parsed.hive))
        std::abort();
    return 0;
}
