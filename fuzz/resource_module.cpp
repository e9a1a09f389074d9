// A resource module's source, as the language libraries ("Lang", "PLang") are read from
// the program's directory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/ResourceReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fw::ReadResourceModule(std::string(reinterpret_cast<const char*>(data), size), "Lang");
    return 0;
}
