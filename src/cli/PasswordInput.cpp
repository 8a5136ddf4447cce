#include "PasswordInput.h"

#include <istream>
#include <ostream>

#ifdef _WIN32
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace kartavel::cli {

namespace {

// Turns the terminal's echo off for as long as it lives.
#ifdef _WIN32
class EchoOff {
public:
    EchoOff() : in_(::GetStdHandle(STD_INPUT_HANDLE)) {
        if (in_ == INVALID_HANDLE_VALUE || !::GetConsoleMode(in_, &saved_))
            return;
        active_ = ::SetConsoleMode(in_, saved_ & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
    }
    ~EchoOff() {
        if (active_)
            ::SetConsoleMode(in_, saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    HANDLE in_;
    DWORD saved_ = 0;
    bool active_ = false;
};
#else
class EchoOff {
public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        active_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (active_)
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios saved_{};
    bool active_ = false;
};
#endif

std::optional<std::string> readLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

std::optional<std::string> readPasswordLine(Console& con, bool fromStdin, std::string_view prompt) {
    if (fromStdin)
        return readLine(con.in);
    con.err << prompt;
    con.err.flush();
    std::optional<std::string> line;
    {
        EchoOff quiet;
        line = readLine(con.in);
    }
    con.err << '\n'; // the Enter that was not echoed
    return line;
}

bool passwordCanBeRead(Cli& cli, bool fromStdin) {
    if (fromStdin || cli.console().inIsTerminal)
        return true;
    cli.fail(kUsage, "Veri klasörü parola ile korunuyor. Parolayı uçbirimden yazınız ya da "
                     "--password-stdin ile standart girdiden veriniz...");
    return false;
}

} // namespace kartavel::cli
