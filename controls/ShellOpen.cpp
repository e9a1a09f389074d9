// Opening a link: the shell first, then the browser command registered for ".htm" files.
#include <cstring>

#include "controls/HyperLink.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace {
constexpr DWORD kValueBufferSize = 260;
constexpr std::size_t kCommandBufferSize = 520;
constexpr char kHtmlExtension[] = ".htm";
constexpr char kOpenCommandKey[] = "\\shell\\open\\command";
constexpr UINT kOpenSucceededAbove = 32;

// The default value of a key under `root` into `out`; the open's result, or a failure when
// the value cannot be read.
LSTATUS ReadRootDefault(HKEY root, LPCSTR path, CString& out)
{
    HKEY key = nullptr;
    LSTATUS result = RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key);
    if (result != ERROR_SUCCESS)
        return result;
    char value[kValueBufferSize] = {};
    DWORD size = kValueBufferSize;
    DWORD type = 0;
    const LSTATUS read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS)
        return read;
    value[kValueBufferSize - 1] = '\0';
    out = value;
    return ERROR_SUCCESS;
}

// Where the target goes: at a quoted "%1" the command is cut before the opening quotation
// mark, at a bare %1 before the percent sign. The placeholder's characters are all below any
// trail byte of a double-byte code page, so a plain search finds only whole characters.
void CutAtPlaceholder(CString& command)
{
    int at = command.Find("\"%1\"");
    if (at < 0)
        at = command.Find("%1");
    if (at >= 0)
        command = command.Left(at);
}
}  // namespace

UINT ShellOpen(LPCSTR target, int show)
{
    const auto shell = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(
        ShellExecuteA(nullptr, "open", target, nullptr, nullptr, show)));
    if (shell > kOpenSucceededAbove)
        return shell;

    CString command;
    if (ReadRootDefault(HKEY_CLASSES_ROOT, kHtmlExtension, command) != ERROR_SUCCESS)
        return shell;
    if (ReadRootDefault(HKEY_CLASSES_ROOT, command + kOpenCommandKey, command) != ERROR_SUCCESS)
        return shell;
    CutAtPlaceholder(command);
    command += ' ';
    command += target;
    // The command and the target must fit the command buffer with its terminating zero; a
    // longer one is refused rather than cut, so nothing else is ever run.
    if (static_cast<std::size_t>(command.GetLength()) + 1 > kCommandBufferSize)
        return shell;
    return WinExec(command, static_cast<UINT>(show));
}
