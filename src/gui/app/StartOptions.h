#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

namespace kartavel::gui {

// The program's command line: kartavel [--data KLASÖR] [--help] [--version].
struct StartOptions {
    // The data folder the user chose, made absolute; none for the default one.
    std::optional<std::filesystem::path> dataFolder;
    bool help = false;
    bool version = false;
    QString error; // empty when the line is well formed
};

// Reads the arguments after the program's name (Qt's own options already removed).
StartOptions parseStartOptions(const QStringList& arguments);

// The help text of --help and of a wrong command line.
QString startUsage();

} // namespace kartavel::gui
