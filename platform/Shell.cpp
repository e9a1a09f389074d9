#include "platform/Shell.h"

#include <cerrno>
#include <cstring>

#include "machine/MachinePort.h"
#include "platform/CommandLine.h"
#include "platform/CurrentMachine.h"
#include "platform/WinError.h"

namespace {

// What a successful start on the desktop returns: any value above the failure codes.
constexpr UINT kDesktopOpened = 42;
constexpr UINT kDesktopStarted = 33;

UINT OpenFailure(int error)
{
    switch (error) {
    // Without the desktop's opener nothing is associated with anything.
    case ENOENT: return SE_ERR_NOASSOC;
    case EACCES: return SE_ERR_ACCESSDENIED;
    case ENOMEM:
    case EAGAIN: return SE_ERR_OOM;
    default: return SE_ERR_FNF;
    }
}

UINT ExecFailure(int error)
{
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case EACCES: return ERROR_ACCESS_DENIED;
    case ENOMEM:
    case EAGAIN: return 0;
    default: return ERROR_FILE_NOT_FOUND;
    }
}

HINSTANCE AsInstance(UINT code) { return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(code)); }

}  // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, int)
{
    if (file == nullptr || *file == '\0')
        return AsInstance(SE_ERR_FNF);
    machine::ShellRequest request;
    request.call = machine::ShellCall::Open;
    request.verb = operation ? operation : "";
    request.target = file;
    const machine::ShellAnswer answer = platform::CurrentMachine().shell(request);
    if (!answer.on_desktop)
        return AsInstance(answer.code);
    if (!request.verb.empty() && request.verb != "open")
        return AsInstance(SE_ERR_NOASSOC);
    const int error = platform::StartDetached({answer.opener, request.target});
    return AsInstance(error == 0 ? kDesktopOpened : OpenFailure(error));
}

UINT WinExec(LPCSTR commandLine, UINT)
{
    machine::ShellRequest request;
    request.call = machine::ShellCall::Exec;
    request.target = commandLine ? commandLine : "";
    request.arguments = platform::SplitCommandLine(request.target);
    if (request.arguments.empty())
        return ERROR_FILE_NOT_FOUND;
    const machine::ShellAnswer answer = platform::CurrentMachine().shell(request);
    if (!answer.on_desktop)
        return answer.code;
    // A program named by a path on the machine's drive runs from its real folder.
    std::vector<std::string> arguments = request.arguments;
    if (std::string host = platform::CurrentMachine().host_path(arguments[0]); !host.empty())
        arguments[0] = host;
    const int error = platform::StartDetached(arguments);
    return error == 0 ? kDesktopStarted : ExecFailure(error);
}
