#pragma once

#include "AccessSteps.h"
#include "TestPrompter.h"
#include "TestSupport.h"
#include "app/TAnaF.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <QtTest>

#include <memory>

namespace kartavel::test {

// The texts as a list, for comparing the messages shown.
inline QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items)
        out << QString::fromUtf8(i);
    return out;
}

// The program on a fresh data folder, with its message boxes answered and its
// modal windows driven by a script.
class AccessFixture {
public:
    void setUp() {
        dir = std::make_unique<TempDir>();
        data = dir->path() / "Data";
        platform::setDataFolder(data);
        prompter = std::make_unique<TestPrompter>();
        script = std::make_unique<ModalScript>();
    }

    // Everything is let go before anything is checked, so one failure does not
    // leak into the next test. Returns what was left over, empty when nothing was.
    QStringList tearDown() {
        QStringList left = script->errors;
        if (!script->done())
            left << QStringLiteral("steps left unused");
        if (window) {
            window->loggedIn = false;
            window->close();
        }
        window.reset();
        script.reset();
        if (!prompter->answers.empty())
            left << QStringLiteral("an answer was left unused");
        left += prompter->unexpected;
        prompter.reset();
        platform::setDataFolder({});
        dir.reset();
        return left;
    }

    // "dosya.ini" holding the password (ASCII), scrambled.
    void storePassword(std::string_view plain) {
        std::filesystem::create_directories(data);
        writeFile(data / "dosya.ini", storedPasswordFile(plain));
    }
    std::string dosyaIni() const { return readFile(data / "dosya.ini"); }

    // Starts the main window; its timer opens the password windows, which the
    // script's steps answer. Returns once every step has run.
    void start() {
        window = std::make_unique<gui::TAnaF>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(script->done());
    }

    std::unique_ptr<TempDir> dir;
    std::filesystem::path data;
    std::unique_ptr<TestPrompter> prompter;
    std::unique_ptr<ModalScript> script;
    std::unique_ptr<gui::TAnaF> window;
};

} // namespace kartavel::test
