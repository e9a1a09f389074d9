#pragma once
// The address of a Unix-domain socket file; false when the path does not fit in one.

#include <cstring>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>

namespace machine::service {

inline bool unix_address(const std::filesystem::path& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    const std::string& text = path.native();
    if (text.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace machine::service
