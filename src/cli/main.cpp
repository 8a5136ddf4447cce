#include "Cli.h"

#include <iostream>

namespace {

int runCli(const std::vector<std::string>& args, bool errIsTerminal, bool inIsTerminal) {
    std::ios::sync_with_stdio(false);
    kartavel::cli::Cli cli({std::cout, std::cerr, std::cin, errIsTerminal, inIsTerminal});
    const int rc = cli.run(args);
    std::cout.flush();
    return rc;
}

} // namespace

#ifdef _WIN32

#include "text/WideText.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// A console, as opposed to a pipe, a file or the NUL device.
bool isConsole(DWORD stdHandle, DWORD& mode) {
    return ::GetConsoleMode(::GetStdHandle(stdHandle), &mode) != 0;
}

} // namespace

// Arguments come as UTF-16 and go on as UTF-8. Output is the same bytes as on every
// other system: UTF-8 with LF line ends, no CR added; a console shows it as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(kartavel::text::utf8FromWide(argv[i]));
    for (FILE* f : {stdin, stdout, stderr})
        ::_setmode(::_fileno(f), _O_BINARY);

    DWORD errMode = 0, inMode = 0;
    bool errIsTerminal = isConsole(STD_ERROR_HANDLE, errMode);
    // The progress line redraws itself with terminal sequences.
    if (errIsTerminal)
        errIsTerminal = ::SetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE),
                                         errMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
    const UINT outputCodePage = ::GetConsoleOutputCP(), inputCodePage = ::GetConsoleCP();
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    const int rc = runCli(args, errIsTerminal, isConsole(STD_INPUT_HANDLE, inMode));
    if (outputCodePage != 0) {
        ::SetConsoleOutputCP(outputCodePage);
        ::SetConsoleCP(inputCodePage);
    }
    if (errIsTerminal)
        ::SetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), errMode);
    return rc;
}

#else

#include <unistd.h>

int main(int argc, char** argv) {
    return runCli(std::vector<std::string>(argv + 1, argv + argc), ::isatty(STDERR_FILENO) == 1,
                  ::isatty(STDIN_FILENO) == 1);
}

#endif
