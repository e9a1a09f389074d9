#include "platform/CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace platform {

std::vector<std::string> SplitCommandLine(const std::string& command_line)
{
    std::vector<std::string> arguments;
    std::string current;
    bool in_argument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < command_line.size(); ++i) {
        const char c = command_line[i];
        if (c == '\\') {
            std::size_t slashes = 0;
            while (i < command_line.size() && command_line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < command_line.size() && command_line[i] == '"') {
                current.append(slashes / 2, '\\');
                if (slashes % 2 == 1)
                    current += '"';
                else
                    quoted = !quoted;
            } else {
                current.append(slashes, '\\');
                --i;
            }
            in_argument = true;
        } else if (c == '"') {
            quoted = !quoted;
            in_argument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (in_argument)
                arguments.push_back(std::move(current));
            current.clear();
            in_argument = false;
        } else {
            current += c;
            in_argument = true;
        }
    }
    if (in_argument)
        arguments.push_back(std::move(current));
    return arguments;
}

namespace {

// The file to execute: a name with a folder as it is, else the first match in PATH.
std::string ProgramPath(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return name;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = end == start ? "." : folders.substr(start, end - start);
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

}  // namespace

int StartDetached(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments[0].empty())
        return ENOENT;
    const std::string program = ProgramPath(arguments[0]);
    if (program.empty())
        return ENOENT;
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    // The child reports a failed exec through the pipe; a successful one closes it.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        // Only async-signal-safe calls between fork and exec: the parent may run threads.
        close(report[0]);
        execve(program.c_str(), argv.data(), environ);
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got != static_cast<ssize_t>(sizeof error))
        error = 0;
    // Reaped aside, so the caller never waits for the program and it never lingers as a zombie.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return error;
}

}  // namespace platform
