#pragma once

#include "RecordingShell.h"
#include "TestPrompter.h"
#include "TestSupport.h"
#include "app/ModalForms.h"
#include "platform/DataFolder.h"
#include "text/Cp1254.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kartavel::test {

// What a window test stands on: a fresh data folder, the message boxes answered by
// a prompter, the desktop shell replaced by a recording one, and no modal driver
// left behind.
class WindowTestEnv {
public:
    WindowTestEnv() : data(dir.path() / "Data") {
        std::filesystem::create_directories(data);
        platform::setDataFolder(data);
    }
    ~WindowTestEnv() {
        gui::setModalDriver({});
        platform::setDataFolder({});
    }

    // Why the test left the prompter unhappy, or nothing.
    QString leftovers() const {
        if (!prompter.answers.empty())
            return QStringLiteral("an answer was left unused");
        return prompter.unexpected.join(u'|');
    }

    TempDir dir;
    std::filesystem::path data;
    TestPrompter prompter;
    RecordingShell shell;
};

// One archive of a register file written by a test.
struct RegisterRow {
    std::string name, group, subGroup, media = "0", code;
};

// The register file holding `rows`, in the table files' code page.
inline std::string registerFileText(const std::vector<RegisterRow>& rows) {
    std::string out;
    int n = 0;
    for (const auto& r : rows) {
        ++n;
        for (const auto& line :
             {"[RecNo" + std::to_string(n) + "]", std::string("TARIHI=46366"),
              "OZEL_KODU=" + r.code, "ARSIV_ADI=" + r.name, "KODU=" + std::to_string(n),
              "CDDVD=" + r.media, "GRUBU=" + r.group, "ALTGRUB=" + r.subGroup})
            out += line + "\r\n";
    }
    return *text::encodeCp1254(out);
}

} // namespace kartavel::test
