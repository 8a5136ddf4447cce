#include "Commands.h"
#include "PasswordInput.h"

#include "access/Password.h"

#include <ostream>

namespace kartavel::cli {

int runPasswd(Cli& cli, const Arguments& args) {
    const bool fromStdin = args.passwordStdin;
    if (!passwordCanBeRead(cli, fromStdin))
        return kUsage;
    // The program reads "dosya.ini" afresh at each login: it must not be running.
    if (const int rc = cli.lockDataFolder())
        return rc;
    access::TIloStorage IloStorage1 = access::makeIloStorage1();
    access::openStoredValues(IloStorage1);

    // The window's fields, in its tab order; the old password only while there is
    // one to ask for. It is this command's gate.
    std::string answers[3];
    const std::pair<std::string_view, std::string*> fields[] = {{"Eski Şifre : ", &answers[0]},
                                                                {"Yeni Şifre : ", &answers[1]},
                                                                {"Şifre Tekrarı : ", &answers[2]}};
    const bool fileExists = access::storedValuesFileExists();
    for (const auto& [prompt, answer] : fields) {
        if (answer == &answers[0] && !fileExists)
            continue;
        auto line = readPasswordLine(cli.console(), fromStdin, prompt);
        if (!line)
            return cli.fail(kUsage, kNoPasswordLine);
        *answer = std::move(*line);
    }
    const auto result = access::changePassword(IloStorage1, answers[0], answers[1], answers[2]);
    return cli.fail(result.changed ? kDone : kRefused, result.message);
}

} // namespace kartavel::cli
