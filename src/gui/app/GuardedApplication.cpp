#include "GuardedApplication.h"

#include "Prompter.h"
#include "platform/FileSystem.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <exception>

namespace kartavel::gui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name is set: Qt would append it to every window's title, and each
    // title is the system's own text.
    setApplicationName(QStringLiteral("Kartavel"));
    loadToolkitTranslations(*this);
}

bool loadToolkitTranslations(QCoreApplication& app) {
    auto* qtbase = new QTranslator(&app);
    if (!qtbase->load(QStringLiteral("qtbase_tr"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtbase; // the toolkit's own English then
        return false;
    }
    QCoreApplication::installTranslator(qtbase);
    return true;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(QString::fromUtf8(platform::kUnexpectedError.data(),
                                    static_cast<qsizetype>(platform::kUnexpectedError.size())));
    }
    return false;
}

} // namespace kartavel::gui
