#pragma once

#include "app/DesktopShell.h"

#include <QStringList>

namespace kartavel::test {

// Stands in for the desktop while it lives: every path the shell hands on is
// recorded as "VERB path" and nothing is started. A missing path still fails
// before it gets here, as it does on the desktop.
class RecordingShell : public platform::Shell {
public:
    RecordingShell() { gui::setShell(this); }
    ~RecordingShell() override { gui::setShell(nullptr); }

    QStringList take() {
        QStringList c = calls;
        calls.clear();
        return c;
    }

    QStringList calls;

protected:
    bool launch(std::string_view verb, const std::string& path) override {
        calls << QString::fromUtf8(verb.data(), static_cast<qsizetype>(verb.size())) +
                     QLatin1Char(' ') + QString::fromStdString(path);
        return true;
    }
};

} // namespace kartavel::test
