#include "PasswordInput.h"

#include <istream>
#include <ostream>

#include <termios.h>
#include <unistd.h>

namespace kartavel::cli {

namespace {

// Turns the terminal's echo off for as long as it lives.
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
