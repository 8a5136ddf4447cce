#include "CliRunner.h"

#ifdef _WIN32

#include "platform/DataFolder.h"
#include "text/WideText.h"

#include <stdexcept>
#include <thread>
#include <windows.h>

namespace kartavel::test {

namespace {

// One argument as the program's command-line parser splits it back: in quotes
// when it holds a blank or a quote (or is empty), with the backslashes before a
// quote doubled.
void appendQuoted(std::wstring& line, const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

struct Pipe {
    HANDLE read = nullptr, write = nullptr;
    // `childEnd` is the end the program inherits.
    explicit Pipe(bool childReads) {
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        if (!::CreatePipe(&read, &write, &sa, 0))
            throw std::runtime_error("pipe");
        ::SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    }
};

void closeHandle(HANDLE& h) {
    if (h) {
        ::CloseHandle(h);
        h = nullptr;
    }
}

std::string drain(HANDLE h) {
    std::string out;
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0)
        out.append(buf, n);
    return out;
}

} // namespace

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
    // The build tree's own paths mean nothing to Windows (or to Wine): the CLI is
    // found from this test program, whose folder lies beside its folder.
    const std::wstring cli =
        (platform::programFolder() / KARTAVEL_CLI_FROM_TESTS).lexically_normal().native();
    std::wstring line;
    appendQuoted(line, cli);
    for (const auto& a : args) {
        line += L' ';
        appendQuoted(line, text::wideFromUtf8(a));
    }
    Pipe in(true), out(false), err(false);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in.read;
    si.hStdOutput = out.write;
    si.hStdError = err.write;
    PROCESS_INFORMATION pi{};
    const BOOL started = ::CreateProcessW(cli.c_str(), line.data(), nullptr, nullptr, TRUE,
                                          CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    closeHandle(in.read);
    closeHandle(out.write);
    closeHandle(err.write);
    if (!started)
        throw std::runtime_error("cannot start kartavel-cli");

    CliResult result;
    std::thread feeder([&] {
        DWORD n = 0;
        if (!input.empty())
            ::WriteFile(in.write, input.data(), static_cast<DWORD>(input.size()), &n, nullptr);
        closeHandle(in.write);
    });
    std::thread errors([&] { result.err = drain(err.read); });
    result.out = drain(out.read);
    errors.join();
    feeder.join();
    closeHandle(out.read);
    closeHandle(err.read);
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    result.code = static_cast<int>(code);
    return result;
}

} // namespace kartavel::test

#else

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kartavel::test {

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
    // A command that refuses before it reads its input closes the pipe under our
    // write; that must come back as EPIPE here, not end the test process.
    static const bool pipeSignalIgnored = std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    (void)pipeSignalIgnored;
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe2(inPipe, O_CLOEXEC) || pipe2(outPipe, O_CLOEXEC) || pipe2(errPipe, O_CLOEXEC))
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, inPipe[0], 0);
    posix_spawn_file_actions_adddup2(&fa, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&fa, errPipe[1], 2);
    std::vector<std::string> argvStore{KARTAVEL_CLI_PATH};
    argvStore.insert(argvStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    if (rc != 0)
        throw std::runtime_error("cannot start kartavel-cli");

    CliResult result;
    std::size_t written = 0;
    if (input.empty()) {
        close(inPipe[1]);
        inPipe[1] = -1;
    }
    pollfd fds[3] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}, {inPipe[1], POLLOUT, 0}};
    int open = 2;
    while (open > 0) {
        fds[2].fd = inPipe[1];
        if (poll(fds, 3, -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP))) {
                char buf[4096];
                const ssize_t n = read(fds[i].fd, buf, sizeof buf);
                if (n > 0) {
                    (i == 0 ? result.out : result.err).append(buf, static_cast<std::size_t>(n));
                } else {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
        if (inPipe[1] >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
            const ssize_t n = write(inPipe[1], input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) {
                close(inPipe[1]);
                inPipe[1] = -1;
            }
        }
    }
    if (inPipe[1] >= 0)
        close(inPipe[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace kartavel::test

#endif
