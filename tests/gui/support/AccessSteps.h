#pragma once

#include "ModalScript.h"
#include "TestPrompter.h"
#include "access/Password.h"
#include "access/TK_PasswordF.h"
#include "access/TK_SifreDegF.h"
#include "app/TAnaF.h"
#include "widgets/TIloWinButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace kartavel::test {

// Types the text key by key, as a keyboard does; letters beyond ASCII (İ, ş, €)
// come as keys that carry their text.
inline void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, static_cast<char>(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// The password-change window's fields, as a user fills them.
inline void fillPasswordChange(gui::TK_SifreDegF* w, const QString& oldPassword,
                               const QString& newPassword, const QString& repetition) {
    for (auto [field, text] : {std::pair{w->Edit3(), oldPassword},
                               {w->Edit1(), newPassword},
                               {w->Edit2(), repetition}}) {
        field->clear();
        if (field->isEnabled())
            typeText(field, text);
    }
}

// A step that changes the password from `oldPassword` to `newPassword`.
inline std::function<void(gui::TK_SifreDegF*)> setsPasswordFrom(const QString& oldPassword,
                                                                const QString& newPassword) {
    return [=](gui::TK_SifreDegF* w) {
        fillPasswordChange(w, oldPassword, newPassword, newPassword);
        w->BitBtn1()->click();
    };
}

// A step that sets the first password: typed twice, then "Tamam".
inline std::function<void(gui::TK_SifreDegF*)> setsPassword(const QString& password) {
    return setsPasswordFrom({}, password);
}

// A step that types the password into the login window and presses "Tamam".
inline std::function<void(gui::TK_PasswordF*)> logsIn(const QString& password) {
    return [password](gui::TK_PasswordF* w) {
        typeText(w->EditPass(), password);
        w->IQGrap1()->click();
    };
}

// The main window's start gate, passed as a user does: on a first start (no stored
// password yet) the password-change window sets the password, then the login
// window takes it. Make it before the main window's event loop first runs, since
// the gate opens on the window's first timer tick.
class StartGate {
public:
    explicit StartGate(TestPrompter& prompter, const QString& password = QStringLiteral("gizli"))
        : prompter_(prompter), firstStart_(!access::storedValuesFileExists()) {
        if (firstStart_)
            script_.then<gui::TK_SifreDegF>(setsPassword(password));
        script_.then<gui::TK_PasswordF>(logsIn(password));
    }

    // Waits until the gate has let the user in; a test checks
    // QTest::currentTestFailed() afterwards.
    void passed(const gui::TAnaF& main) {
        QTRY_VERIFY(script_.done());
        QVERIFY2(script_.errors.isEmpty(), qPrintable(script_.errors.join(u'|')));
        QVERIFY(main.loggedIn);
        if (firstStart_)
            QCOMPARE(prompter_.take(),
                     QStringList{QStringLiteral("Bilgi: Şifre değiştirilmiştir...")});
    }

private:
    ModalScript script_;
    TestPrompter& prompter_;
    bool firstStart_;
};

// The main window as a user finds it: shown, and past its start gate. Nothing when
// that failed; the test has then recorded why.
inline std::unique_ptr<gui::TAnaF> startMainWindow(TestPrompter& prompter) {
    StartGate gate(prompter);
    auto main = std::make_unique<gui::TAnaF>();
    main->show();
    if (!QTest::qVerify(QTest::qWaitForWindowExposed(main.get()), "exposed", "", __FILE__,
                        __LINE__))
        return nullptr;
    gate.passed(*main);
    if (QTest::currentTestFailed())
        return nullptr;
    return main;
}

} // namespace kartavel::test
