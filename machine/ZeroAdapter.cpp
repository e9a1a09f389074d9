#include "machine/ZeroAdapter.h"

#include <algorithm>

namespace machine {

bool ZeroAdapter::query(std::uint32_t, std::span<std::uint8_t> data)
{
    std::fill(data.begin(), data.end(), std::uint8_t{0});
    return true;
}

}  // namespace machine
