// Opening a link with the shell.
#include <cstdint>

#include "controls/HyperLink.h"
#include "platform/Shell.h"

namespace {
constexpr UINT kOpenSucceededAbove = 32;
}  // namespace

UINT ShellOpen(LPCSTR target, int show)
{
    const auto shell = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(
        ShellExecuteA(nullptr, "open", target, nullptr, nullptr, show)));
    if (shell > kOpenSucceededAbove)
        return shell;

    // The browser command registered for ".htm" files comes with the registry.
    return shell;
}
