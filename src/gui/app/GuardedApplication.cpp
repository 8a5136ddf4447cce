#include "GuardedApplication.h"

#include "Prompter.h"
#include "platform/FileSystem.h"

#include <exception>

namespace kartavel::gui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
