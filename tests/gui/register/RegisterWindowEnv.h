#pragma once

#include "AccessSteps.h"
#include "WindowTestEnv.h"
#include "app/MainListModel.h"
#include "app/TAnaF.h"

#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kartavel::test {

// One archive of a register file written by a test.
struct Archive {
    std::string name = {}, group = {}, sub = {}, media = "0", code = {};
    std::optional<int> date = 46366;
};

inline QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items)
        out << QString::fromUtf8(i);
    return out;
}

// Types the text into the widget key by key, letters outside ASCII too.
inline void type(QWidget* w, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The main window's list as "icon:caption" entries.
inline QStringList mainListShown(const gui::TAnaF& main) {
    QStringList out;
    auto* m = main.listModel();
    for (int r = 0; r < m->rowCount(); ++r)
        out << QString::number(m->item(r)->icon) + u':' +
                   QString::fromStdString(m->item(r)->caption);
    return out;
}

// What the register and lending window tests stand on: the window test set-up with a
// register and a lending table in its data folder, and the main window shown over
// them.
class RegisterWindowEnv : public WindowTestEnv {
public:
    RegisterWindowEnv(const std::vector<Archive>& archives, const std::vector<std::string>& lent) {
        std::string reg, lend;
        int n = 0;
        for (const auto& a : archives) {
            ++n;
            reg += "[RecNo" + std::to_string(n) +
                   "]\r\nTARIHI=" + (a.date ? std::to_string(*a.date) : "") +
                   "\r\nOZEL_KODU=" + a.code + "\r\nARSIV_ADI=" + a.name +
                   "\r\nKODU=" + std::to_string(n) + "\r\nCDDVD=" + a.media +
                   "\r\nGRUBU=" + a.group + "\r\nALTGRUB=" + a.sub + "\r\n";
        }
        n = 0;
        for (const auto& name : lent)
            lend +=
                "[RecNo" + std::to_string(++n) + "]\r\nARSIV=" + name +
                "\r\nVERILENIADI=Ayşe\r\nVERILMETARIHI=46000\r\nTESLIMTARIHI=0\r\nACIKLAMA=\r\n";
        if (!reg.empty())
            writeFile(data / "ARSIV_Y.DB", *text::encodeCp1254(reg));
        if (!lend.empty())
            writeFile(data / "EMANET.DB", *text::encodeCp1254(lend));
        main = startMainWindow(prompter);
    }
    ~RegisterWindowEnv() {
        if (main && main->isVisible()) {
            prompter.answers.push_back(true); // "Programdan çıkmak istiyormusunuz ?"
            main->close();
        }
        main.reset();
    }

    // The lending file as text, "" when there is none.
    std::string lendingFile() const {
        return std::filesystem::exists(data / "EMANET.DB")
                   ? text::decodeCp1254(readFile(data / "EMANET.DB"))
                   : std::string();
    }

    std::unique_ptr<gui::TAnaF> main;
};

} // namespace kartavel::test
